#include "controls/PaneLayout.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "controls/LineBreaking.h"
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

// Bytes of the line break at pos: 2 for CR LF, 1 for a lone CR or LF, else 0.
std::uint8_t BreakBytes(std::string_view text, std::size_t pos) noexcept {
  const char c = text[pos];
  if (c == '\n') return 1;
  if (c != '\r') return 0;
  return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
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

int PaneLayout::CellAdvance(std::string_view text, std::size_t pos, std::size_t len, int x) const {
  return text[pos] == '\t' ? TabAdvance(x) : Advance(text, pos, len);
}

int PaneLayout::TabAdvance(int x) const {
  const int stop = TabStop();
  return stop - x % stop;
}

// ---- line layout ------------------------------------------------------------

// One display line from start. Without wrapping it runs to the line break.
// With wrapping, a character that would overflow the extent starts the next
// line unless it is the first of its line, and the line-breaking rules move
// that break: back to the last allowed break, or past a hanging "、" / "。".
PaneLayout::LaidLine PaneLayout::LayLine(std::string_view text, std::size_t start, Mark from,
                                         std::vector<Mark>& marks) const {
  LaidLine l;
  l.start = start;
  const bool wrap = Wrapping();
  const int extent = InlineExtent();
  const std::size_t n = text.size();
  int x = from.x;
  std::size_t p = from.pos;
  std::size_t nextMark = p + kMarkBytes;
  const std::size_t firstMark = marks.size();
  auto tabFlag = [&]() -> bool& { return marks.size() > firstMark ? marks.back().tab : l.leadTab; };
  // The last place inside the line before which a break is allowed.
  struct BreakPoint {
    std::size_t pos = 0, marks = 0;
    int x = 0;
    bool tab = false;
  } allowed;
  linebreak::Flags before = 0;
  while (p < n) {
    const char c = text[p];
    if (const std::uint8_t brk = BreakBytes(text, p)) {
      l.brk = brk;
      l.next = l.reach = p + brk;
      l.width = x;
      return l;
    }
    const std::size_t len = StepAt(text, p);
    const int adv = CellAdvance(text, p, len, x);
    if (wrap) {
      const linebreak::Flags cls = linebreak::ClassOf(text, p, len);
      if (p > start) {
        const bool breakHere = linebreak::BreakAllowed(before, cls);
        if (x + adv > extent) {
          l.reach = p + len;
          if (cls & linebreak::kHang) {
            // Hangs past the extent when what follows may begin a line.
            const std::size_t q = p + len;
            const bool lineEnds = q >= n || text[q] == '\r' || text[q] == '\n';
            const std::size_t qLen = lineEnds ? 0 : StepAt(text, q);
            l.reach = q + qLen;  // whether it hangs depends on the character after it
            if (lineEnds || linebreak::BreakAllowed(cls, linebreak::ClassOf(text, q, qLen))) {
              l.width = x;  // the hanging character takes no width of the line
              l.brk = q < n ? BreakBytes(text, q) : 0;  // a line break after it still ends this line
              l.next = q + l.brk;
              l.reach = std::max(l.reach, l.next);
              return l;
            }
          }
          if (!breakHere && allowed.pos > start) {
            p = allowed.pos;
            x = allowed.x;
            marks.resize(allowed.marks);
            tabFlag() = allowed.tab;
          }
          break;
        }
        if (breakHere) allowed = BreakPoint{p, marks.size(), x, tabFlag()};
      }
      before = cls;
    }
    if (p >= nextMark) {
      marks.push_back(Mark{p, x});
      nextMark = p + kMarkBytes;
    }
    if (c == '\t') tabFlag() = true;
    x = AddInline(x, adv);
    p += len;
  }
  l.next = p;
  l.reach = std::max(l.reach, p);
  l.width = x;
  return l;
}

void PaneLayout::Append(const LaidLine& l) {
  starts_.push_back(l.start);
  breaks_.push_back(l.brk);
  widths_.push_back(l.width);
  reaches_.push_back(l.reach - l.start);
}

void PaneLayout::Rebuild(std::string_view text) {
  ++generation_;
  starts_.clear();
  breaks_.clear();
  widths_.clear();
  reaches_.clear();
  marks_.clear();
  textSize_ = text.size();
  std::size_t p = 0;
  for (;;) {
    const LaidLine l = LayLine(text, p, Mark{p, 0}, marks_);
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
  ++generation_;
  if (ShiftWithinLine(text, pos, removed, inserted)) {
    textSize_ = text.size();
    ClampScroll();
    return;
  }
  // First display line to lay again. Its start must precede the edit so the
  // bytes before it, and so the breaks before it, are unchanged. A wrapped
  // line also needs its first character wholly before the edit, since that
  // character decided the wrap of the line before; a logical line start at
  // the edit may join a CR before it with an LF inserted.
  std::size_t i = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), pos) - starts_.begin()) - 1;
  while (i > 0) {
    // The break before line i stands when the bytes that decided it lie
    // wholly before the edit.
    const bool logicalStart = breaks_[i - 1] > 0;
    const std::size_t decided = std::max(starts_[i - 1] + reaches_[i - 1], starts_[i] + 2);
    if (logicalStart ? starts_[i] < pos : decided <= pos) break;
    --i;
  }
  const auto delta = static_cast<std::ptrdiff_t>(inserted) - static_cast<std::ptrdiff_t>(removed);
  const std::size_t editEnd = pos + inserted;  // in the new text

  // Without wrapping, a long line is laid again from its last mark before
  // the edit: the bytes and so the offsets up to there are unchanged.
  Mark from{starts_[i], 0};
  if (!Wrapping() && pos > 0) from = MarkBeforePos(static_cast<int>(i), pos - 1);
  const auto keptMarks = std::upper_bound(marks_.begin(), marks_.end(), from.pos,
                                          [](std::size_t v, const Mark& m) { return v < m.pos; });
  std::vector<Mark> freshMarks;
  std::vector<LaidLine> fresh;
  std::size_t j = i;  // old line scanned for a matching start
  std::size_t p = starts_[i];
  std::size_t resume = starts_.size();  // old lines from here on stay
  for (;;) {
    const LaidLine l = LayLine(text, p, fresh.empty() ? from : Mark{p, 0}, freshMarks);
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

  // Marks of the lines laid again give way to the fresh ones; later ones move.
  {
    const std::size_t oldEnd = resume < starts_.size() ? starts_[resume] : textSize_ + 1;
    const auto last =
        std::lower_bound(keptMarks, marks_.end(), oldEnd, [](const Mark& m, std::size_t v) { return m.pos < v; });
    for (auto it = last; it != marks_.end(); ++it)
      it->pos = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(it->pos) + delta);
    const auto at = marks_.insert(marks_.erase(keptMarks, last), freshMarks.begin(), freshMarks.end());
    if (from.pos > starts_[i]) std::prev(at)->tab = fresh.front().leadTab;  // the mark laid from
  }

  bool longestLost = false;
  for (std::size_t k = i; k < resume; ++k) longestLost |= widths_[k] >= longest_;
  const auto first = static_cast<std::ptrdiff_t>(i);
  const auto last = static_cast<std::ptrdiff_t>(resume);
  starts_.erase(starts_.begin() + first, starts_.begin() + last);
  breaks_.erase(breaks_.begin() + first, breaks_.begin() + last);
  widths_.erase(widths_.begin() + first, widths_.begin() + last);
  reaches_.erase(reaches_.begin() + first, reaches_.begin() + last);
  std::vector<std::size_t> s, r;
  std::vector<std::uint8_t> b;
  std::vector<int> w;
  s.reserve(fresh.size());
  r.reserve(fresh.size());
  b.reserve(fresh.size());
  w.reserve(fresh.size());
  int widest = 0;
  for (const LaidLine& l : fresh) {
    s.push_back(l.start);
    r.push_back(l.reach - l.start);
    b.push_back(l.brk);
    w.push_back(l.width);
    widest = std::max(widest, l.width);
  }
  starts_.insert(starts_.begin() + first, s.begin(), s.end());
  reaches_.insert(reaches_.begin() + first, r.begin(), r.end());
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

