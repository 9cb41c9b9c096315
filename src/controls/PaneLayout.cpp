#include "controls/PaneLayout.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "platform/Encoding.h"

namespace hanaroku {

namespace {

constexpr std::size_t kCodes = 0x10000;

// Inline pixels saturate here: far beyond any screen, and with room left for
// the margin, the caret and the scroll offsets added to it.
constexpr int kMaxInline = std::numeric_limits<int>::max() / 4;

int AddInline(int x, int adv) noexcept { return adv >= kMaxInline - x ? kMaxInline : x + adv; }

int ClampToInt(long long v) noexcept {
  return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Floor division for pixel to line mapping (points may lie left of or above
// the client area while dragging).
int FloorDiv(int a, int b) noexcept { return a >= 0 ? a / b : -((-a + b - 1) / b); }

unsigned CharCode(std::string_view text, std::size_t pos, std::size_t len) noexcept {
  const auto b0 = static_cast<unsigned char>(text[pos]);
  if (len < 2) return b0;
  return (static_cast<unsigned>(b0) << 8) | static_cast<unsigned char>(text[pos + 1]);
}

const FixedMeasurer& DefaultMeasurer() {
  static const FixedMeasurer m;
  return m;
}

}  // namespace

// ---- settings ---------------------------------------------------------------

void PaneLayout::SetMeasurer(const ITextMeasurer* m) noexcept {
  measurer_ = m;
  InvalidateMeasures();
}

void PaneLayout::InvalidateMeasures() noexcept {
  advances_.clear();
  tabStop_ = -1;
  dirty_ = true;
}

void PaneLayout::SetVertical(bool v) noexcept {
  if (vertical_ == v) return;
  vertical_ = v;
  InvalidateMeasures();  // the vertical face measures differently
}

void PaneLayout::SetWordWrap(bool w) noexcept {
  if (wordWrap_ == w) return;
  wordWrap_ = w;
  dirty_ = true;
}

void PaneLayout::SetClientSize(int width, int height) noexcept {
  const int oldExtent = InlineExtent();
  width_ = width;
  height_ = height;
  if (wordWrap_ && InlineExtent() != oldExtent) dirty_ = true;
}

void PaneLayout::SetMargin(int px) noexcept {
  px = std::max(0, px);
  if (margin_ == px) return;
  const int oldExtent = InlineExtent();
  margin_ = px;
  if (wordWrap_ && InlineExtent() != oldExtent) dirty_ = true;
}

const ITextMeasurer& PaneLayout::M() const noexcept { return measurer_ ? *measurer_ : DefaultMeasurer(); }

int PaneLayout::LinePitch() const noexcept { return std::clamp(M().LinePitch(), 1, kMaxInline); }

int PaneLayout::InlineExtent() const noexcept { return (vertical_ ? height_ : width_) - margin_; }

bool PaneLayout::Wrapping() const noexcept { return wordWrap_ && InlineExtent() > 0; }

// ---- measuring --------------------------------------------------------------

// Bytes of the character at pos: a lead byte takes the next byte unless that
// is a line break.
std::size_t PaneLayout::StepAt(std::string_view text, std::size_t pos) const noexcept {
  if (pos + 1 >= text.size() || !enc::IsLeadByte(static_cast<unsigned char>(text[pos]))) return 1;
  const char next = text[pos + 1];
  return (next == '\r' || next == '\n') ? 1 : 2;
}

int PaneLayout::Advance(std::string_view text, std::size_t pos, std::size_t len) const {
  if (advances_.empty()) advances_.assign(kCodes, -1);
  int& a = advances_[CharCode(text, pos, len)];
  if (a < 0) a = std::clamp(M().CharAdvance(text.substr(pos, len)), 0, kMaxInline);
  return a;
}

int PaneLayout::TabStop() const {
  if (tabStop_ < 0) {
    static constexpr char kFullSpace[] = "\x81\x40";  // U+3000 in code page 932
    const int cell = Advance(std::string_view(kFullSpace, 2), 0, 2);
    tabStop_ = std::min(kMaxInline / kTabCells, cell > 0 ? cell : LinePitch()) * kTabCells;
  }
  return tabStop_;
}

int PaneLayout::TabAdvance(int x) const {
  const int stop = TabStop();
  return stop - x % stop;
}

// ---- line layout ------------------------------------------------------------

// One display line from start, greedy: a character that would overflow the
// extent starts the next line unless it is the first of its line.
PaneLayout::LaidLine PaneLayout::LayLine(std::string_view text, std::size_t start) const {
  LaidLine l;
  l.start = start;
  const bool wrap = Wrapping();
  const int extent = InlineExtent();
  const std::size_t n = text.size();
  int x = 0;
  std::size_t p = start;
  while (p < n) {
    const char c = text[p];
    if (c == '\r') {
      l.brk = (p + 1 < n && text[p + 1] == '\n') ? 2 : 1;
      l.next = p + l.brk;
      l.width = x;
      return l;
    }
    if (c == '\n') {
      l.brk = 1;
      l.next = p + 1;
      l.width = x;
      return l;
    }
    const std::size_t len = StepAt(text, p);
    const int adv = (c == '\t') ? TabAdvance(x) : Advance(text, p, len);
    if (wrap && p > start && x + adv > extent) break;
    x = AddInline(x, adv);
    p += len;
  }
  l.next = p;
  l.width = x;
  return l;
}

void PaneLayout::Append(const LaidLine& l) {
  starts_.push_back(l.start);
  breaks_.push_back(l.brk);
  widths_.push_back(l.width);
}

void PaneLayout::Rebuild(std::string_view text) {
  starts_.clear();
  breaks_.clear();
  widths_.clear();
  textSize_ = text.size();
  std::size_t p = 0;
  for (;;) {
    const LaidLine l = LayLine(text, p);
    Append(l);
    if (l.brk == 0 && l.next >= text.size()) break;  // end of text
    p = l.next;
  }
  dirty_ = false;
  RecomputeLongest();
  ClampScroll();
}

void PaneLayout::Update(std::string_view text, std::size_t pos, std::size_t removed, std::size_t inserted) {
  const bool consistent = !starts_.empty() && pos <= textSize_ && removed <= textSize_ - pos &&
                          text.size() == textSize_ - removed + inserted && pos + inserted <= text.size();
  if (dirty_ || !consistent) {
    Rebuild(text);
    return;
  }
  // First display line to lay again. Its start must precede the edit so the
  // bytes before it, and so the breaks before it, are unchanged. A wrapped
  // line also needs its first character wholly before the edit, since that
  // character decided the wrap of the line before; a logical line start at
  // the edit may join a CR before it with an LF inserted.
  std::size_t i = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), pos) - starts_.begin()) - 1;
  while (i > 0) {
    const bool logicalStart = breaks_[i - 1] > 0;
    if (logicalStart ? starts_[i] < pos : starts_[i] + 2 <= pos) break;
    --i;
  }
  const auto delta = static_cast<std::ptrdiff_t>(inserted) - static_cast<std::ptrdiff_t>(removed);
  const std::size_t editEnd = pos + inserted;  // in the new text

