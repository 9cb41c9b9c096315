#include "app/RegManager.h"

#include <algorithm>
#include <cstdio>

#include "platform/FileSystem.h"

namespace hanaroku {
namespace {

const char kErrorCaption[] = "エラー";

struct NamedColor {
  const char* name;
  TColor value;
};

constexpr TColor kSys = 0x80000000u;
const NamedColor kColorNames[] = {
    {"clBlack", 0x000000},        {"clMaroon", 0x000080},          {"clGreen", 0x008000},
    {"clOlive", 0x008080},        {"clNavy", 0x800000},            {"clPurple", 0x800080},
    {"clTeal", 0x808000},         {"clGray", 0x808080},            {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},          {"clLime", 0x00FF00},            {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},         {"clFuchsia", 0xFF00FF},         {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},        {"clMoneyGreen", 0xC0DCC0},      {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},        {"clMedGray", 0xA4A0A0},         {"clScrollBar", kSys | 0},
    {"clBackground", kSys | 1},   {"clActiveCaption", kSys | 2},   {"clInactiveCaption", kSys | 3},
    {"clMenu", kSys | 4},         {"clWindow", kSys | 5},          {"clWindowFrame", kSys | 6},
    {"clMenuText", kSys | 7},     {"clWindowText", kSys | 8},      {"clCaptionText", kSys | 9},
    {"clActiveBorder", kSys | 10}, {"clInactiveBorder", kSys | 11}, {"clAppWorkSpace", kSys | 12},
    {"clHighlight", kSys | 13},   {"clHighlightText", kSys | 14},  {"clBtnFace", kSys | 15},
    {"clBtnShadow", kSys | 16},   {"clGrayText", kSys | 17},       {"clBtnText", kSys | 18},
    {"clInactiveCaptionText", kSys | 19}, {"clBtnHighlight", kSys | 20}, {"cl3DDkShadow", kSys | 21},
    {"cl3DLight", kSys | 22},     {"clInfoText", kSys | 23},       {"clInfoBk", kSys | 24},
    {"clNone", 0x1FFFFFFF},       {"clDefault", 0x20000000},
};

std::optional<std::uint32_t> ParseHex(std::string_view s) noexcept {
  if (s.empty() || s.size() > 8) return std::nullopt;
  std::uint32_t v = 0;
  for (char c : s) {
    int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
    if (d < 0) return std::nullopt;
    v = v * 16 + static_cast<std::uint32_t>(d);
  }
  return v;
}

// One hex byte of a blob line: an invalid pair gives 0.
unsigned char HexByte(std::string_view pair) noexcept {
  auto v = ParseHex(pair);
  return v ? static_cast<unsigned char>(*v) : 0;
}

std::string Upper(std::string_view s) {
  std::string u(s);
  for (char& c : u)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return u;
}

// a * b / c rounded half away from zero, for small positive c.
int MulDiv(int a, int b, int c) noexcept {
  long long p = static_cast<long long>(a) * b;
  return static_cast<int>(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}

}  // namespace

// ---- value texts ---------------------------------------------------------------

std::optional<int> ParseDecimal(std::string_view s) noexcept {
  std::size_t i = 0;
  bool neg = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) neg = s[i++] == '-';
  if (i == s.size()) return std::nullopt;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
    v = v * 10 + (s[i] - '0');
    if (v > 2147483648LL) return std::nullopt;
  }
  if (neg) v = -v;
  if (v > 2147483647LL) return std::nullopt;
  return static_cast<int>(v);
}

std::string ColorToString(TColor color) {
  for (const NamedColor& n : kColorNames)
    if (n.value == color) return n.name;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(color));
  return buf;
}

bool StringToColor(std::string_view text, TColor& color) {
  for (const NamedColor& n : kColorNames)
    if (SameName(text, n.name)) {
      color = n.value;
      return true;
    }
  std::optional<std::uint32_t> v;
  if (!text.empty() && text[0] == '$')
    v = ParseHex(text.substr(1));
  else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    v = ParseHex(text.substr(2));
  else if (auto d = ParseDecimal(text))
    v = static_cast<std::uint32_t>(*d);
  if (!v) return false;
  color = *v;
  return true;
}

