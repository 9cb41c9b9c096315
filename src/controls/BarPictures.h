#pragma once
// The pictures of the tool bars' grips and tabs (TActiveImage): a grip is two
// raised ridges down the bar's left edge; a tab is a small raised flap with
// the bar's name. Each has a lit form shown while the mouse is over it.
#include <string>

#include "controls/DrawnControl.h"

namespace hanaroku {

TPicture GripPicture(bool lit);
TPicture TabPicture(std::string caption, bool lit);

// The lit look's colours: a pale face and a red caption.
inline constexpr TColor kLitFace = 0xE8F4FF;
inline constexpr TColor kLitText = 0x0000E0;

}  // namespace hanaroku