  std::vector<LaidLine> fresh;
  std::size_t j = i;  // old line scanned for a matching start
  std::size_t p = starts_[i];
  std::size_t resume = starts_.size();  // old lines from here on stay
  for (;;) {
    const LaidLine l = LayLine(text, p);
    fresh.push_back(l);
    if (l.brk == 0 && l.next >= text.size()) break;  // end of text: replace all
    p = l.next;
    if (p >= editEnd) {
      // From here the new text equals the old text shifted by delta; an old
      // line starting at the same place lays out the same.
      const auto q = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(p) - delta);
      while (j < starts_.size() && starts_[j] < q) ++j;
      if (j < starts_.size() && starts_[j] == q) {
        resume = j;
        break;
      }
    }
  }

  bool longestLost = false;
  for (std::size_t k = i; k < resume; ++k) longestLost |= widths_[k] >= longest_;
  const auto first = static_cast<std::ptrdiff_t>(i);
  const auto last = static_cast<std::ptrdiff_t>(resume);
  starts_.erase(starts_.begin() + first, starts_.begin() + last);
  breaks_.erase(breaks_.begin() + first, breaks_.begin() + last);
  widths_.erase(widths_.begin() + first, widths_.begin() + last);
  std::vector<std::size_t> s;
  std::vector<std::uint8_t> b;
  std::vector<int> w;
  s.reserve(fresh.size());
  b.reserve(fresh.size());
  w.reserve(fresh.size());
  int widest = 0;
  for (const LaidLine& l : fresh) {
    s.push_back(l.start);
    b.push_back(l.brk);
    w.push_back(l.width);
    widest = std::max(widest, l.width);
  }
  starts_.insert(starts_.begin() + first, s.begin(), s.end());
  breaks_.insert(breaks_.begin() + first, b.begin(), b.end());
  widths_.insert(widths_.begin() + first, w.begin(), w.end());
  if (delta != 0) {
    for (std::size_t k = i + fresh.size(); k < starts_.size(); ++k)
      starts_[k] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(starts_[k]) + delta);
  }
  textSize_ = text.size();
  if (longestLost)
    RecomputeLongest();
  else
    longest_ = std::max(longest_, widest);
  ClampScroll();
}

