#pragma once
// THWaSpeedButton: the flat picture button of the right pane's tool bar.
// It looks like the platform's flat speed button (no frame until the mouse
// is over it, a raised edge then, sunken while pressed, the picture moved by
// one pixel while down) and adds FlatStyle: fsNetscape4 draws a raised edge
// with a black frame under the mouse and a black frame with a sunken edge
// while pressed; fsOffice97 adds nothing.
#include <cstdint>
#include <string>

#include "controls/DrawnControl.h"

namespace hanaroku {

enum class TFlatStyle : std::uint8_t { fsOffice97, fsNetscape4 };

// The greyed copy of a picture shown on a disabled button.
std::string DisabledPictureName(std::string_view picture);

class THWaSpeedButton final : public IDrawnControl {
 public:
  std::string Caption;   // UTF-8; drawn when there is no glyph
  std::string Glyph;     // a picture of the program's set
  PaintFont Font;
  TColor FontColor = kSysColorFlag | static_cast<TColor>(SysColor::BtnText);
  TColor Color = kSysColorFlag | static_cast<TColor>(SysColor::BtnFace);
  bool Flat = true;
  TFlatStyle FlatStyle = TFlatStyle::fsOffice97;

  bool Enabled() const noexcept { return enabled_; }
  bool MouseInside() const noexcept { return mouseInside_; }
  // Pressed with the pointer on the button: the down look.
  bool IsDown() const noexcept { return pressed_ && pointerOver_; }

  void Paint(IPaintCanvas& canvas, Size size) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(Point p) override;
  void MouseMove(Point p, Size size) override;
  bool MouseUp(Point p, Size size) override;
  void CaptureLost() override;
  void SetEnabled(bool enabled) override;

 private:
  void PaintContent(IPaintCanvas& canvas, const Rect& client, bool down);

  bool enabled_ = true;
  bool mouseInside_ = false;
  bool pressed_ = false;
  bool pointerOver_ = false;
};

}  // namespace hanaroku
