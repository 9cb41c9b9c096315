#include "html/PageColors.h"

#include <cstdio>
#include <stdexcept>

namespace hanaroku {
namespace {

struct NamedColor {
  std::string_view name;
  TColor value;
};

// The standard colour constants in the platform's order; the first name of
// a value is the one DialogColorName gives.
constexpr NamedColor kStandard[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},   {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},   {"clWhite", 0xFFFFFF},
};

struct HtmlName {
  std::string_view name, html;
};

constexpr HtmlName kHtmlNames[] = {
    {"clAqua", "Aqua"},         {"clBlack", "Black"},    {"clBlue", "Blue"},    {"clDkGray", "Darkslategray"},
    {"clFuchsia", "Fuchsia"},   {"clGray", "Gray"},      {"clGreen", "Green"},  {"clLime", "Lime"},
    {"clLtGray", " Lightgrey"}, {"clMaroon", "Maroon"},  {"clNavy", "Navy"},    {"clOlive", "Olive"},
    {"clPurple", "Purple"},     {"clRed", "Red"},        {"clSilver", "Silver"}, {"clTeal", "Teal"},
    {"clWhite", "White"},       {"clYellow", "Yellow"},
};

// Characters from..from+1 (counted from 1) of s, as far as they exist.
std::string_view Pair(std::string_view s, std::size_t from) {
  return from > s.size() ? std::string_view() : s.substr(from - 1, 2);
}

int HexDigit(char c) noexcept {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string DialogColorName(TColor c) {
  for (const NamedColor& n : kStandard)
    if (n.value == c) return std::string(n.name);
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(c));
  return buf;
}

std::string ChangeColorF(std::string_view name) {
  if (name.substr(0, 2) != "cl") {
    std::string out = "#";
    out += Pair(name, 8);
    out += Pair(name, 6);
    out += Pair(name, 4);
    return out;
  }
  for (const HtmlName& n : kHtmlNames)
    if (n.name == name) return std::string(n.html);
  return std::string(name);
}

std::optional<TColor> ColorDialogPreset(std::string_view pageColor) {
  if (pageColor.size() != 7 || pageColor[0] != '#') return std::nullopt;
  TColor value = 0;
  // Blue, green, red: characters 6-7, 4-5, 2-3.
  for (std::size_t i : {5u, 6u, 3u, 4u, 1u, 2u}) {
    const int d = HexDigit(pageColor[i]);
    if (d < 0)
      throw std::invalid_argument("色の値 \"" + std::string(pageColor) +
                                  "\" は #RRGGBB の形ではありません（16進数でない文字があります）。");
    value = value << 4 | static_cast<TColor>(d);
  }
  return value;
}

}  // namespace hanaroku