void PaneLayout::RecomputeLongest() noexcept {
  longest_ = widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
}

// ---- display lines ----------------------------------------------------------

int PaneLayout::AllLines() const noexcept { return static_cast<int>(starts_.size()); }

int PaneLayout::Count() const noexcept {
  if (starts_.empty()) return 0;
  return AllLines() - (starts_.back() >= textSize_ ? 1 : 0);
}

std::size_t PaneLayout::LineStart(int line) const {
  if (line < 0) return 0;
  if (line >= AllLines()) return textSize_;
  return starts_[static_cast<std::size_t>(line)];
}

std::size_t PaneLayout::NextLineStart(int line) const {
  if (line < 0) line = 0;
  if (line + 1 >= AllLines()) return textSize_;
  return starts_[static_cast<std::size_t>(line) + 1];
}

std::size_t PaneLayout::LineEnd(int line) const {
  if (line >= AllLines()) return textSize_;
  line = std::max(line, 0);
  return NextLineStart(line) - breaks_[static_cast<std::size_t>(line)];
}

int PaneLayout::BreakLength(int line) const {
  if (line < 0 || line >= AllLines()) return 0;
  return breaks_[static_cast<std::size_t>(line)];
}

int PaneLayout::LineWidth(int line) const {
  if (line < 0 || line >= AllLines()) return 0;
  return widths_[static_cast<std::size_t>(line)];
}

int PaneLayout::LineFromPos(std::size_t pos) const {
  if (starts_.empty()) return 0;
  const auto it = std::upper_bound(starts_.begin(), starts_.end(), pos);
  return static_cast<int>(std::distance(starts_.begin(), it)) - 1;
}

// ---- geometry ---------------------------------------------------------------

std::vector<LayoutCell> PaneLayout::Cells(int line, std::string_view text) const {
  std::vector<LayoutCell> cells;
  if (line < 0 || line >= AllLines()) return cells;
  const std::size_t end = std::min(LineEnd(line), text.size());
  int x = 0;
  for (std::size_t p = LineStart(line); p < end;) {
    const std::size_t len = std::min(StepAt(text, p), end - p);
    const int adv = text[p] == '\t' ? TabAdvance(x) : Advance(text, p, len);
    cells.push_back(LayoutCell{p, len, x, adv});
    x = AddInline(x, adv);
    p += len;
  }
  return cells;
}

int PaneLayout::InlineFromPos(std::string_view text, std::size_t pos) const {
  const int line = LineFromPos(pos);
  if (line < 0 || line >= AllLines()) return 0;
  const std::size_t end = std::min({LineEnd(line), text.size(), pos});
  int x = 0;
  for (std::size_t p = LineStart(line); p < end;) {
    const std::size_t len = StepAt(text, p);
    if (p + len > pos) break;  // pos inside a character: its start
    x = AddInline(x, text[p] == '\t' ? TabAdvance(x) : Advance(text, p, len));
    p += len;
  }
  return x;
}