int PixelsToPoints(int pixels) noexcept { return MulDiv(pixels, 72, 96); }
int PointsToPixels(int points) noexcept { return MulDiv(points, 96, 72); }

// ---- items -------------------------------------------------------------------------

TRegItem& TRegItems::Add(std::string name, std::string section, std::string ident, std::string defaultValue) {
  items_.push_back({std::move(name), std::move(section), std::move(ident), std::move(defaultValue)});
  return items_.back();
}

int TRegItems::IndexOf(std::string_view name) const noexcept {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (SameName(items_[i].Name, name)) return static_cast<int>(i);
  return -1;
}

// ---- manager -----------------------------------------------------------------------

TRegManager::TRegManager(IFileSystem& fs, IDialogs* dialogs) : fs_(fs), dialogs_(dialogs) {}
TRegManager::~TRegManager() = default;

std::unique_ptr<TRegFiler> TRegManager::CreateFiler() { return std::make_unique<TRegFiler>(*this); }

TRegFiler& TRegManager::Filer(std::string_view name) {
  if (!filer_) filer_ = CreateFiler();
  filer_->itemIndex_ = RegItems.IndexOf(name);
  if (filer_->itemIndex_ < 0) ErrorBox("[' " + std::string(name) + " '] is invalid.");
  return *filer_;
}

void TRegManager::ErrorBox(const std::string& text) {
  if (dialogs_) dialogs_->MessageBox(text, kErrorCaption, MsgButtons::Ok, MsgIcon::Error);
}

void TRegManager::NoteWriteFailure(const std::string& what) {
  if (writeFailures_++ == 0) firstWriteError_ = what;
}

void TRegManager::ClearWriteFailures() noexcept {
  writeFailures_ = 0;
  firstWriteError_.clear();
}

IniFile& TRegManager::Cached(bool& readable) {
  if (!cache_ || cacheName_ != IniFileName || !cacheReadable_) {
    // Read once; a file that could not be read is tried again when asked.
    cacheName_ = IniFileName;
    try {
      cache_ = IniFile::Load(fs_, IniFileName);
      cacheReadable_ = true;
    } catch (const FileError& e) {
      cache_ = IniFile();  // unreadable: the defaults
      cacheReadable_ = false;
      lastReadError_ = e.what();
    }
  }
  readable = cacheReadable_;
  return *cache_;
}

void TRegManager::Flush() {
  if (!cache_ || !cacheReadable_) return;
  try {
    cache_->SaveIfModified(fs_, cacheName_);
  } catch (const FileError& e) {
    NoteWriteFailure(e.what());
    cache_.reset();  // what is read next is what the file holds
  }
}

void TRegManager::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0) Flush();
}

// ---- filer: file access ------------------------------------------------------------

const TRegItem* TRegFiler::Item() const noexcept {
  return itemIndex_ >= 0 && itemIndex_ < manager_.RegItems.Count() ? &manager_.RegItems.Get(itemIndex_) : nullptr;
}

IniFile* TRegFiler::File(bool& readable) {
  readable = false;
  if (manager_.RegType == TRegType::rtReg) {
    if (!manager_.registryReported_) {
      manager_.registryReported_ = true;
      manager_.ErrorBox("can not create Registry object.\nThe registry is not supported: no setting is read or stored.");
    }
    return nullptr;
  }
  if (manager_.IniFileName.empty()) {
    manager_.ErrorBox("can not create Inifile object.");
    return nullptr;
  }
  return &manager_.Cached(readable);
}

const IniFile* TRegFiler::FileForRead() {
  bool readable = false;
  return File(readable);  // an unreadable file reads as empty: the defaults
}