bool PaneLayout::ShiftWithinLine(std::string_view text, std::size_t pos, std::size_t removed, std::size_t inserted) {
  if (Wrapping() || pos == 0) return false;
  const int line = LineFromPos(pos);
  const auto li = static_cast<std::size_t>(line);
  // The edit and the byte after it lie inside the line, away from its
  // break, and bring no break of their own.
  const std::size_t oldEnd = NextLineStart(line) - breaks_[li];
  if (pos <= starts_[li] || pos + removed + 1 > oldEnd) return false;
  const std::size_t editEnd = pos + inserted;
  if (std::any_of(text.begin() + static_cast<std::ptrdiff_t>(pos), text.begin() + static_cast<std::ptrdiff_t>(editEnd),
                  [](char c) { return c == '\r' || c == '\n'; }))
    return false;
  const auto byPos = [](const Mark& m, std::size_t v) { return m.pos < v; };
  const auto lineMarksEnd = std::lower_bound(marks_.begin(), marks_.end(), oldEnd + 1, byPos);
  auto candidate = std::lower_bound(marks_.begin(), lineMarksEnd, pos + removed + 1, byPos);
  if (candidate == lineMarksEnd || widths_[li] >= kMaxInline / 2) return false;

  const auto delta = static_cast<std::ptrdiff_t>(inserted) - static_cast<std::ptrdiff_t>(removed);
  const Mark from = MarkBeforePos(line, pos - 1);
  std::vector<Mark> fresh;
  bool leadTab = false;
  std::size_t p = from.pos, nextMark = from.pos + kMarkBytes;
  int x = from.x;
  for (; candidate != lineMarksEnd; ++candidate) {
    const auto q = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(candidate->pos) + delta);
    while (p < q) {
      const std::size_t len = StepAt(text, p);
      const int adv = CellAdvance(text, p, len, x);
      if (p >= nextMark) {
        fresh.push_back(Mark{p, x});
        nextMark = p + kMarkBytes;
      }
      if (text[p] == '\t') (fresh.empty() ? leadTab : fresh.back().tab) = true;
      x = AddInline(x, adv);
      p += len;
    }
    if (p != q || x >= kMaxInline / 2) continue;  // not in step with the old characters here
    // From this old mark on, the cells follow by dx when tabs keep their
    // stops: dx is a whole number of stops, or no tab comes later.
    const int dx = x - candidate->x;
    const bool tabLater = std::any_of(candidate, lineMarksEnd, [](const Mark& m) { return m.tab; });
    if (dx % TabStop() != 0 && tabLater) continue;

    const bool wasLongest = widths_[li] >= longest_;
    widths_[li] += dx;
    reaches_[li] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(reaches_[li]) + delta);
    for (auto it = candidate; it != marks_.end(); ++it) {
      it->pos = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(it->pos) + delta);
      if (it < lineMarksEnd) it->x += dx;
    }
    const auto kept = std::upper_bound(marks_.begin(), marks_.end(), from.pos,
                                       [](std::size_t v, const Mark& m) { return v < m.pos; });
    if (from.pos > starts_[li]) std::prev(kept)->tab = leadTab;
    marks_.insert(marks_.erase(kept, candidate), fresh.begin(), fresh.end());
    for (std::size_t k = li + 1; k < starts_.size(); ++k)
      starts_[k] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(starts_[k]) + delta);
    if (wasLongest && dx < 0)
      RecomputeLongest();
    else
      longest_ = std::max(longest_, widths_[li]);
    return true;
  }
  return false;
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

