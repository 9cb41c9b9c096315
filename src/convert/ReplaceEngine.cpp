// One-pass replace-all over Shift-JIS text.
//
// Why one pass gives the result of the loop that rereads the text after every
// replacement. Let T be the text of a pass, L the length of the search text,
// p its first whole-character occurrence in T, and T' = T[0,p) + r + T[p+L,)
// the text after the replacement.
//
// (1) Whether a position i is a character boundary depends only on the bytes
//     T[0..i] (byte i itself counts only through the CR/LF rule) and on i
//     being inside the text. For i < p the two texts agree on those bytes and
//     i lies inside both, so every position before p is a boundary of T' iff
//     it is one of T. (Position p itself may change: a stray lead byte before
//     a CR at p pairs with the first byte of r.)
// (2) T' has no occurrence starting at q <= p - L. Its bytes [q, q+L) lie in
//     the common prefix; q is a boundary of both texts by (1); its end q+L is
//     a boundary of T, by (1) when q+L < p, and because an occurrence starts
//     there when q+L = p. So it would be an occurrence of T before p, which
//     contradicts p being the first.
// (3) Hence the first occurrence of T' is the first one at or after any
//     boundary t <= max(0, p - L + 1). Choosing t < p (or t = 0), t is a
//     boundary of T' by (1), and every boundary we learned before p stays
//     valid, so the scan resumes at t without rereading anything before it.
// A pass that finds nothing ends both loops; the replacements are chosen
// once per pass in both, the last one included, so both draw equally often.
// This is about replacements that do not hold the search text, the only ones
// with which the loop can end. One that holds it would keep the loop going
// for ever; here the text it inserts is simply never searched again.
//
// The current text lives in one buffer with a gap: buf[0, w) + buf[j, end).
// Before each replacement the gap moves to the resume point t (the few bytes
// between the old and the new gap position cross it), so everything from t on
// lies contiguous at j and the scan goes on there. A replacement as long as
// the search text is written in place; a shorter one widens the gap, a longer
// one narrows it (the buffer grows, with room to spare, when the gap is too
// narrow). Each pass therefore costs the distance it advances plus a few
// bytes, and a run whose replacements keep the length never moves the text.
#include "convert/ReplaceEngine.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

constexpr std::size_t npos = std::string_view::npos;

inline bool Lead(unsigned char b) noexcept { return enc::IsLeadByte(b); }
inline bool Break(unsigned char b) noexcept { return b == '\r' || b == '\n'; }