Point PaneLayout::FlowToClient(int line, int inlinePx) const noexcept {
  const long long pitch = LinePitch();
  const long long block = (static_cast<long long>(line) - topLine_) * pitch;
  const int along = ClampToInt(static_cast<long long>(margin_) + inlinePx - inlineScroll_);
  if (vertical_) return Point{ClampToInt(width_ - block - pitch), along};
  return Point{along, ClampToInt(block)};
}

int PaneLayout::LineAtClient(Point client) const noexcept {
  const int pitch = LinePitch();
  const int k = vertical_ ? FloorDiv(width_ - 1 - client.x, pitch) : FloorDiv(client.y, pitch);
  return topLine_ + k;
}

bool PaneLayout::InMargin(Point client) const noexcept {
  return (vertical_ ? client.y : client.x) < margin_;
}

std::size_t PaneLayout::HitTest(std::string_view text, Point client) const {
  if (starts_.empty()) return 0;
  const int line = std::clamp(LineAtClient(client), 0, AllLines() - 1);
  const int along = (vertical_ ? client.y : client.x) - margin_ + inlineScroll_;
  const std::size_t end = std::min(LineEnd(line), text.size());
  int x = 0;
  for (std::size_t p = LineStart(line); p < end;) {
    const std::size_t len = StepAt(text, p);
    const int adv = text[p] == '\t' ? TabAdvance(x) : Advance(text, p, len);
    if (along < AddInline(x, adv / 2 + adv % 2)) return p;  // nearer to this cell's leading edge
    x = AddInline(x, adv);
    p += len;
  }
  return std::min(LineEnd(line), text.size());
}

Rect PaneLayout::CaretRect(std::string_view text, std::size_t pos) const {
  pos = std::min(pos, text.size());
  const int line = LineFromPos(pos);
  const Point at = FlowToClient(line, InlineFromPos(text, pos));
  const int pitch = LinePitch();
  if (vertical_) return Rect{at.x, at.y, ClampToInt(static_cast<long long>(at.x) + pitch), ClampToInt(at.y + 0LL + kCaretWidth)};
  return Rect{at.x, at.y, ClampToInt(at.x + 0LL + kCaretWidth), ClampToInt(static_cast<long long>(at.y) + pitch)};
}

// ---- scrolling --------------------------------------------------------------

int PaneLayout::TopLine() const noexcept { return topLine_; }

void PaneLayout::SetTopLine(int line) noexcept {
  topLine_ = std::clamp(line, 0, std::max(0, AllLines() - 1));
}

int PaneLayout::InlineScroll() const noexcept { return inlineScroll_; }

void PaneLayout::SetInlineScroll(int px) noexcept { inlineScroll_ = std::clamp(px, 0, MaxInlineScroll()); }

int PaneLayout::MaxInlineScroll() const noexcept {
  return std::max(0, longest_ + kCaretWidth - std::max(0, InlineExtent()));
}

int PaneLayout::MaxTopLine() const noexcept { return std::max(0, AllLines() - std::max(1, VisibleLines())); }

// After the text changed: the last page is full where the text allows it.
void PaneLayout::ClampScroll() noexcept {
  topLine_ = std::clamp(topLine_, 0, MaxTopLine());
  SetInlineScroll(inlineScroll_);
}

int PaneLayout::VisibleLines() const noexcept { return std::max(0, (vertical_ ? width_ : height_) / LinePitch()); }

int PaneLayout::LongestLine() const noexcept { return longest_; }

void PaneLayout::ScrollIntoView(std::string_view text, std::size_t pos) {
  pos = std::min(pos, text.size());
  const int line = LineFromPos(pos);
  const int visible = std::max(1, VisibleLines());
  if (line < topLine_)
    SetTopLine(line);
  else if (line >= topLine_ + visible)
    SetTopLine(line - visible + 1);
  const int at = InlineFromPos(text, pos);
  const int extent = std::max(0, InlineExtent());
  if (at < inlineScroll_)
    SetInlineScroll(at);
  else if (at + kCaretWidth > inlineScroll_ + extent)
    SetInlineScroll(at + kCaretWidth - extent);
}

}  // namespace hanaroku
