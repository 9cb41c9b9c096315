#include "app/ComponentState.h"

#include <array>

namespace hanaroku {
namespace {

constexpr std::string_view kSignature = "HPS1";
constexpr int kMaxDepth = 8;
constexpr std::size_t kMaxBody = 4u << 20;  // far above any control's state

void PutU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint32_t GetU32(std::string_view s, std::size_t pos) noexcept {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
  return v;
}

void PutString(std::string& out, std::string_view s) {
  PutU32(out, static_cast<std::uint32_t>(s.size()));
  out.append(s);
}

// Reads a u32-prefixed string at pos; false when it does not fit.
bool GetString(std::string_view s, std::size_t& pos, std::string& out) {
  if (s.size() - pos < 4) return false;
  std::uint32_t n = GetU32(s, pos);
  pos += 4;
  if (s.size() - pos < n) return false;
  out.assign(s.substr(pos, n));
  pos += n;
  return true;
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) noexcept {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (char ch : bytes) crc = table[(crc ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

// ---- writer ----------------------------------------------------------------

StateWriter::StateWriter() { stack_.push_back({}); }

void StateWriter::Record(std::string_view name, StateType type, std::string_view payload) {
  if (name.empty() || name.size() > 255) return;  // not representable; never written by our controls
  std::string& out = stack_.back().body;
  out.push_back(static_cast<char>(name.size()));
  out.append(name);
  out.push_back(static_cast<char>(type));
  PutString(out, payload);
}

void StateWriter::WriteFlag(std::string_view name, bool value) {
  Record(name, StateType::Flag, value ? std::string_view("\x01", 1) : std::string_view("\x00", 1));
}

void StateWriter::WriteInt(std::string_view name, std::int32_t value) {
  std::string p;
  PutU32(p, static_cast<std::uint32_t>(value));
  Record(name, StateType::Integer, p);
}

void StateWriter::WriteText(std::string_view name, std::string_view bytes) { Record(name, StateType::Text, bytes); }

void StateWriter::WriteColor(std::string_view name, TColor value) {
  std::string p;
  PutU32(p, value);
  Record(name, StateType::Color, p);
}

void StateWriter::WriteFont(std::string_view name, const FontSpec& font) {
  BeginGroup(name);
  WriteText("Name", font.name);
  WriteInt("Height", font.height);
  WriteColor("Color", font.color);
  WriteInt("Style", (font.bold ? 1 : 0) | (font.italic ? 2 : 0) | (font.underline ? 4 : 0) | (font.strikeOut ? 8 : 0));
  WriteInt("Charset", font.charset);
  EndGroup();
}

void StateWriter::BeginGroup(std::string_view name) { stack_.push_back({std::string(name), {}}); }

void StateWriter::EndGroup() {
  if (stack_.size() < 2) return;
  Open group = std::move(stack_.back());
  stack_.pop_back();
  group.body.push_back('\0');
  Record(group.name, StateType::Group, group.body);
}

std::string StateWriter::Records() const {
  // Close open groups on a copy, so that Records can be asked at any time.
  StateWriter copy(*this);
  while (copy.stack_.size() > 1) copy.EndGroup();
  return copy.stack_[0].body + '\0';
}

// ---- reader ----------------------------------------------------------------

std::optional<StateReader> StateReader::Parse(std::string_view s, int depth) {
  if (depth > kMaxDepth) return std::nullopt;
  StateReader r;
  std::size_t pos = 0;
  for (;;) {
    if (pos >= s.size()) return std::nullopt;  // no end byte: truncated
    std::size_t nameLen = static_cast<unsigned char>(s[pos++]);
    if (nameLen == 0) break;
    if (s.size() - pos < nameLen + 1) return std::nullopt;
    Rec rec;
    rec.name.assign(s.substr(pos, nameLen));
    pos += nameLen;
    std::uint8_t type = static_cast<std::uint8_t>(s[pos++]);
    if (!GetString(s, pos, rec.payload)) return std::nullopt;
    rec.type = static_cast<StateType>(type);
    if (rec.type == StateType::Group) {
      auto inner = Parse(rec.payload, depth + 1);
      if (!inner) return std::nullopt;
      rec.group = std::make_shared<StateReader>(std::move(*inner));
    }
    // Unknown types are kept opaque and never match a read.
    r.records_.push_back(std::move(rec));
  }
  if (pos != s.size()) return std::nullopt;
  return r;
}

const StateReader::Rec* StateReader::Find(std::string_view name, StateType type) const {
  for (const Rec& rec : records_)
    if (rec.name == name) return rec.type == type ? &rec : nullptr;
  return nullptr;
}

bool StateReader::Has(std::string_view name) const {
  for (const Rec& rec : records_)
    if (rec.name == name) return true;
  return false;
}

bool StateReader::ReadFlag(std::string_view name, bool& value) const {
  const Rec* rec = Find(name, StateType::Flag);
  if (!rec || rec->payload.size() != 1 || static_cast<unsigned char>(rec->payload[0]) > 1) return false;
  value = rec->payload[0] == 1;
  return true;
}

bool StateReader::ReadInt(std::string_view name, std::int32_t& value) const {
  const Rec* rec = Find(name, StateType::Integer);
  if (!rec || rec->payload.size() != 4) return false;
  value = static_cast<std::int32_t>(GetU32(rec->payload, 0));
  return true;
}

bool StateReader::ReadInt(std::string_view name, int& value, int min, int max) const {
  std::int32_t v = 0;
  if (!ReadInt(name, v) || v < min || v > max) return false;
  value = v;
  return true;
}

bool StateReader::ReadText(std::string_view name, std::string& value) const {
  const Rec* rec = Find(name, StateType::Text);
  if (!rec) return false;
  value = rec->payload;
  return true;
}

bool StateReader::ReadColor(std::string_view name, TColor& value) const {
  const Rec* rec = Find(name, StateType::Color);
  if (!rec || rec->payload.size() != 4) return false;
  value = GetU32(rec->payload, 0);
  return true;
}

const StateReader* StateReader::Group(std::string_view name) const {
  const Rec* rec = Find(name, StateType::Group);
  return rec ? rec->group.get() : nullptr;
}

bool StateReader::ReadFont(std::string_view name, FontSpec& font) const {
  const StateReader* g = Group(name);
  if (!g) return false;
  FontSpec f = font;
  std::string face;
  if (g->ReadText("Name", face) && !face.empty() && face.size() <= 64) f.name = face;
  g->ReadInt("Height", f.height, 1, 1000);
  g->ReadColor("Color", f.color);
  int style = 0;
  if (g->ReadInt("Style", style, 0, 15)) {
    f.bold = style & 1;
    f.italic = style & 2;
    f.underline = style & 4;
    f.strikeOut = style & 8;
  }
  g->ReadInt("Charset", f.charset, 0, 255);
  font = f;
  return true;
}

// ---- whole states ------------------------------------------------------------

std::string EncodeComponentState(const IPersistent& component) {
  StateWriter w;
  component.WriteState(w);
  std::string body;
  PutString(body, component.ClassName());
  PutString(body, component.Name());
  body += w.Records();
  std::string out(kSignature);
  PutU32(out, static_cast<std::uint32_t>(body.size()));
  out += body;
  PutU32(out, Crc32(body));
  return out;
}

std::optional<DecodedState> DecodeComponentState(std::string_view bytes) {
  if (bytes.size() < kSignature.size() + 8 || bytes.substr(0, kSignature.size()) != kSignature) return std::nullopt;
  std::size_t n = GetU32(bytes, 4);
  if (n > kMaxBody || bytes.size() - 8 - 4 < n) return std::nullopt;
  std::string_view body = bytes.substr(8, n);
  if (Crc32(body) != GetU32(bytes, 8 + n)) return std::nullopt;
  DecodedState d;
  std::size_t pos = 0;
  if (!GetString(body, pos, d.className) || !GetString(body, pos, d.name)) return std::nullopt;
  auto props = StateReader::Parse(body.substr(pos));
  if (!props) return std::nullopt;
  d.properties = std::move(*props);
  return d;
}

bool ApplyComponentState(std::string_view bytes, IPersistent& component) {
  auto decoded = DecodeComponentState(bytes);
  if (!decoded || decoded->className != component.ClassName()) return false;
  try {
    component.ReadState(decoded->properties);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace hanaroku