// Short runs compare inline; a call to memcmp costs more than two bytes.
inline bool SameBytes(const unsigned char* a, const unsigned char* b, std::size_t n) noexcept {
  if (n > 8) return std::memcmp(a, b, n) == 0;
  for (std::size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// Boundaries learned during the run, as positions of the current text; only
// the newest are kept. Positions before a replacement stay valid after it.
class BoundaryRing {
 public:
  void Push(std::size_t pos) noexcept {
    ring_[top_ % ring_.size()] = pos;
    ++top_;
    if (size_ < ring_.size()) ++size_;
  }
  // The newest boundary <= x, dropping newer ones; 0 when none is left.
  std::size_t FloorOf(std::size_t x) noexcept {
    while (size_ > 0) {
      const std::size_t v = ring_[(top_ - 1) % ring_.size()];
      if (v <= x) return v;
      --top_;
      --size_;
    }
    return 0;
  }

 private:
  std::array<std::size_t, 64> ring_{};
  std::size_t top_ = 0, size_ = 0;
};

// Replaced spans as they stand in the current text, merged when a new match
// overlaps text inserted before.
class SpanRecorder {
 public:
  void Record(std::size_t qT, std::size_t len, std::size_t rLen) {
    if (spans_.empty() || spans_.back().tStart + spans_.back().tLen <= qT) {
      // Clear of the earlier spans (always so when nothing cascades).
      spans_.push_back({qT, rLen, static_cast<std::size_t>(static_cast<std::ptrdiff_t>(qT) - shift_), len});
      shift_ += static_cast<std::ptrdiff_t>(rLen) - static_cast<std::ptrdiff_t>(len);
      return;
    }
    std::size_t start = qT, stop = qT + len;
    std::ptrdiff_t before = shift_;  // shift of the spans left untouched
    bool startCovered = false, endCovered = false, newest = true;
    std::size_t oStart = 0, oEnd = 0;
    // Affected spans: the newest ones that reach past qT. Older spans end at
    // or before qT, and none starts at or after qT + len (a match never starts
    // len or more bytes before the previous one).
    while (!spans_.empty() && spans_.back().tStart + spans_.back().tLen > qT) {
      const Span e = spans_.back();
      spans_.pop_back();
      before -= static_cast<std::ptrdiff_t>(e.tLen) - static_cast<std::ptrdiff_t>(e.oLen);
      if (newest && e.tStart + e.tLen >= stop) {
        stop = e.tStart + e.tLen;
        oEnd = e.oStart + e.oLen;
        endCovered = true;
      }
      newest = false;
      if (e.tStart <= start) {
        start = e.tStart;
        oStart = e.oStart;
        startCovered = true;
      }
    }
    // Ends that lie in unchanged text map back by the shift before them.
    if (!endCovered) oEnd = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(stop) - shift_);
    if (!startCovered) oStart = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(start) - before);
    Span n;
    n.tStart = start;
    n.tLen = stop - start - len + rLen;
    n.oStart = oStart;
    n.oLen = oEnd - oStart;
    shift_ = before + static_cast<std::ptrdiff_t>(n.tLen) - static_cast<std::ptrdiff_t>(n.oLen);
    spans_.push_back(n);
  }

  std::vector<ReplacedSpan> Take() const {
    std::vector<ReplacedSpan> out;
    out.reserve(spans_.size());
    for (const Span& s : spans_) out.push_back({s.oStart, s.oLen, s.tLen});
    return out;
  }

 private:
  struct Span {
    std::size_t tStart = 0, tLen = 0, oStart = 0, oLen = 0;
  };
  std::vector<Span> spans_;
  std::ptrdiff_t shift_ = 0;  // length of the current text minus the original
};

// The current text as buf[0, w) + buf[j, end), with a gap in between.
class GapText {
 public:
  explicit GapText(std::string_view text) : buf_(text) {}

  std::size_t Size() const noexcept { return buf_.size() - (j_ - w_); }
  std::size_t BufferSize() const noexcept { return buf_.size(); }
  const unsigned char* Data() const noexcept { return reinterpret_cast<const unsigned char*>(buf_.data()); }
  // Buffer index of text position w (everything from there on is contiguous).
  std::size_t GapEnd() const noexcept { return j_; }
  // Text position of buffer index b >= GapEnd().
  std::size_t ToText(std::size_t b) const noexcept { return w_ + (b - j_); }
  unsigned char At(std::size_t pos) const noexcept {
    return static_cast<unsigned char>(pos < w_ ? buf_[pos] : buf_[j_ + (pos - w_)]);
  }

  // Moves the gap to text position t: the bytes between cross it.
  void MoveGapTo(std::size_t t) noexcept {
    char* b = buf_.data();
    if (t >= w_) {
      const std::size_t n = t - w_;
      if (j_ != w_) std::memmove(b + w_, b + j_, n);
      j_ += n;
    } else {
      const std::size_t n = w_ - t;
      if (j_ != w_) std::memmove(b + j_ - n, b + t, n);
      j_ -= n;
    }
    w_ = t;
  }

