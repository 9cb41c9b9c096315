#include "app/IniFile.h"

#include "platform/Encoding.h"
#include "platform/FileSystem.h"

namespace hanaroku {
namespace {

constexpr std::string_view kEscapeMarker = "%UTF8%";

bool IsBlank(char c) noexcept { return c == ' ' || c == '\t'; }

// Blanks are single bytes that can never be the second byte of a Shift-JIS
// character, so trimming bytes is safe on Shift-JIS and UTF-8 alike.
std::string_view Trim(std::string_view s) noexcept {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

char AsciiLower(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int HexDigit(char c) noexcept {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// True when the UTF-8 text survives the trip through code page 932 unchanged.
bool RoundTrips(std::string_view utf8) {
  std::u16string lost;
  std::string sjis = enc::Utf8ToSjis(utf8, &lost);
  return lost.empty() && enc::SjisToUtf8(sjis) == utf8;
}

bool HasControl(std::string_view s) noexcept {
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return true;
  }
  return false;
}

void AppendEscaped(std::string& out, std::string_view utf8Bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  for (char c : utf8Bytes) {
    unsigned char u = static_cast<unsigned char>(c);
    out.push_back('%');
    out.push_back(kHex[u >> 4]);
    out.push_back(kHex[u & 15]);
  }
}

std::string PercentDecode(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() && HexDigit(s[i + 1]) >= 0 && HexDigit(s[i + 2]) >= 0) {
      out.push_back(static_cast<char>(HexDigit(s[i + 1]) * 16 + HexDigit(s[i + 2])));
      i += 2;
    } else {
      out.push_back(s[i]);
    }
  }
  // The escapes may spell broken UTF-8 in a hand-edited file: clean it.
  return enc::Utf16ToUtf8(enc::Utf8ToUtf16(out));
}

bool ValidSectionName(std::string_view s) {
  if (s.empty() || Trim(s).size() != s.size()) return false;
  for (char c : s)
    if (c == '\r' || c == '\n' || c == ']' || c == '\0') return false;
  return RoundTrips(s);
}

bool ValidKeyName(std::string_view s) {
  if (s.empty() || Trim(s).size() != s.size() || s[0] == ';' || s[0] == '[') return false;
  for (char c : s)
    if (c == '\r' || c == '\n' || c == '=' || c == '\0') return false;
  return RoundTrips(s);
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::string IniFile::EncodeValue(std::string_view utf8) {
  bool escape = HasControl(utf8) || utf8.substr(0, kEscapeMarker.size()) == kEscapeMarker || !RoundTrips(utf8);
  if (!escape) {
    std::string sjis = enc::Utf8ToSjis(utf8);
    bool quoted = utf8.size() >= 2 && utf8.front() == utf8.back() && (utf8.front() == '"' || utf8.front() == '\'');
    if (Trim(utf8).size() != utf8.size() || quoted) return '"' + sjis + '"';
    return sjis;
  }
  // Escaped form: readable characters stay, the others become %XX.
  std::string text(kEscapeMarker);
  std::u16string units = enc::Utf8ToUtf16(utf8);
  std::size_t keepEnd = units.size();  // trailing blanks are escaped too
  while (keepEnd > 0 && (units[keepEnd - 1] == u' ' || units[keepEnd - 1] == u'\t')) --keepEnd;
  for (std::size_t i = 0; i < units.size();) {
    std::size_t n = (units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size()) ? 2 : 1;
    std::string ch = enc::Utf16ToUtf8(std::u16string_view(units).substr(i, n));
    if (ch == "%" || HasControl(ch) || i >= keepEnd || !RoundTrips(ch))
      AppendEscaped(text, ch);
    else
      text += ch;
    i += n;
  }
  return enc::Utf8ToSjis(text);
}

std::string IniFile::DecodeValue(std::string_view sjis) {
  std::string_view v = Trim(sjis);
  if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\''))
    v = v.substr(1, v.size() - 2);
  std::string utf8 = enc::SjisToUtf8(v);
  if (std::string_view(utf8).substr(0, kEscapeMarker.size()) == kEscapeMarker)
    return PercentDecode(std::string_view(utf8).substr(kEscapeMarker.size()));
  return utf8;
}

IniFile::Line IniFile::ParseLine(std::string raw) {
  Line line;
  line.raw = std::move(raw);
  std::string text = enc::SjisToUtf8(line.raw);
  std::string_view t = Trim(text);
  if (t.empty() || t[0] == ';') return line;
  if (t[0] == '[') {
    std::string_view inner = t.substr(1);
    std::size_t close = inner.rfind(']');
    if (close != std::string_view::npos) inner = inner.substr(0, close);
    line.kind = Kind::Section;
    line.name = std::string(Trim(inner));
    return line;
  }
  // '=' (0x3D) is never a second byte of a Shift-JIS character.
  std::size_t eq = line.raw.find('=');
  if (eq == std::string::npos) return line;
  std::string key = enc::SjisToUtf8(Trim(std::string_view(line.raw).substr(0, eq)));
  if (key.empty()) return line;
  line.kind = Kind::Key;
  line.name = std::move(key);
  line.eq = eq;
  return line;
}

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile ini;
  std::string converted;
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    converted = enc::Utf8ToSjis(bytes.substr(3));
    bytes = converted;
  } else if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
    std::u16string u;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
      u.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    converted = enc::Utf16ToSjis(u);
    bytes = converted;
  }
  bool eolChosen = false;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      ini.lines_.push_back(ParseLine(std::string(bytes.substr(start))));
      ini.finalEol_ = false;
      break;
    }
    std::size_t eolLen = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
    if (!eolChosen) {
      ini.eol_ = std::string(bytes.substr(end, eolLen));
      eolChosen = true;
    }
    ini.lines_.push_back(ParseLine(std::string(bytes.substr(start, end - start))));
    start = end + eolLen;
  }
  return ini;
}

