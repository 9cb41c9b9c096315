// Painting of the pane window: the visible display lines only, into a back
// buffer, in the model's colours with the selection highlighted.
#include "platform/win32/PaneWindow.h"

#include <algorithm>
#include <exception>
#include <string>

#include "controls/RichEditColors.h"
#include "platform/Encoding.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

// Appends the UTF-16 form of one Shift-JIS character; returns the units added.
std::size_t AppendWide(std::wstring& out, std::string_view ch) {
  const auto b0 = static_cast<unsigned char>(ch[0]);
  if (ch.size() == 1) {
    if (b0 < 0x80) {
      out.push_back(static_cast<wchar_t>(b0));
      return 1;
    }
    if (b0 >= 0xA1 && b0 <= 0xDF) {  // half-width katakana
      out.push_back(static_cast<wchar_t>(0xFF61 + (b0 - 0xA1)));
      return 1;
    }
  }
  const std::u16string w = enc::SjisToUtf16(ch);
  if (w.empty()) {
    out.push_back(L'\xFFFD');
    return 1;
  }
  out.append(w.begin(), w.end());
  return w.size();
}

}  // namespace

// Walks the colour runs alongside the painted characters (positions rise).
struct PaneWindow::ColorCursor {
  const std::vector<ColorRuns::Run>& runs;
  TColor fallback;
  std::size_t index = 0;
  bool placed = false;

  TColor At(std::size_t pos) {
    if (runs.empty()) return fallback;
    if (!placed || runs[index].start > pos) {
      auto it = std::upper_bound(runs.begin(), runs.end(), pos,
                                 [](std::size_t p, const ColorRuns::Run& r) { return p < r.start; });
      index = it == runs.begin() ? 0 : static_cast<std::size_t>(it - runs.begin()) - 1;
      placed = true;
    }
    while (index + 1 < runs.size() && runs[index + 1].start <= pos) ++index;
    const TColor c = runs[index].color;
    return c == ColorRuns::kDefault ? fallback : c;
  }
};

void PaneWindow::OnPaint() {
  std::exception_ptr failure;
  {
    PaintDc pdc(hwnd_);
    try {
      Paint(pdc.Get());
      paintFailed_ = false;
    } catch (...) {
      failure = std::current_exception();
      RECT rc = ClientRect(hwnd_);
      ::FillRect(pdc.Get(), &rc, ::GetSysColorBrush(COLOR_WINDOW));
    }
  }
  // Reported once, after EndPaint: a paint that keeps failing must not pile
  // up message boxes.
  if (failure && !paintFailed_) {
    paintFailed_ = true;
    std::rethrow_exception(failure);
  }
}

void PaneWindow::Paint(HDC target) {
  if (!hwnd_ || !model_ || !target) return;
  const RECT rc = ClientRect(hwnd_);
  const int width = rc.right, height = rc.bottom;
  if (width <= 0 || height <= 0) return;
  if (HDC buffer = back_.Prepare(target, width, height)) {
    PaintContent(buffer, width, height);
    back_.Present(target, width, height);
  } else {
    PaintContent(target, width, height);
  }
}

