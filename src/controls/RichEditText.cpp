#include "controls/RichEditText.h"

#include <vector>

#include "platform/Encoding.h"

namespace hanaroku::richtext {
namespace {

unsigned char Byte(std::string_view s, std::size_t pos) noexcept { return static_cast<unsigned char>(s[pos]); }

char FoldAscii(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t CharLenAt(std::string_view s, std::size_t pos) noexcept {
  return (enc::IsLeadByte(Byte(s, pos)) && pos + 1 < s.size() && !IsBreakByte(s[pos + 1])) ? 2 : 1;
}

bool IsTrail(std::string_view s, std::size_t pos) noexcept {
  if (pos == 0 || pos >= s.size() || IsBreakByte(s[pos])) return false;
  // The bytes before pos that could be lead bytes pair up from the first of
  // them, which always starts a character; line breaks end the walk.
  std::size_t i = pos;
  while (i > 0 && enc::IsLeadByte(Byte(s, i - 1))) --i;
  return (pos - i) % 2 == 1;
}

bool IsStrayLead(std::string_view s, std::size_t pos) noexcept {
  return pos < s.size() && enc::IsLeadByte(Byte(s, pos)) && CharLenAt(s, pos) == 1 && !IsTrail(s, pos);
}

std::size_t SnapBack(std::string_view s, std::size_t pos) noexcept {
  if (pos >= s.size()) return s.size();
  if (IsTrail(s, pos) || InsideCrLf(s, pos)) return pos - 1;
  return pos;
}

std::size_t SnapForward(std::string_view s, std::size_t pos) noexcept {
  if (pos >= s.size()) return s.size();
  if (IsTrail(s, pos) || InsideCrLf(s, pos)) return pos + 1;
  return pos;
}

std::size_t NextStop(std::string_view s, std::size_t pos) noexcept {
  if (pos >= s.size()) return s.size();
  if (s[pos] == '\r' && pos + 1 < s.size() && s[pos + 1] == '\n') return pos + 2;
  return pos + CharLenAt(s, pos);
}

std::size_t PrevStop(std::string_view s, std::size_t pos) noexcept {
  if (pos == 0) return 0;
  if (pos > s.size()) pos = s.size();
  if (pos >= 2 && s[pos - 1] == '\n' && s[pos - 2] == '\r') return pos - 2;
  std::size_t q = pos - 1;
  return IsTrail(s, q) ? q - 1 : q;
}

std::size_t CharCount(std::string_view s) noexcept {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); i += CharLenAt(s, i)) ++n;
  return n;
}

std::string RemoveCrLf(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (!IsBreakByte(c)) out.push_back(c);
  return out;
}

std::string NormalizeBreaks(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 16);
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

namespace {

// Walks the character starts of s forward from a known one; asked about
// ever larger positions, it answers in linear time overall.
class BoundaryWalk {
 public:
  BoundaryWalk(std::string_view s, std::size_t start) noexcept : s_(s), pos_(start) {}
  // True when p starts a character (or is the end); p must not decrease
  // from one call to the next.
  bool StartsAt(std::size_t p) noexcept {
    while (pos_ < p) pos_ += CharLenAt(s_, pos_);
    return pos_ == p;
  }

 private:
  std::string_view s_;
  std::size_t pos_;
};

}  // namespace

std::size_t Find(std::string_view s, std::string_view what, std::size_t from, std::size_t to,
                 bool matchCase) noexcept {
  const std::size_t m = what.size();
  if (to > s.size()) to = s.size();
  if (m == 0 || from >= to || to - from < m) return std::string_view::npos;
  const std::size_t last = to - m;  // the last start a hit may have
  // One walk for the starts of hits and one for their ends.
  const std::size_t first = IsTrail(s, from) ? from - 1 : from;
  BoundaryWalk starts(s, first), ends(s, first);
  if (matchCase) {
    std::size_t p = from;
    while (p <= last) {
      std::size_t hit = s.find(what, p);
      if (hit == std::string_view::npos || hit > last) return std::string_view::npos;
      if (starts.StartsAt(hit) && ends.StartsAt(hit + m)) return hit;
      p = hit + 1;
    }
    return std::string_view::npos;
  }
  // Fold only the pattern bytes that are not trail bytes of the pattern.
  std::vector<bool> fold(m);
  for (std::size_t i = 0; i < m;) {
    std::size_t len = CharLenAt(what, i);
    fold[i] = (len == 1);
    if (len == 2) fold[i + 1] = false;
    i += len;
  }
  auto matchAt = [&](std::size_t p) {
    for (std::size_t i = 0; i < m; ++i) {
      char a = s[p + i], b = what[i];
      if (fold[i] ? FoldAscii(a) != FoldAscii(b) : a != b) return false;
    }
    return true;
  };
  // Only character starts are tried.
  for (std::size_t p = first == from ? from : from + 1; p <= last; p += CharLenAt(s, p))
    if (matchAt(p) && ends.StartsAt(p + m)) return p;
  return std::string_view::npos;
}

int WordClass(std::string_view s, std::size_t pos) noexcept {
  if (pos >= s.size()) return 0;
  unsigned char c = Byte(s, pos);
  if (IsBreakByte(static_cast<char>(c))) return 1;
  if (c == ' ' || c == '\t') return 0;
  if (CharLenAt(s, pos) == 2) {
    unsigned code = (c << 8) | Byte(s, pos + 1);
    if (code == 0x8140) return 0;                       // ideographic space
    if (code >= 0x829F && code <= 0x82F1) return 4;     // hiragana
    if ((code >= 0x8340 && code <= 0x8396) || code == 0x815B) return 5;  // katakana, long vowel
    if ((c >= 0x88 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEA) || code == 0x8158) return 6;  // kanji, 々
    return 7;
  }
  if (c >= 0xA6 && c <= 0xDF) return 5;  // half-width katakana
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80)
    return 2;
  return 3;
}

std::size_t NextWordStop(std::string_view s, std::size_t pos) noexcept {
  if (pos >= s.size()) return s.size();
  int cls = WordClass(s, pos);
  if (cls == 1) return NextStop(s, pos);
  while (pos < s.size() && WordClass(s, pos) == cls) pos = NextStop(s, pos);
  while (pos < s.size() && WordClass(s, pos) == 0) pos = NextStop(s, pos);
  return pos;
}

std::size_t PrevWordStop(std::string_view s, std::size_t pos) noexcept {
  if (pos == 0) return 0;
  std::size_t q = PrevStop(s, pos);
  while (q > 0 && WordClass(s, q) == 0) q = PrevStop(s, q);
  int cls = WordClass(s, q);
  if (cls == 1) return q;
  while (q > 0) {
    std::size_t r = PrevStop(s, q);
    if (WordClass(s, r) != cls) break;
    q = r;
  }
  return q;
}

void WordAt(std::string_view s, std::size_t pos, std::size_t& start, std::size_t& end) noexcept {
  if (s.empty()) {
    start = end = 0;
    return;
  }
  pos = SnapBack(s, pos);
  if (pos >= s.size()) pos = PrevStop(s, s.size());
  int cls = WordClass(s, pos);
  start = pos;
  end = NextStop(s, pos);
  if (cls == 1) return;
  while (start > 0) {
    std::size_t r = PrevStop(s, start);
    if (WordClass(s, r) != cls) break;
    start = r;
  }
  while (end < s.size() && WordClass(s, end) == cls) end = NextStop(s, end);
}

}  // namespace hanaroku::richtext
