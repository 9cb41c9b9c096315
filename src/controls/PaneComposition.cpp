#include "controls/PaneComposition.h"

#include <algorithm>

#include "controls/PaneLayout.h"
#include "controls/RichEditSx.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

constexpr std::uint32_t kUnderline = 4;  // the effect bit of an underlined entry

int MeasureUnit(std::u16string_view ch, const ITextMeasurer& m) {
  std::u16string lost;
  const std::string sjis = enc::Utf16ToSjis(ch, &lost);
  static constexpr char kFullSpace[] = "\x81\x40";
  const int adv = lost.empty() && !sjis.empty() ? m.CharAdvance(sjis) : m.CharAdvance(std::string_view(kFullSpace, 2));
  return std::max(1, adv);
}

}  // namespace

int ColorEntryOf(CompositionState s) noexcept {
  switch (s) {
    case CompositionState::Input: return 0;
    case CompositionState::TargetConverted: return 1;
    case CompositionState::Converted: return 2;
    case CompositionState::TargetNotConverted: return 3;
    case CompositionState::InputError: return 0;
    case CompositionState::FixedConverted: return 2;
  }
  return 0;
}

void PaneComposition::Start() noexcept {
  End();
  active_ = true;
}

void PaneComposition::Update(std::u16string text, std::vector<std::uint8_t> states, std::vector<std::uint32_t> clauses,
                             int cursor) {
  active_ = true;
  text_ = std::move(text);
  states_ = std::move(states);
  states_.resize(text_.size(), static_cast<std::uint8_t>(CompositionState::Input));
  // Clause bounds rise from 0 to the end of the string.
  std::vector<std::uint32_t> bounds{0};
  for (std::uint32_t b : clauses)
    if (b > bounds.back() && b <= text_.size()) bounds.push_back(b);
  if (bounds.back() != text_.size()) bounds.push_back(static_cast<std::uint32_t>(text_.size()));
  clauses_ = std::move(bounds);
  cursor_ = cursor < 0 || static_cast<std::size_t>(cursor) > text_.size() ? text_.size() : static_cast<std::size_t>(cursor);
}

void PaneComposition::End() noexcept {
  active_ = false;
  text_.clear();
  states_.clear();
  clauses_.clear();
  cursor_ = 0;
}

CompositionState PaneComposition::StateAt(std::size_t unit) const noexcept {
  if (unit >= states_.size()) return CompositionState::Input;
  const std::uint8_t v = states_[unit];
  return v <= static_cast<std::uint8_t>(CompositionState::FixedConverted) ? static_cast<CompositionState>(v)
                                                                           : CompositionState::InputError;
}

std::vector<CompositionCell> PaneComposition::Cells(const PaneLayout& layout, std::string_view paneText,
                                                    std::size_t caretPos, const ITextMeasurer& measurer,
                                                    const ImeColor* colors) const {
  std::vector<CompositionCell> cells;
  if (text_.empty()) return cells;
  caretPos = std::min(caretPos, paneText.size());
  int line = layout.LineFromPos(caretPos);
  int x = layout.InlineFromPos(paneText, caretPos);
  const int extent = std::max(1, layout.InlineExtent());
  const int pitch = layout.LinePitch();
  for (std::size_t i = 0; i < text_.size();) {
    const std::size_t n = enc::Utf16CharLen(text_, i);
    const int adv = MeasureUnit(std::u16string_view(text_).substr(i, n), measurer);
    if (x > 0 && x + adv > extent) {  // on in the next line, as the text would wrap
      ++line;
      x = 0;
    }
    const Point at = layout.FlowToClient(line, x);
    const ImeColor& c = colors[ColorEntryOf(StateAt(i))];
    CompositionCell cell;
    cell.index = i;
    cell.units = n;
    cell.box = layout.Vertical() ? Rect::FromSize(at.x, at.y, pitch, adv) : Rect::FromSize(at.x, at.y, adv, pitch);
    cell.text = c.text;
    cell.background = c.background;
    cell.underline = (c.effect & kUnderline) != 0;
    cells.push_back(cell);
    x += adv;
    i += n;
  }
  return cells;
}

Rect PaneComposition::CursorRect(const PaneLayout& layout, std::string_view paneText, std::size_t caretPos,
                                 const std::vector<CompositionCell>& cells) const {
  const bool vertical = layout.Vertical();
  const int thick = PaneLayout::kCaretWidth;
  // Before the cell the cursor stands at, or after the last one.
  for (const CompositionCell& c : cells) {
    if (c.index < cursor_) continue;
    return vertical ? Rect::FromSize(c.box.left, c.box.top, c.box.Width(), thick)
                    : Rect::FromSize(c.box.left, c.box.top, thick, c.box.Height());
  }
  if (cells.empty()) return layout.CaretRect(paneText, caretPos);
  const Rect& b = cells.back().box;
  return vertical ? Rect::FromSize(b.left, b.bottom, b.Width(), thick) : Rect::FromSize(b.right, b.top, thick, b.Height());
}

PaneComposition::CandidatePlace PaneComposition::CandidateWindow(const PaneLayout& layout,
                                                                 const std::vector<CompositionCell>& cells) const {
  CandidatePlace place;
  if (cells.empty()) return place;
  Rect all = cells.front().box;
  for (const CompositionCell& c : cells)
    all = Rect{std::min(all.left, c.box.left), std::min(all.top, c.box.top), std::max(all.right, c.box.right),
               std::max(all.bottom, c.box.bottom)};
  // The clause being converted, else the cursor's place, leads the window.
  const CompositionCell* lead = nullptr;
  for (const CompositionCell& c : cells) {
    const CompositionState s = StateAt(c.index);
    if (s == CompositionState::TargetConverted || s == CompositionState::TargetNotConverted) {
      lead = &c;
      break;
    }
  }
  if (!lead) {
    lead = &cells.back();
    for (const CompositionCell& c : cells)
      if (c.index >= cursor_) {
        lead = &c;
        break;
      }
  }
  place.exclude = all;
  // Vertical: left of the composed columns, level with the lead; horizontal:
  // below the composed lines, under the lead.
  place.at = layout.Vertical() ? Point{all.left, lead->box.top} : Point{lead->box.left, all.bottom};
  return place;
}

}  // namespace hanaroku