PaneLayout::Mark PaneLayout::MarkBeforePos(int line, std::size_t pos) const {
  const std::size_t start = LineStart(line);
  auto it = std::upper_bound(marks_.begin(), marks_.end(), pos, [](std::size_t v, const Mark& m) { return v < m.pos; });
  if (it == marks_.begin() || std::prev(it)->pos <= start) return Mark{start, 0};
  return *std::prev(it);
}

PaneLayout::Mark PaneLayout::MarkBeforeInline(int line, int px) const {
  const std::size_t start = LineStart(line), next = NextLineStart(line);
  const auto byPos = [](const Mark& m, std::size_t v) { return m.pos < v; };
  const auto lo = std::lower_bound(marks_.begin(), marks_.end(), start + 1, byPos);
  const auto hi = std::lower_bound(lo, marks_.end(), next, byPos);
  const auto it = std::upper_bound(lo, hi, px, [](int v, const Mark& m) { return v < m.x; });
  return it == lo ? Mark{start, 0} : *std::prev(it);
}

template <class Visit>
void PaneLayout::WalkCells(std::string_view text, int line, Mark from, Visit&& visit) const {
  const std::size_t end = std::min(LineEnd(line), text.size());
  int x = from.x;
  for (std::size_t p = from.pos; p < end;) {
    const std::size_t len = std::min(StepAt(text, p), end - p);
    const int adv = CellAdvance(text, p, len, x);
    if (!visit(LayoutCell{p, len, x, adv})) return;
    x = AddInline(x, adv);
    p += len;
  }
}

