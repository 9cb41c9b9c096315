// TRichEditSx: keyboard, mouse and input-method input.
#include <algorithm>

#include "controls/RichEditImpl.h"
#include "controls/RichEditSx.h"
#include "controls/RichEditText.h"

namespace hanaroku {
namespace {

// Virtual-key codes.
enum Vk : int {
  kBack = 8, kTab = 9, kReturn = 13, kShift = 16, kControl = 17, kPrior = 33, kNext = 34, kEnd = 35,
  kHome = 36, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kInsert = 45, kDelete = 46,
  kF3 = 114, kF4 = 115, kProcessKey = 229,
};

// The action kind a key down records, or -1 for none.
int KindOfKey(int vk, bool ctrl) noexcept {
  switch (vk) {
    case kShift: case kControl: case kF3: case kF4: case kProcessKey: case kInsert:
      return -1;
    case kReturn:
      return 2;
    case kBack: case kDelete:
      return 4;
    default:
      break;
  }
  if (vk >= kPrior && vk <= kDown) return 1;
  if (ctrl && (vk == kTab || (vk >= 'A' && vk <= 'Z'))) return -1;
  return 5;
}

bool IsSwallowed(int vk, bool ctrl) noexcept {
  return ctrl && (vk == 'A' || vk == 'C' || vk == 'V' || vk == 'X' || vk == 'Z');
}

}  // namespace

bool TRichEditSx::KeyDown(int vk, bool shift, bool ctrl) {
  if (const int kind = KindOfKey(vk, ctrl); kind >= 0) RecordAction(kind);
  // Select all, copy, paste, cut and undo come only from the application's
  // commands: the pane does nothing on its own for these keys.
  const bool swallowed = IsSwallowed(vk, ctrl);
  if (OnKeyDown) OnKeyDown(swallowed ? 0 : vk, shift, ctrl);
  if (swallowed) return false;

  Impl& d = *impl_;
  const std::string& t = d.text;
  d.EnsureLayout();
  const PaneLayout& lay = d.layout;

  auto moveTo = [&](std::size_t pos) { d.SetSelection(shift ? d.anchor : pos, pos, true); };
  auto charBack = [&] {
    if (!shift && d.anchor != d.caret) return moveTo(d.SelStart());
    moveTo(ctrl ? richtext::PrevWordStop(t, d.caret) : richtext::PrevStop(t, d.caret));
  };
  auto charForward = [&] {
    if (!shift && d.anchor != d.caret) return moveTo(d.SelEnd());
    moveTo(ctrl ? richtext::NextWordStop(t, d.caret) : richtext::NextStop(t, d.caret));
  };
  auto lineMove = [&](int by) {
    const int line = lay.LineFromPos(d.caret);
    const int target = std::clamp(line + by, 0, std::max(0, lay.AllLines() - 1));
    if (target == line) return;
    const int goal = d.goalInline >= 0 ? d.goalInline : lay.InlineFromPos(t, d.caret);
    moveTo(lay.PosAtInline(t, target, goal));
    d.goalInline = goal;
  };
  auto deleteRange = [&](std::size_t a, std::size_t b) {
    if (b > a && !d.readOnly) d.Replace(a, b - a, {}, ColorRuns::kDefault, a, a, true);
  };

  switch (vk) {
    case kLeft:
      d.vertical ? lineMove(1) : charBack();  // columns run right to left
      return true;
    case kRight:
      d.vertical ? lineMove(-1) : charForward();
      return true;
    case kUp:
      d.vertical ? charBack() : lineMove(-1);
      return true;
    case kDown:
      d.vertical ? charForward() : lineMove(1);
      return true;
    case kHome:
      moveTo(ctrl ? 0 : lay.LineStart(lay.LineFromPos(d.caret)));
      return true;
    case kEnd: {
      if (ctrl) {
        moveTo(t.size());
      } else {
        const int line = lay.LineFromPos(d.caret);
        moveTo(line < lay.AllLines() ? lay.LineEnd(line) : t.size());
      }
      return true;
    }
    case kPrior:
    case kNext: {
      const int page = std::max(1, lay.VisibleLines() - 1);
      const int by = vk == kPrior ? -page : page;
      d.SetTopLine(lay.TopLine() + by);
      lineMove(by);
      return true;
    }
    case kBack:
      if (d.anchor != d.caret)
        deleteRange(d.SelStart(), d.SelEnd());
      else
        deleteRange(ctrl ? richtext::PrevWordStop(t, d.caret) : richtext::PrevStop(t, d.caret), d.caret);
      return true;
    case kDelete:
      if (d.anchor != d.caret)
        deleteRange(d.SelStart(), d.SelEnd());
      else
        deleteRange(d.caret, ctrl ? richtext::NextWordStop(t, d.caret) : richtext::NextStop(t, d.caret));
      return true;
    case kReturn:
      if (!d.readOnly) d.TypeText("\r\n");
      return true;
    case kTab:
      if (ctrl) return false;
      if (!d.readOnly) d.TypeText("\t");
      return true;
    default:
      return false;
  }
}

void TRichEditSx::KeyUp(int vk, bool shift, bool ctrl) {
  if (OnKeyUp) OnKeyUp(vk, shift, ctrl);
}

void TRichEditSx::CharInput(std::u16string_view chars) {
  Impl& d = *impl_;
  std::u16string typed;
  for (char16_t c : chars) {
    if (c >= 0xD800 && c <= 0xDBFF) {
      d.pendingHigh = c;
      continue;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) {
      if (d.pendingHigh) {
        typed.push_back(d.pendingHigh);
        typed.push_back(c);
      }
      d.pendingHigh = 0;
      continue;
    }
    d.pendingHigh = 0;
    if (c < 0x20 || c == 0x7F) continue;  // Enter, Tab, Backspace, Ctrl+letter act in KeyDown
    typed.push_back(c);
  }
  if (!typed.empty() && !d.readOnly) InsertUtf16(typed);
}

void TRichEditSx::ImeStartComposition() { RecordAction(9); }

void TRichEditSx::ImeResult(std::u16string_view result) {
  std::u16string text;
  for (char16_t c : result)
    if (c >= 0x20 || c == u'\r' || c == u'\n' || c == u'\t') text.push_back(c);
  if (!text.empty() && !impl_->readOnly) InsertUtf16(text);
}

void TRichEditSx::MouseDown(int x, int y, bool shift) {
  RecordAction(3);
  if (OnMouseDown) OnMouseDown();
  Impl& d = *impl_;
  d.EnsureLayout();
  const std::size_t pos = richtext::SnapBack(d.text, d.layout.HitTest(d.text, {x, y}));
  const bool inBar = d.selectionBar && (d.vertical ? y : x) < d.Margin();
  if (inBar) {
    // A click in the selection bar selects the whole display line.
    const int line = d.layout.LineFromPos(pos);
    if (line < d.layout.AllLines()) {
      const std::size_t a = d.layout.LineStart(line), b = d.layout.NextLineStart(line);
      d.SetSelection(shift ? std::min(d.anchor, a) : a, shift ? std::max(d.SelEnd(), b) : b, true);
    }
    d.dragging = false;
    return;
  }
  d.SetSelection(shift ? d.anchor : pos, pos, true);
  d.dragging = true;
}

void TRichEditSx::MouseMove(int x, int y) {
  Impl& d = *impl_;
  if (!d.dragging) return;
  d.EnsureLayout();
  const std::size_t pos = richtext::SnapBack(d.text, d.layout.HitTest(d.text, {x, y}));
  d.SetSelection(d.anchor, pos, true);
}

void TRichEditSx::MouseUp(int x, int y) {
  Impl& d = *impl_;
  if (d.dragging) MouseMove(x, y);
  d.dragging = false;
  if (OnMouseUp) OnMouseUp();
}

void TRichEditSx::MouseDoubleClick(int x, int y) {
  Impl& d = *impl_;
  d.EnsureLayout();
  std::size_t a = 0, b = 0;
  richtext::WordAt(d.text, d.layout.HitTest(d.text, {x, y}), a, b);
  d.SetSelection(a, b, true);
  d.dragging = false;
}

void TRichEditSx::MouseWheel(int delta) {
  Impl& d = *impl_;
  int lines = -delta * 3 / 120;
  if (lines == 0 && delta != 0) lines = delta > 0 ? -1 : 1;
  d.SetTopLine(SelTopIndex() + lines);
}

}  // namespace hanaroku
