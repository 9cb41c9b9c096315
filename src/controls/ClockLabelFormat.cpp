#include "controls/ClockLabelFormat.h"

#include <cstdio>

#include "platform/LocaleWords.h"

namespace hanaroku {
namespace {

// The Japanese locale's short and long date and time forms.
constexpr std::string_view kShortDate = "yyyy/mm/dd";
constexpr std::string_view kLongDate = "yyyy'年'm'月'd'日'";
constexpr std::string_view kShortTime = "h:mm";
constexpr std::string_view kLongTime = "h:mm:ss";

char Upper(char c) noexcept { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view s, std::size_t at, std::string_view word) noexcept {
  if (s.size() - at < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (Upper(s[at + i]) != word[i]) return false;
  return true;
}

// The first UTF-8 character of text.
std::string_view FirstCharacter(std::string_view text) noexcept {
  if (text.empty()) return text;
  std::size_t n = 1;
  while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
  return text.substr(0, n);
}

class Formatter {
 public:
  Formatter(const TimeOfDay& t, const ILocaleWords& words) : t_(t), words_(words) {}

  std::string Run(std::string_view format) {
    Append(format);
    return std::move(out_);
  }

 private:
  void Number(int value, int digits) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%.*d", digits, value);
    out_ += buf;
  }

  // A run of the same character at pos; pos moves past it.
  static int Count(std::string_view f, std::size_t& pos) noexcept {
    const char starter = f[pos - 1];
    int n = 1;
    while (pos < f.size() && f[pos] == starter) {
      ++pos;
      ++n;
    }
    return n;
  }

  // Whether a 12-hour marker follows before the next hour (outside quotes).
  static bool MarkerAhead(std::string_view f, std::size_t pos) noexcept {
    bool quoted = false;
    for (; pos < f.size(); ++pos) {
      char c = f[pos];
      if (c == '\'' || c == '"') quoted = !quoted;
      if (quoted) continue;
      if (c == 'h' || c == 'H') return false;
      if (c == 'a' || c == 'A')
        return StartsWithNoCase(f, pos, "AM/PM") || StartsWithNoCase(f, pos, "A/P") ||
               StartsWithNoCase(f, pos, "AMPM");
    }
    return false;
  }

  void Hour(std::string_view f, std::size_t& pos, bool& use12) {
    int n = Count(f, pos);
    if (MarkerAhead(f, pos)) use12 = true;
    int h = t_.hour;
    if (use12) {
      if (h == 0)
        h = 12;
      else if (h > 12)
        h -= 12;
    }
    Number(h, n > 2 ? 2 : n);
  }

  // The "A" specifiers; pos is just past the starter.
  void Marker(std::string_view f, std::size_t& pos, bool& use12) {
    const std::size_t at = pos - 1;
    const bool pm = t_.hour >= 12;
    if (StartsWithNoCase(f, at, "AM/PM")) {
      out_ += f.substr(pm ? at + 3 : at, 2);
      pos = at + 5;
      use12 = true;
    } else if (StartsWithNoCase(f, at, "A/P")) {
      out_ += f.substr(pm ? at + 2 : at, 1);
      pos = at + 3;
      use12 = true;
    } else if (StartsWithNoCase(f, at, "AMPM")) {
      out_ += words_.AmPm(pm);
      pos = at + 4;
      use12 = true;
    } else if (StartsWithNoCase(f, at, "AAAA")) {
      out_ += words_.DayName(t_.dayOfWeek, false);
      pos = at + 4;
    } else if (StartsWithNoCase(f, at, "AAA")) {
      out_ += words_.DayName(t_.dayOfWeek, true);
      pos = at + 3;
    } else {
      out_ += f[at];
    }
  }

  void Quoted(std::string_view f, std::size_t& pos) {
    const char quote = f[pos - 1];
    std::size_t end = f.find(quote, pos);
    if (end == std::string_view::npos) end = f.size();
    out_ += f.substr(pos, end - pos);
    pos = end < f.size() ? end + 1 : end;
  }

  void Append(std::string_view f) {
    if (level_ >= 2) return;  // the short and long forms nest once at most
    ++level_;
    char lastToken = ' ';
    bool use12 = false;
    std::size_t pos = 0;
    while (pos < f.size()) {
      const char starter = f[pos++];
      if (static_cast<unsigned char>(starter) >= 0x80) {
        out_ += starter;
        lastToken = ' ';
        continue;
      }
      char token = Upper(starter);
      if (token >= 'A' && token <= 'Z') {
        if (token == 'M' && lastToken == 'H') token = 'N';
        lastToken = token;
      }
      switch (token) {
        case 'Y': {
          int n = Count(f, pos);
          if (n <= 2)
            Number(((t_.year % 100) + 100) % 100, 2);
          else
            Number(t_.year, 4);
          break;
        }
        case 'G': {
          int n = Count(f, pos);
          std::string name = words_.Era(t_.year, t_.month, t_.day).name;
          out_ += n == 1 ? FirstCharacter(name) : std::string_view(name);
          break;
        }
        case 'E': {
          int n = Count(f, pos);
          Number(words_.Era(t_.year, t_.month, t_.day).year, n <= 1 ? 1 : 2);
          break;
        }
        case 'M': {
          int n = Count(f, pos);
          if (n <= 2)
            Number(t_.month, n);
          else
            out_ += words_.MonthName(t_.month, n == 3);
          break;
        }
        case 'D': {
          int n = Count(f, pos);
          if (n <= 2)
            Number(t_.day, n);
          else if (n <= 4)
            out_ += words_.DayName(t_.dayOfWeek, n == 3);
          else
            Append(n == 5 ? kShortDate : kLongDate);
          break;
        }
        case 'H': Hour(f, pos, use12); break;
        case 'N': {
          int n = Count(f, pos);
          Number(t_.minute, n > 2 ? 2 : n);
          break;
        }
        case 'S': {
          int n = Count(f, pos);
          Number(t_.second, n > 2 ? 2 : n);
          break;
        }
        case 'Z': {
          int n = Count(f, pos);
          Number(t_.millisecond, n > 3 ? 3 : n);
          break;
        }
        case 'T': Append(Count(f, pos) == 1 ? kShortTime : kLongTime); break;
        case 'C':
          Count(f, pos);
          Append(kShortDate);
          if (t_.hour != 0 || t_.minute != 0 || t_.second != 0) {
            out_ += ' ';
            Append(kLongTime);
          }
          break;
        case 'A': Marker(f, pos, use12); break;
        case '\'':
        case '"': Quoted(f, pos); break;
        default: out_ += starter; break;
      }
    }
    --level_;
  }

  const TimeOfDay& t_;
  const ILocaleWords& words_;
  std::string out_;
  int level_ = 0;
};

}  // namespace

std::string FormatDateTime(std::string_view format, const TimeOfDay& t, const ILocaleWords& words) {
  return Formatter(t, words).Run(format);
}

}  // namespace hanaroku