template <class Edit>
void TRegFiler::Update(Edit&& edit) {
  bool readable = false;
  IniFile* ini = File(readable);
  if (!ini) return;
  // A file that exists but could not be read is never overwritten: writing
  // would replace what we could not read.
  if (!readable) {
    manager_.NoteWriteFailure(manager_.lastReadError_);
    return;
  }
  edit(*ini);
  if (manager_.updateDepth_ == 0) manager_.Flush();
}

void TRegFiler::ReadRaw(std::string_view section, std::string_view key, std::string& text, std::string_view def) {
  text.assign(def);
  if (section.empty() || key.empty()) return;
  const IniFile* ini = FileForRead();
  if (!ini) return;
  if (auto v = ini->Get(section, key)) text = std::move(*v);
}

void TRegFiler::WriteRaw(std::string_view section, std::string_view key, std::string_view text) {
  if (section.empty() || key.empty()) return;
  Update([&](IniFile& ini) { ini.Set(section, key, text); });
}

void TRegFiler::DeleteValue(std::string_view section, std::string_view key) {
  if (section.empty() || key.empty()) return;
  Update([&](IniFile& ini) { ini.Delete(section, key); });
}

// ---- filer: single values ----------------------------------------------------------

void TRegFiler::ReadText(std::string& text) {
  text.clear();
  if (const TRegItem* it = Item()) ReadRaw(it->Section, it->Ident, text, it->DefaultValue);
}

void TRegFiler::WriteText(std::string_view text) {
  if (const TRegItem* it = Item()) WriteRaw(it->Section, it->Ident, text);
}

int TRegFiler::ReadInt() {
  const TRegItem* it = Item();
  if (!it) return 0;
  std::string text;
  ReadRaw(it->Section, it->Ident, text, it->DefaultValue);
  return ParseDecimal(text).value_or(0);
}

void TRegFiler::WriteInt(int value) {
  if (const TRegItem* it = Item()) WriteRaw(it->Section, it->Ident, std::to_string(value));
}

bool TRegFiler::ReadFlag() {
  const TRegItem* it = Item();
  if (!it) return false;
  std::string d = Upper(it->DefaultValue);
  std::string text;
  ReadRaw(it->Section, it->Ident, text, (d == "1" || d == "TRUE" || d == "YES") ? "1" : "0");
  return ParseDecimal(text).value_or(0) != 0;
}

void TRegFiler::WriteFlag(bool value) {
  if (const TRegItem* it = Item()) WriteRaw(it->Section, it->Ident, value ? "1" : "0");
}

// ---- filer: font -----------------------------------------------------------------------

namespace {
int StyleBits(const FontSpec& f) {
  return (f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strikeOut ? 8 : 0);
}
}  // namespace

void TRegFiler::ReadFontValue(FontSpec* font) {
  const TRegItem* it = Item();
  if (!it || !font) return;
  const IniFile* ini = FileForRead();
  if (!ini) return;
  auto get = [&](const char* suffix, std::string def) {
    auto v = ini->Get(it->Section, it->Ident + suffix);
    return v ? *v : def;
  };
  int currentPoints = PixelsToPoints(font->height);
  std::string name = get("_FontName", font->name);
  std::string size = get("_FontSize", std::to_string(currentPoints));
  std::string color = get("_FontColor", ColorToString(font->color));
  std::string style = get("_FontStyle", std::to_string(StyleBits(*font)));

  FontSpec f = *font;
  f.name = name;
  // The size is kept in points; the same point size keeps the exact height.
  if (auto pt = ParseDecimal(size); pt && *pt > 0 && *pt <= 1000 && *pt != currentPoints)
    f.height = PointsToPixels(*pt);
  StringToColor(color, f.color);  // unreadable colour text: the colour stays
  int bits = ParseDecimal(style).value_or(0);
  f.bold = bits & 1;
  f.italic = bits & 2;
  f.underline = bits & 4;
  f.strikeOut = bits & 8;
  *font = f;
}

