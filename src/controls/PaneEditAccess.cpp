#include "controls/PaneEditAccess.h"

#include <algorithm>

#include "controls/RichEditSx.h"
#include "controls/RichEditText.h"
#include "platform/Encoding.h"

namespace hanaroku {

const Utf16Positions& PaneEditAccess::Positions() const {
  const PaneLayout& lay = pane_.Layout();  // brings the layout up to date with the text
  if (!indexed_ || generation_ != lay.Generation()) {
    positions_.Reset(pane_.Text());
    generation_ = lay.Generation();
    indexed_ = true;
  }
  return positions_;
}

std::size_t PaneEditAccess::Units(std::size_t byte) const { return Positions().ToUnits(pane_.Text(), byte); }

std::size_t PaneEditAccess::Bytes(std::size_t units) const { return Positions().ToBytes(pane_.Text(), units); }

std::u16string PaneEditAccess::GetText() const { return enc::SjisToUtf16(pane_.Text()); }

std::size_t PaneEditAccess::GetTextLength() const { return Positions().Units(); }

bool PaneEditAccess::SetText(std::u16string_view text) {
  if (auto nul = text.find(u'\0'); nul != std::u16string_view::npos) text = text.substr(0, nul);
  std::u16string lost;
  const std::string sjis = richtext::NormalizeBreaks(enc::Utf16ToSjis(text, &lost));
  if (!lost.empty() && !(pane_.ConfirmLoss && pane_.ConfirmLoss(lost))) return false;
  if (pane_.MaxLength() > 0 && sjis.size() > static_cast<std::size_t>(pane_.MaxLength())) return false;
  pane_.RecordAction(6);  // as a paste: the text before stays undoable
  pane_.SetText(sjis);
  return true;
}

PaneEditAccess::Selection PaneEditAccess::GetSel() const {
  const auto s = static_cast<std::size_t>(pane_.SelStart());
  return Selection{Units(s), Units(s + static_cast<std::size_t>(pane_.SelLength()))};
}

void PaneEditAccess::SetSel(std::int64_t start, std::int64_t end) {
  const std::size_t length = Positions().Units();
  if (start == -1) {
    const int caret = pane_.SelStart() + pane_.SelLength();
    pane_.Select(caret, 0);
    return;
  }
  auto clamp = [&](std::int64_t v) {
    return v < 0 ? length : std::min(static_cast<std::size_t>(v), length);
  };
  const std::size_t a = clamp(start), b = clamp(end);
  const std::size_t from = Bytes(std::min(a, b)), to = Bytes(std::max(a, b));
  pane_.Select(static_cast<int>(from), static_cast<int>(to - from));
}

bool PaneEditAccess::ReplaceSel(std::u16string_view text, bool canUndo) {
  if (auto nul = text.find(u'\0'); nul != std::u16string_view::npos) text = text.substr(0, nul);
  if (canUndo) pane_.RecordAction(6);
  if (text.empty()) {
    pane_.Clear();
    return true;
  }
  return pane_.InsertText(text);
}

int PaneEditAccess::LineCount() const { return std::max(1, pane_.Layout().AllLines()); }

std::int64_t PaneEditAccess::LineIndex(std::int64_t line) const {
  const PaneLayout& lay = pane_.Layout();
  if (line == -1) line = lay.LineFromPos(static_cast<std::size_t>(pane_.SelStart() + pane_.SelLength()));
  if (line < 0 || line >= lay.AllLines()) return -1;
  return static_cast<std::int64_t>(Units(lay.LineStart(static_cast<int>(line))));
}

std::size_t PaneEditAccess::LineLength(std::int64_t ch) const {
  const PaneLayout& lay = pane_.Layout();
  if (ch == -1) {
    // The unselected characters on the lines the selection touches.
    const Selection sel = GetSel();
    const int first = lay.LineFromPos(Bytes(sel.start)), last = lay.LineFromPos(Bytes(sel.end));
    const std::size_t before = sel.start - Units(lay.LineStart(first));
    const std::size_t after = Units(lay.LineEnd(last)) - std::min(sel.end, Units(lay.LineEnd(last)));
    return before + after;
  }
  if (ch < 0 || static_cast<std::size_t>(ch) > Positions().Units()) return 0;
  const int line = lay.LineFromPos(Bytes(static_cast<std::size_t>(ch)));
  return Units(lay.LineEnd(line)) - Units(lay.LineStart(line));
}

std::u16string PaneEditAccess::GetLine(std::int64_t line) const {
  const PaneLayout& lay = pane_.Layout();
  if (line < 0 || line >= lay.AllLines()) return {};
  const std::size_t a = lay.LineStart(static_cast<int>(line)), b = lay.LineEnd(static_cast<int>(line));
  return enc::SjisToUtf16(std::string_view(pane_.Text()).substr(a, b - a));
}

int PaneEditAccess::LineFromChar(std::int64_t ch) const {
  const PaneLayout& lay = pane_.Layout();
  const std::size_t byte =
      ch < 0 ? static_cast<std::size_t>(pane_.SelStart()) : Bytes(static_cast<std::size_t>(ch));
  return std::clamp(lay.LineFromPos(byte), 0, std::max(0, lay.AllLines() - 1));
}

}  // namespace hanaroku
