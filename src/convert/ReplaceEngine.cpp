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
//
// The current text is kept as out + in[j, end): `out` holds the part before
// the scan position, `in` the rest of the original text with free room in
// front of j. A replacement moves the few bytes from t up to the match back
// into that room, followed by r, so the scan continues in one contiguous
// buffer. Each pass therefore costs the distance it advances plus a few bytes.
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

// A search text prepared for the scan.
class Searcher {
 public:
  explicit Searcher(std::string_view what) noexcept
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

  std::size_t Length() const noexcept { return len_; }

  // First whole-character occurrence in buf[pos, end) (end is the end of the
  // text). kb is a boundary <= pos; nothing before kb is read. On return kb is
  // the last boundary learned (<= the position found).
  std::size_t Find(const unsigned char* buf, std::size_t pos, std::size_t end, std::size_t& kb) const noexcept {
    if (len_ == 0) return npos;
    while (pos <= end && end - pos >= len_) {
      const void* h = std::memchr(buf + pos + anchor_, s_[anchor_], end - len_ - pos + 1);
      if (h == nullptr) return npos;
      const std::size_t q = static_cast<std::size_t>(static_cast<const unsigned char*>(h) - buf) - anchor_;
      pos = q + 1;
      if (std::memcmp(buf + q, s_, len_) != 0) continue;
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

 private:
  const unsigned char* s_;
  std::size_t len_;
  std::size_t anchor_ = 0;
  bool endsWhole_ = true;
};

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

}  // namespace

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
  return Searcher(what).Find(buf, from, text.size(), kb);
}

ReplaceAllResult ReplaceAllWholeChars(std::string_view text, std::string_view search,
                                      IReplacementSource& source, std::size_t maxLength) {
  ReplaceAllResult res;
  const Searcher finder(search);
  const std::size_t len = finder.Length();
  std::string_view r = source.Next();
  std::size_t kb = 0;
  std::size_t first = finder.Find(reinterpret_cast<const unsigned char*>(text.data()), 0, text.size(), kb);
  if (first == npos) return res;  // nothing copied, nothing changed

  // in = room + the original text; the current text is out + in[j, end).
  std::size_t room = std::max<std::size_t>(4096, 4 * len);
  std::string in(room + text.size(), '\0');
  std::memcpy(in.data() + room, text.data(), text.size());
  std::string out;
  out.reserve(text.size() + text.size() / 8 + 64);
  std::size_t j = room;
  std::size_t q = first + room;
  std::size_t curLen = text.size();
  BoundaryRing known;
  known.Push(0);
  SpanRecorder spans;
  std::string_view lastR;
  bool lastRescan = true;

  for (;;) {
    const std::size_t end = in.size();
    const std::size_t qT = out.size() + (q - j);
    if (curLen - len + r.size() > maxLength) throw std::length_error("replace-all: text too long");
    curLen = curLen - len + r.size();
    if (r.data() != lastR.data() || r.size() != lastR.size()) {
      lastR = r;
      lastRescan = r.size() < len || FindWholeChars(r, search) == npos;
    }
    const bool rescanInserted = lastRescan;
    spans.Record(qT, len, r.size());
    ++res.count;
    res.caret = qT + r.size();

    // Resume at a boundary t < qT, t <= qT - len + 1 (or 0).
    std::size_t x = qT >= len ? qT - len + 1 : 0;
    if (x == qT && x > 0) x = qT - 1;
    std::size_t t = 0;
    if (x > 0) {
      const std::size_t floor = known.FloorOf(x);
      auto byteAt = [&](std::size_t p) -> unsigned char {
        return static_cast<unsigned char>(p < out.size() ? out[p] : in[j + (p - out.size())]);
      };
      std::size_t i = x;
      while (i > floor && Lead(byteAt(i - 1))) --i;
      t = ((x - i) % 2 == 0 || Break(byteAt(x))) ? x : x - 1;
    } else {
      known.FloorOf(0);
    }

    // Commit the bytes before t, then rebuild [t, qT) + r in front of the
    // rest of the text.
    if (t > out.size()) {
      const std::size_t n = t - out.size();
      out.append(in, j, n);
      j += n;
    }
    const std::size_t a = out.size() - t;  // from out
    const std::size_t b = q - j;           // from in
    const std::size_t need = a + b + r.size();
    if (q + len < need) {
      // Not enough room in front: move the rest of the text into a new buffer.
      const std::size_t newRoom = std::max(2 * room, need + 4096);
      std::string grown(newRoom + (end - j), '\0');
      std::memcpy(grown.data() + newRoom, in.data() + j, end - j);
      q = q - j + newRoom;
      j = newRoom;
      room = newRoom;
      in.swap(grown);
    }
    const std::size_t nj = q + len - need;
    char* base = in.data();
    std::memmove(base + nj + a, base + j, b);
    std::memcpy(base + nj, out.data() + t, a);
    std::memcpy(base + nj + a + b, r.data(), r.size());
    out.resize(t);
    j = nj;
    known.Push(t);
    kb = j;
    std::size_t pos = j;
    if (!rescanInserted) pos = j + (qT + r.size() - t);  // go on after the inserted text

    r = source.Next();
    q = finder.Find(reinterpret_cast<const unsigned char*>(in.data()), pos, in.size(), kb);
    if (q == npos) break;
  }
  out.append(in, j, in.size() - j);
  res.text = std::move(out);
  res.spans = spans.Take();
  return res;
}

}  // namespace hanaroku