void TRegFiler::WriteFontValue(const FontSpec* font) {
  const TRegItem* it = Item();
  if (!it || !font) return;
  Update([&](IniFile& ini) {
    ini.Set(it->Section, it->Ident + "_FontName", font->name);
    ini.Set(it->Section, it->Ident + "_FontSize", std::to_string(PixelsToPoints(font->height)));
    ini.Set(it->Section, it->Ident + "_FontColor", ColorToString(font->color));
    ini.Set(it->Section, it->Ident + "_FontStyle", std::to_string(StyleBits(*font)));
  });
}

// ---- filer: lists and blobs ------------------------------------------------------------

std::vector<std::string> TRegFiler::ReadCountedKeys(const std::string& countSuffix, const std::string& itemSuffix) {
  std::vector<std::string> lines;
  const TRegItem* it = Item();
  const IniFile* ini = FileForRead();
  if (!ini) return lines;
  long long n = ParseDecimal(ini->Get(it->Section, it->Ident + countSuffix).value_or("0")).value_or(0);
  // A count beyond the keys the section holds is damage: the entries past
  // them could only be empty.
  n = std::min({n, static_cast<long long>(ini->KeyCount(it->Section)), static_cast<long long>(kMaxLines)});
  for (long long i = 0; i < n; ++i)
    lines.push_back(ini->Get(it->Section, it->Ident + itemSuffix + std::to_string(i)).value_or(""));
  return lines;
}

void TRegFiler::WriteCountedKeys(const std::string& countSuffix, const std::string& itemSuffix,
                                 const std::vector<std::string>& lines) {
  const TRegItem* it = Item();
  Update([&](IniFile& ini) {
    const std::string countKey = it->Ident + countSuffix;
    const std::size_t c = lines.size();
    const int n = ParseDecimal(ini.Get(it->Section, countKey).value_or("0")).value_or(0);
    if (n > 0 && static_cast<std::size_t>(n) > c) {
      // The stale entries c .. n-1, in one pass over the section whatever n says.
      ini.DeleteNumbered(it->Section, it->Ident + itemSuffix, static_cast<long long>(c), n);
      if (c == 0) ini.Delete(it->Section, countKey);
    }
    if (c > 0) {
      ini.Set(it->Section, countKey, std::to_string(c));
      for (std::size_t i = 0; i < c; ++i) ini.Set(it->Section, it->Ident + itemSuffix + std::to_string(i), lines[i]);
    }
  });
}

void TRegFiler::ReadLines(std::vector<std::string>* list) {
  if (!Item() || !list) return;
  list->clear();
  *list = ReadCountedKeys("_ItemCount", "_Item");
}

void TRegFiler::WriteLines(const std::vector<std::string>* list) {
  if (!Item() || !list) return;
  WriteCountedKeys("_ItemCount", "_Item", *list);
}

void TRegFiler::ReadBlob(std::string* stream) {
  if (!Item() || !stream) return;
  for (const std::string& line : ReadCountedKeys("_c", "_d")) {
    for (std::size_t i = 0; i < line.size(); i += 2)
      stream->push_back(static_cast<char>(HexByte(std::string_view(line).substr(i, 2))));
  }
}

void TRegFiler::WriteBlob(const std::string* stream) {
  if (!Item() || !stream) return;
  static const char kHex[] = "0123456789ABCDEF";
  std::vector<std::string> lines;
  std::string line;
  for (char ch : *stream) {
    unsigned char b = static_cast<unsigned char>(ch);
    line.push_back(kHex[b >> 4]);
    line.push_back(kHex[b & 15]);
    if (line.size() == 64) lines.push_back(std::move(line)), line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  WriteCountedKeys("_c", "_d", lines);
}

// ---- filer: component state ------------------------------------------------------------

void TRegFiler::RestoreComponent(IPersistent* control) {
  if (!Item() || !control) return;
  std::string blob;
  ReadBlob(&blob);
  if (blob.empty()) return;  // never stored: the design-time state stays
  ApplyComponentState(blob, *control);
}

void TRegFiler::StoreComponent(const IPersistent* component) {
  if (!Item() || !component || component->IsForm()) return;
  std::string blob = EncodeComponentState(*component);
  WriteBlob(&blob);
}

}  // namespace hanaroku