  // Replaces buffer bytes [q, q + len) (q >= GapEnd()) by r; the bytes
  // [GapEnd(), q) stay directly in front of it.
  void Replace(std::size_t q, std::size_t len, std::string_view r) {
    if (r.size() == len) {
      char* b = buf_.data() + q;
      for (std::size_t i = 0; i < len; ++i) b[i] = r[i];
      return;
    }
    const std::size_t before = q - j_;
    if (r.size() > len && r.size() - len > j_ - w_) Widen(r.size() - len);
    const std::size_t nj = j_ + len - r.size();  // wraps harmlessly: nj >= w
    char* b = buf_.data();
    std::memmove(b + nj, b + j_, before);
    std::memcpy(b + nj + before, r.data(), r.size());
    j_ = nj;
  }

  // The text, without the gap.
  std::string Take() {
    if (j_ != w_) {
      std::memmove(buf_.data() + w_, buf_.data() + j_, buf_.size() - j_);
      buf_.resize(buf_.size() - (j_ - w_));
      j_ = w_;
    }
    return std::move(buf_);
  }

 private:
  // Reallocates with a gap of at least `need` bytes, twice the last one.
  void Widen(std::size_t need) {
    room_ = std::max(2 * room_, need + 4096);
    std::string grown;
    grown.reserve(w_ + room_ + (buf_.size() - j_));
    grown.append(buf_, 0, w_);
    grown.append(room_, '\0');
    grown.append(buf_, j_, npos);
    j_ = w_ + room_;
    buf_.swap(grown);
  }

  std::string buf_;
  std::size_t w_ = 0, j_ = 0, room_ = 0;
};

// A character boundary t of the current text to resume the scan at after a
// replacement at qT: t < qT (or t = 0) and t <= qT - len + 1.
std::size_t ResumePoint(const GapText& cur, BoundaryRing& known, std::size_t qT, std::size_t len) noexcept {
  std::size_t x = qT >= len ? qT - len + 1 : 0;
  if (x == qT && x > 0) x = qT - 1;
  const std::size_t floor = known.FloorOf(x);
  if (x == 0) return 0;
  std::size_t i = x;
  while (i > floor && Lead(cur.At(i - 1))) --i;
  return ((x - i) % 2 == 0 || Break(cur.At(x))) ? x : x - 1;
}

// Whether a replacement holds the search text itself (remembered for the
// last replacement seen).
class SelfMatchCheck {
 public:
  explicit SelfMatchCheck(std::string_view search) noexcept : search_(search) {}
  bool Holds(std::string_view r) noexcept {
    if (r.data() != last_.data() || r.size() != last_.size()) {
      last_ = r;
      // As long as the search text, r holds it only by being it.
      holds_ = r.size() > search_.size()    ? FindWholeChars(r, search_) != npos
               : r.size() == search_.size() ? r == search_
                                            : false;
    }
    return holds_;
  }

 private:
  std::string_view search_, last_;
  bool holds_ = false;
};

}  // namespace

WholeCharFinder::WholeCharFinder(std::string_view what) noexcept
    : s_(reinterpret_cast<const unsigned char*>(what.data())), len_(what.size()) {
  // Anchor the byte scan on a byte that is rarely everywhere: a trail or
  // single byte rather than a lead byte that every kana shares.
  anchor_ = len_ == 0 ? 0 : len_ - 1;
  for (std::size_t i = 0; i < len_; ++i) {
    if (!Lead(s_[i])) {
      anchor_ = i;
      break;
    }
  }
  // Does the search text end on a character boundary whatever follows it?
  // Only a final lead byte that stands alone inside the search text can
  // take the next byte of the text as its trail.
  std::size_t i = 0, last = 0;
  while (i < len_) {
    last = i;
    i += WholeCharLen(what, i);
  }
  endsWhole_ = !(len_ > 0 && last == len_ - 1 && Lead(s_[last]));
}

