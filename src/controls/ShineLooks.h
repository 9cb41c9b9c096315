#pragma once
// The looks of the gradient buttons: one family of vertical gradients, one
// hue per tool bar and one for the secondary windows, all with flat frames,
// white bold "ＭＳ 明朝" captions that turn to red "ＭＳ ゴシック" under the
// mouse, and a pale pressed look of the same hue.
#include <cstdint>

#include "controls/ShineSpeedButton.h"

namespace hanaroku {

enum class ShineLookId : std::uint8_t {
  RightBar,   // NNBar1, right-pane commands: indigo (藍)
  LeftBar,    // NNBar3, left-pane commands: pine green (松葉)
  ColourBar,  // NNBar4, colour-string commands: dark plum (蘇芳)
  HtmlBar,    // NNBer5, HTML commands: umber (黄櫨)
  Window,     // About and settings, count grid: wisteria grey (藤鼠)
};

struct ShineLook {
  TColor top, bottom;              // Colors: vertical gradient
  TColor pressedTop, pressedBottom; // PressedColors: vertical gradient
  TColor highlight, shadow;        // flat frame edges
};

const ShineLook& LookOf(ShineLookId id) noexcept;

// Caption fonts of the family (the caption height in pixels).
ControlFont ShineCaptionFont(int height = 14);
ControlFont ShineActiveFont(int height = 14);

// Gives the button the look: colour sets, flat frame and caption fonts.
// Caption, hint, size and the click stay as they are.
void ApplyShineLook(TShineSpeedButton& button, ShineLookId id, int fontHeight = 14);

}  // namespace hanaroku