void PaneWindow::PaintContent(HDC dc, int width, int height) {
  SyncMeasurer();
  DcStateGuard state(dc);
  const RECT all{0, 0, width, height};
  {
    BrushPtr background = MakeSolidBrush(model_->Color());
    ::FillRect(dc, &all, background ? background.get() : ::GetSysColorBrush(COLOR_WINDOW));
  }
  if (HFONT font = measurer_.DrawFont()) ::SelectObject(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  ::IntersectClipRect(dc, 0, 0, width, height);

  const PaneLayout& lay = model_->Layout();
  ColorCursor colors{model_->Colors().Runs(), model_->Font().color};
  const int first = std::max(0, lay.TopLine());
  const int last = std::min(lay.AllLines() - 1, first + std::max(0, lay.VisibleLines()) + 1);
  for (int line = first; line <= last; ++line) PaintLine(dc, line, width, height, colors);
  PaintComposition(dc);
}

void PaneWindow::DrawRun(HDC dc, int blockAt, int inlineAt, const wchar_t* chars, UINT count, const INT* dx) const {
  if (model_->Layout().Vertical()) {
    // Escapement 2700: text runs down from the reference point; the point is
    // placed so that upright glyphs sit in the column's middle.
    const int pitch = std::max(1, model_->Layout().LinePitch());
    ::ExtTextOutW(dc, blockAt + pitch / 2 - measurer_.VerticalInkCentre(), inlineAt, 0, nullptr, chars, count, dx);
  } else {
    ::ExtTextOutW(dc, inlineAt, blockAt + TextBoxOffset(), 0, nullptr, chars, count, dx);
  }
}

std::vector<CompositionCell> PaneWindow::CompositionCells() const {
  if (!model_ || !composition_.Active()) return {};
  return composition_.Cells(model_->Layout(), model_->Text(), CaretPos(), measurer_, model_->ImeColors());
}

// The composed string over the text at the caret, each character in the
// colours of its state, underlined entries with a line beside the column
// (vertical) or under the line.
void PaneWindow::PaintComposition(HDC dc) {
  const bool vert = model_->Layout().Vertical();
  const std::u16string& text = composition_.Text();
  for (const CompositionCell& c : CompositionCells()) {
    const RECT box{c.box.left, c.box.top, c.box.right, c.box.bottom};
    if (BrushPtr brush = MakeSolidBrush(c.background)) ::FillRect(dc, &box, brush.get());
    ::SetTextColor(dc, c.text);
    const auto* chars = reinterpret_cast<const wchar_t*>(text.data() + c.index);
    const INT advance = vert ? box.bottom - box.top : box.right - box.left;
    const INT dx[2] = {advance, 0};
    DrawRun(dc, vert ? box.left : box.top, vert ? box.top : box.left, chars, static_cast<UINT>(c.units), dx);
    if (c.underline) {
      const RECT line = vert ? RECT{box.right - 2, box.top, box.right - 1, box.bottom}
                             : RECT{box.left, box.bottom - 2, box.right, box.bottom - 1};
      if (BrushPtr brush = MakeSolidBrush(c.text)) ::FillRect(dc, &line, brush.get());
    }
  }
}

void PaneWindow::PaintLine(HDC dc, int line, int width, int height, ColorCursor& colors) {
  const PaneLayout& lay = model_->Layout();
  const std::string& text = model_->Text();
  const bool vert = lay.Vertical();
  const int pitch = std::max(1, lay.LinePitch());
  const int glyph = std::max<int>(1, measurer_.Metrics().tmHeight);
  const Point origin = lay.FlowToClient(line, 0);
  const int blockStart = vert ? origin.x : origin.y;
  const int blockLimit = vert ? width : height;
  if (blockStart >= blockLimit || blockStart + pitch <= 0) return;
  const int inlineBase = vert ? origin.y : origin.x;
  const int inlineLimit = vert ? height : width;

  const int s0 = model_->SelStart(), sl = model_->SelLength();
  const std::size_t selStart = static_cast<std::size_t>(std::max(0, sl < 0 ? s0 + sl : s0));
  const std::size_t selEnd = selStart + static_cast<std::size_t>(sl < 0 ? -sl : sl);
  const TColor highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  HBRUSH highlight = ::GetSysColorBrush(COLOR_HIGHLIGHT);
  const int breakMark = std::max(2, glyph / 3);  // width of a selected line break

  // One run: characters in one colour, drawn with one ExtTextOut.
  std::wstring run;
  std::vector<INT> dx;
  int runStart = 0, runEnd = 0;
  TColor runColor = 0;
  auto flush = [&] {
    if (run.empty()) return;
    ::SetTextColor(dc, runColor);
    DrawRun(dc, blockStart, inlineBase + runStart, run.data(), static_cast<UINT>(run.size()), dx.data());
    run.clear();
    dx.clear();
  };

  // Only the stretch of the line inside the client area.
  for (const LayoutCell& c : lay.Cells(line, text, -inlineBase, inlineLimit - inlineBase)) {
    const int a = inlineBase + c.inlineOffset;
    if (a >= inlineLimit) break;
    const bool control = c.len == 1 && (static_cast<unsigned char>(text[c.pos]) < 0x20 || text[c.pos] == 0x7F);
    const bool selected = c.pos >= selStart && c.pos < selEnd;
    const int extent = control && selected ? std::max(c.advance, breakMark) : c.advance;
    if (a + extent <= 0) continue;
    if (selected) {
      const RECT box = vert ? RECT{blockStart, a, blockStart + pitch, a + extent}
                            : RECT{a, blockStart, a + extent, blockStart + pitch};
      ::FillRect(dc, &box, highlight);
    }
    if (control) {  // tabs and line breaks draw nothing
      flush();
      continue;
    }
    const TColor color = selected ? highlightText : colors.At(c.pos);
    if (!run.empty() && (color != runColor || c.inlineOffset != runEnd)) flush();
    if (run.empty()) {
      runStart = c.inlineOffset;
      runColor = color;
    }
    const std::size_t units = AppendWide(run, std::string_view(text).substr(c.pos, c.len));
    for (std::size_t u = 1; u < units; ++u) dx.push_back(0);
    dx.push_back(c.advance);
    runEnd = c.inlineOffset + c.advance;
  }
  flush();
}

}  // namespace hanaroku::win32
