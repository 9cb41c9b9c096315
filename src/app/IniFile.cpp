#include "app/IniFile.h"

#include <iterator>

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

std::string IniFile::Fold(std::string_view name) {
  std::string f(name);
  for (char& c : f) c = AsciiLower(c);
  return f;
}

void IniFile::Section::AddLine(Line line) {
  if (line.kind == Kind::Key) keys[Fold(line.name)].push_back(lines.size());
  lines.push_back(std::move(line));
}

void IniFile::AddSection(Line header) {
  sectionIndex_.try_emplace(Fold(header.name), sections_.size());
  sections_.emplace_back();
  sections_.back().header = std::move(header);
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
  auto add = [&ini](std::string_view raw) {
    Line line = ParseLine(std::string(raw));
    if (line.kind == Kind::Section)
      ini.AddSection(std::move(line));
    else
      ini.sections_.back().AddLine(std::move(line));
  };
  bool eolChosen = false;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      add(bytes.substr(start));
      ini.finalEol_ = false;
      break;
    }
    std::size_t eolLen = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
    if (!eolChosen) {
      ini.eol_ = std::string(bytes.substr(end, eolLen));
      eolChosen = true;
    }
    add(bytes.substr(start, end - start));
    start = end + eolLen;
  }
  return ini;
}

std::string IniFile::Serialize() const {
  std::string out;
  bool any = false;
  auto put = [&](const Line& line) {
    if (line.deleted) return;
    if (any) out += eol_;
    out += line.raw;
    any = true;
  };
  for (const Section& s : sections_) {
    if (s.header) put(*s.header);
    for (const Line& line : s.lines) put(line);
  }
  if (any && finalEol_) out += eol_;
  return out;
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
  auto it = sectionIndex_.find(Fold(section));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section* IniFile::FindSection(std::string_view section) {
  auto it = sectionIndex_.find(Fold(section));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniFile::Line* IniFile::FindKey(const Section& s, std::string_view key) {
  auto it = s.keys.find(Fold(key));
  return it == s.keys.end() ? nullptr : &s.lines[it->second.front()];
}

bool IniFile::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Line& line : s->lines)
      if (line.kind == Kind::Key && !line.deleted) keys.push_back(line.name);
  return keys;
}

std::size_t IniFile::KeyCount(std::string_view section) const {
  const Section* s = FindSection(section);
  return s ? s->keys.size() : 0;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  const Line* line = s ? FindKey(*s, key) : nullptr;
  if (!line) return std::nullopt;
  return DecodeValue(std::string_view(line->raw).substr(line->eq + 1));
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!ValidSectionName(section) || !ValidKeyName(key)) return false;
  std::string encoded = EncodeValue(value);
  Section* s = FindSection(section);
  if (!s) {
    AddSection(ParseLine('[' + enc::Utf8ToSjis(section) + ']'));
    sections_.back().AddLine(ParseLine(enc::Utf8ToSjis(key) + '=' + encoded));
    finalEol_ = true;
    modified_ = true;
    return true;
  }
  if (auto it = s->keys.find(Fold(key)); it != s->keys.end()) {
    Line& line = s->lines[it->second.front()];
    if (DecodeValue(std::string_view(line.raw).substr(line.eq + 1)) == value) return true;  // unchanged
    std::string rawKey(Trim(std::string_view(line.raw).substr(0, line.eq)));
    line = ParseLine(rawKey + '=' + encoded);
    modified_ = true;
    return true;
  }
  // New key: after the last non-blank line of the section. Only blank or
  // deleted lines follow that place, so no key line moves.
  std::size_t pos = s->lines.size();
  while (pos > 0 && (s->lines[pos - 1].deleted || Trim(s->lines[pos - 1].raw).empty())) --pos;
  bool lastLine = s == &sections_.back();
  for (std::size_t i = pos; i < s->lines.size() && lastLine; ++i) lastLine = s->lines[i].deleted;
  s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(pos), ParseLine(enc::Utf8ToSjis(key) + '=' + encoded));
  s->keys[Fold(key)].push_back(pos);
  if (lastLine) finalEol_ = true;
  modified_ = true;
  return true;
}

void IniFile::DeleteFirst(Section& s, std::unordered_map<std::string, std::vector<std::size_t>>::iterator key) {
  s.lines[key->second.front()].deleted = true;
  key->second.erase(key->second.begin());
  if (key->second.empty()) s.keys.erase(key);
  modified_ = true;
}

bool IniFile::Delete(std::string_view section, std::string_view key) {
  Section* s = FindSection(section);
  if (!s) return false;
  auto it = s->keys.find(Fold(key));
  if (it == s->keys.end()) return false;
  DeleteFirst(*s, it);
  return true;
}

std::size_t IniFile::DeleteNumbered(std::string_view section, std::string_view stem, long long first,
                                    long long last) {
  Section* s = FindSection(section);
  if (!s || first >= last) return 0;
  const std::string folded = Fold(stem);
  std::size_t removed = 0;
  for (auto it = s->keys.begin(); it != s->keys.end();) {
    auto next = std::next(it);
    std::string_view name = it->first;
    if (name.size() > folded.size() && name.substr(0, folded.size()) == folded) {
      // The index as decimal writes it: digits, no sign, no leading zero.
      std::string_view digits = name.substr(folded.size());
      bool canonical = digits.size() <= 18 && (digits.size() == 1 || digits[0] != '0');
      long long i = 0;
      for (std::size_t k = 0; canonical && k < digits.size(); ++k) {
        canonical = digits[k] >= '0' && digits[k] <= '9';
        i = i * 10 + (digits[k] - '0');  // at most 18 digits: no overflow
      }
      if (canonical && i >= first && i < last) {
        DeleteFirst(*s, it);
        ++removed;
      }
    }
    it = next;
  }
  return removed;
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
