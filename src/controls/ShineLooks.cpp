#include "controls/ShineLooks.h"

namespace hanaroku {
namespace {

constexpr TColor Rgb(int r, int g, int b) noexcept { return MakeColor(r, g, b); }

// The same lightness in every hue: the top a little lighter for the shine,
// and dark enough behind the caption for white (8:1) and red (2:1) text.
constexpr ShineLook kLooks[] = {
    // top, bottom, pressed top, pressed bottom, frame highlight, frame shadow
    {Rgb(0x3E, 0x5A, 0x8C), Rgb(0x14, 0x22, 0x44), clBtnHighlight, Rgb(0xD6, 0xE0, 0xF0), Rgb(0x9C, 0xB4, 0xDA),
     Rgb(0x0A, 0x12, 0x26)},
    {Rgb(0x30, 0x5E, 0x4A), Rgb(0x0C, 0x2C, 0x20), clBtnHighlight, Rgb(0xD6, 0xEB, 0xE1), Rgb(0x94, 0xC6, 0xAE),
     Rgb(0x06, 0x18, 0x10)},
    {Rgb(0x7E, 0x40, 0x56), Rgb(0x40, 0x12, 0x24), clBtnHighlight, Rgb(0xF2, 0xDC, 0xE3), Rgb(0xD2, 0x9C, 0xAE),
     Rgb(0x24, 0x08, 0x12)},
    {Rgb(0x70, 0x52, 0x28), Rgb(0x38, 0x22, 0x08), clBtnHighlight, Rgb(0xF0, 0xE4, 0xD0), Rgb(0xD2, 0xB8, 0x8C),
     Rgb(0x1E, 0x12, 0x04)},
    {Rgb(0x5E, 0x54, 0x84), Rgb(0x26, 0x20, 0x44), clBtnHighlight, Rgb(0xE2, 0xDE, 0xEF), Rgb(0xB6, 0xAE, 0xD6),
     Rgb(0x14, 0x10, 0x26)},
};

void SetGradient(TShineBtnColors& set, TColor top, TColor bottom) {
  set.SetColor(top);
  set.SetGradColor(bottom);
  set.SetGradation(true);
  set.SetGradVertical(true);
}

}  // namespace

const ShineLook& LookOf(ShineLookId id) noexcept {
  const auto index = static_cast<std::size_t>(id);
  return kLooks[index < std::size(kLooks) ? index : 0];
}

ControlFont ShineCaptionFont(int height) { return ControlFont{PaintFont{"ＭＳ 明朝", height, true}, clWhite}; }

ControlFont ShineActiveFont(int height) { return ControlFont{PaintFont{"ＭＳ ゴシック", height, true}, clRed}; }

void ApplyShineLook(TShineSpeedButton& button, ShineLookId id, int fontHeight) {
  const ShineLook& look = LookOf(id);
  SetGradient(button.Colors, look.top, look.bottom);
  button.Colors.SetHighlight(look.highlight);
  button.Colors.SetShadow(look.shadow);
  SetGradient(button.PressedColors, look.pressedTop, look.pressedBottom);
  button.PressedColors.SetHighlight(look.highlight);
  button.PressedColors.SetShadow(look.shadow);
  // Hover keeps Colors (the active set stays inert); only the font changes.
  button.ActiveColors.SetColor(clHighlightText);
  button.SetActiveColorsEnabled(false);
  button.SetFrameType(TFrameType::ftFlatFrame);
  button.SetFont(ShineCaptionFont(fontHeight));
  button.SetActiveFont(ShineActiveFont(fontHeight));
}

}  // namespace hanaroku