std::string IniFile::Serialize() const {
  std::string out;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    out += lines_[i].raw;
    if (i + 1 < lines_.size() || finalEol_) out += eol_;
  }
  return out;
}

std::size_t IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == Kind::Section && SameName(lines_[i].name, section)) return i;
  return std::string::npos;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
  return i;
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const {
  std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (lines_[i].kind == Kind::Key && SameName(lines_[i].name, key)) return i;
  return std::string::npos;
}

bool IniFile::HasSection(std::string_view section) const { return FindSection(section) != std::string::npos; }

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  std::size_t header = FindSection(section);
  if (header == std::string::npos) return keys;
  std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (lines_[i].kind == Kind::Key) keys.push_back(lines_[i].name);
  return keys;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  std::size_t header = FindSection(section);
  if (header == std::string::npos) return std::nullopt;
  std::size_t k = FindKey(header, key);
  if (k == std::string::npos) return std::nullopt;
  const Line& line = lines_[k];
  return DecodeValue(std::string_view(line.raw).substr(line.eq + 1));
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!ValidSectionName(section) || !ValidKeyName(key)) return false;
  std::string encoded = EncodeValue(value);
  std::size_t header = FindSection(section);
  if (header == std::string::npos) {
    lines_.push_back(ParseLine('[' + enc::Utf8ToSjis(section) + ']'));
    lines_.push_back(ParseLine(enc::Utf8ToSjis(key) + '=' + encoded));
    finalEol_ = true;
    modified_ = true;
    return true;
  }
  std::size_t k = FindKey(header, key);
  if (k != std::string::npos) {
    Line& line = lines_[k];
    if (DecodeValue(std::string_view(line.raw).substr(line.eq + 1)) == value) return true;  // unchanged
    std::string rawKey(Trim(std::string_view(line.raw).substr(0, line.eq)));
    line = ParseLine(rawKey + '=' + encoded);
    modified_ = true;
    return true;
  }
  // New key: after the last non-blank line of the section.
  std::size_t pos = SectionEnd(header);
  while (pos > header + 1 && Trim(lines_[pos - 1].raw).empty()) --pos;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(pos), ParseLine(enc::Utf8ToSjis(key) + '=' + encoded));
  if (pos == lines_.size() - 1) finalEol_ = true;
  modified_ = true;
  return true;
}

bool IniFile::Delete(std::string_view section, std::string_view key) {
  std::size_t header = FindSection(section);
  if (header == std::string::npos) return false;
  std::size_t k = FindKey(header, key);
  if (k == std::string::npos) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(k));
  modified_ = true;
  return true;
}

IniFile IniFile::Load(IFileSystem& fs, const std::string& path) {
  if (!fs.FileExists(path)) return IniFile();
  return Parse(fs.ReadFile(path));
}

void IniFile::SaveIfModified(IFileSystem& fs, const std::string& path) {
  if (!modified_) return;
  fs.WriteFileAtomic(path, Serialize());
  modified_ = false;
}

}  // namespace hanaroku