std::size_t WholeCharFinder::Find(const unsigned char* buf, std::size_t pos, std::size_t stop, std::size_t end,
                                  std::size_t& kb) const noexcept {
  if (len_ == 0) return npos;
  while (pos <= stop && stop - pos >= len_) {
    const void* h = std::memchr(buf + pos + anchor_, s_[anchor_], stop - len_ - pos + 1);
    if (h == nullptr) return npos;
    const std::size_t q = static_cast<std::size_t>(static_cast<const unsigned char*>(h) - buf) - anchor_;
    pos = q + 1;
    if (!SameBytes(buf + q, s_, len_)) continue;
    // Boundary test: back over the run of possible lead bytes before q
    // (stopping at kb); from the run's start the bytes pair up.
    std::size_t i = q;
    while (i > kb && Lead(buf[i - 1])) --i;
    if ((q - i) % 2 == 0 || Break(buf[q])) {
      kb = q;
      if (endsWhole_ || q + len_ == end || Break(buf[q + len_])) return q;
    } else {
      kb = q + 1;  // q is a trail byte: its character ends at q + 1
    }
  }
  return npos;
}

std::vector<std::size_t> FindAllWholeChars(std::string_view text, std::string_view what) {
  std::vector<std::size_t> hits;
  const WholeCharFinder finder(what);
  std::size_t kb = 0;
  for (std::size_t q = finder.Find(text, 0, text.size(), kb); q != npos;) {
    hits.push_back(q);
    kb = q + finder.Length();  // a hit ends on a boundary
    q = finder.Find(text, kb, text.size(), kb);
  }
  return hits;
}

std::size_t WholeCharLen(std::string_view s, std::size_t pos) noexcept {
  return (Lead(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() &&
          !Break(static_cast<unsigned char>(s[pos + 1])))
             ? 2
             : 1;
}

std::size_t FindWholeChars(std::string_view text, std::string_view what, std::size_t from) noexcept {
  if (what.empty() || from >= text.size()) return npos;
  const auto* buf = reinterpret_cast<const unsigned char*>(text.data());
  // A boundary at or before `from`.
  std::size_t i = from;
  while (i > 0 && Lead(buf[i - 1])) --i;
  std::size_t kb = ((from - i) % 2 == 0 || Break(buf[from])) ? from : from - 1;
  return WholeCharFinder(what).Find(text, from, text.size(), kb);
}

ReplaceAllResult ReplaceAllWholeChars(std::string_view text, std::string_view search,
                                      IReplacementSource& source, std::size_t maxLength, bool recordSpans) {
  ReplaceAllResult res;
  const WholeCharFinder finder(search);
  const std::size_t len = finder.Length();
  std::string_view r = source.Next();
  std::size_t kb = 0;
  std::size_t q = finder.Find(text, 0, text.size(), kb);
  if (q == npos) return res;  // nothing copied, nothing changed

  GapText cur(text);
  BoundaryRing known;
  known.Push(0);
  SpanRecorder spans;
  SelfMatchCheck selfMatch(search);
  std::size_t barrier = 0;
  for (;;) {
    const std::size_t qT = cur.ToText(q);
    if (cur.Size() - len + r.size() > maxLength) throw std::length_error("replace-all: text too long");
    if (recordSpans) spans.Record(qT, len, r.size());
    ++res.count;
    res.caret = qT + r.size();

    const std::size_t t = ResumePoint(cur, known, qT, len);
    known.Push(t);
    cur.MoveGapTo(t);
    cur.Replace(q, len, r);
    kb = cur.GapEnd();
    // Text inserted by a replacement that holds the search text is never
    // searched again: the scan stays at or after its end from now on.
    if (selfMatch.Holds(r)) barrier = qT + r.size();
    const std::size_t pos = kb + (barrier > t ? barrier - t : 0);

    r = source.Next();
    q = finder.Find(cur.Data(), pos, cur.BufferSize(), cur.BufferSize(), kb);
    if (q == npos) break;
  }
  res.text = cur.Take();
  res.spans = spans.Take();
  return res;
}

}  // namespace hanaroku
