#pragma once
// Colours of the page settings. In the page a colour is text: #RRGGBB or an
// HTML colour name. The colour dialog speaks the platform's 0x00BBGGRR,
// named like the platform's colour constants ("clRed") or written as
// $00BBGGRR.
#include <optional>
#include <string>
#include <string_view>

#include "platform/Canvas.h"

namespace hanaroku {

// The name under which a colour chosen in the colour dialog is handed to
// ChangeColorF: one of the sixteen standard colour constants ("clBlack",
// "clMaroon", ... "clWhite") when the value is one of them, else
// "$00BBGGRR" in upper-case hexadecimal. The platform's other colour names
// (clMoneyGreen, clCream, ...) have no HTML name and would go into the page
// as they are, so they are written in hexadecimal too.
std::string DialogColorName(TColor c);

// ChangeColorF: a colour name as DialogColorName gives it into a page colour.
// "$00BBGGRR" becomes "#RRGGBB" (characters 8-9, 6-7 and 4-5); a standard
// constant becomes its HTML name ("clLtGray" " Lightgrey", with its leading
// space); any other "cl" name passes unchanged ("clBtnFace").
std::string ChangeColorF(std::string_view name);

// The preset of the colour dialog for a page colour: for "#RRGGBB" the value
// 0x00BBGGRR; nullopt when the value is not of that form (a colour name),
// and the dialog keeps the colour it showed last. A value of seven
// characters beginning with "#" whose digits are not hexadecimal throws
// std::invalid_argument with a message for the user.
std::optional<TColor> ColorDialogPreset(std::string_view pageColor);

}  // namespace hanaroku
