#pragma once
// Colours and fonts as the program's own controls keep them: a colour is a
// plain 0x00BBGGRR value or a system colour (kSysColorFlag | SysColor) that is
// resolved on the canvas when painting; clNone means "not set".
#include "platform/Paint.h"

namespace hanaroku {

constexpr TColor SystemColorValue(SysColor c) noexcept { return kSysColorFlag | static_cast<TColor>(c); }

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBtnFace = SystemColorValue(SysColor::BtnFace);
inline constexpr TColor clBtnShadow = SystemColorValue(SysColor::BtnShadow);
inline constexpr TColor clBtnHighlight = SystemColorValue(SysColor::BtnHighlight);
inline constexpr TColor clBtnText = SystemColorValue(SysColor::BtnText);
inline constexpr TColor clWindowFrame = SystemColorValue(SysColor::WindowFrame);
inline constexpr TColor clHighlight = SystemColorValue(SysColor::Highlight);
inline constexpr TColor clHighlightText = SystemColorValue(SysColor::HighlightText);
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clOlive = 0x008080;

// A control's font: the face as the canvas draws it, and its colour.
struct ControlFont {
  PaintFont face;
  TColor color = clBtnText;
  bool operator==(const ControlFont&) const = default;
};

}  // namespace hanaroku