std::vector<LayoutCell> PaneLayout::Cells(int line, std::string_view text) const {
  return Cells(line, text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

std::vector<LayoutCell> PaneLayout::Cells(int line, std::string_view text, int fromPx, int toPx) const {
  std::vector<LayoutCell> cells;
  if (line < 0 || line >= AllLines()) return cells;
  WalkCells(text, line, MarkBeforeInline(line, fromPx), [&](const LayoutCell& c) {
    if (c.inlineOffset >= toPx) return false;
    if (AddInline(c.inlineOffset, c.advance) > fromPx || c.inlineOffset >= fromPx) cells.push_back(c);
    return true;
  });
  return cells;
}

std::size_t PaneLayout::PosAtInline(std::string_view text, int line, int goal) const {
  if (line < 0 || line >= AllLines()) return std::min(textSize_, text.size());
  std::size_t last = LineStart(line), hit = std::string_view::npos;
  bool any = false;
  WalkCells(text, line, MarkBeforeInline(line, goal), [&](const LayoutCell& c) {
    if (goal < c.inlineOffset + c.advance / 2) {
      hit = c.pos;
      return false;
    }
    last = c.pos;
    any = true;
    return true;
  });
  if (hit != std::string_view::npos) return hit;
  const std::size_t end = std::min(LineEnd(line), text.size());
  // A wrapped line has no end of its own: its end is the next line's start.
  if (any && end == NextLineStart(line) && line + 1 < AllLines()) return last;
  return end;
}

int PaneLayout::InlineFromPos(std::string_view text, std::size_t pos) const {
  const int line = LineFromPos(pos);
  if (line < 0 || line >= AllLines()) return 0;
  const Mark from = MarkBeforePos(line, pos);
  int x = from.x;
  WalkCells(text, line, from, [&](const LayoutCell& c) {
    if (c.pos + c.len > pos) return false;  // pos inside a character: its start
    x = AddInline(c.inlineOffset, c.advance);
    return true;
  });
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
  const int along = ClampToInt(static_cast<long long>(vertical_ ? client.y : client.x) - margin_ + inlineScroll_);
  std::size_t hit = std::min(LineEnd(line), text.size());
  WalkCells(text, line, MarkBeforeInline(line, along), [&](const LayoutCell& c) {
    // Nearer to this cell's leading edge than to its trailing one.
    if (along >= AddInline(c.inlineOffset, c.advance / 2 + c.advance % 2)) return true;
    hit = c.pos;
    return false;
  });
  return hit;
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
