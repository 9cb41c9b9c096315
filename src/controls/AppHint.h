#pragma once
// TAppHintN: the application's hint window, its look and its timing.
//
// THintEx is the window that shows every hint while a TAppHintN exists: a
// speech balloon with a pointer at its top left (hsFukidashi), a rounded box
// (hsRoundRect), a text hung on a drawn line (hsLineString) or whatever the
// owner draws (hsOwnerDraw). What is portable here: the settings, the shape
// of the window (its size, region and outline) for a hint rectangle, the
// drawing on a canvas, and the pauses (THintTimingModel) that decide when the
// hint of the control under the mouse shows and hides.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/ControlStyle.h"
#include "platform/Timer.h"

namespace hanaroku {

enum class THintStyle : std::uint8_t { hsFukidashi, hsRoundRect, hsLineString, hsOwnerDraw };

struct THintBrush {
  TColor color = 0x800000;
  bool solid = true;  // false: a clear brush
  bool operator==(const THintBrush&) const = default;
};

struct THintPen {
  TColor color = clBlack;
  int width = 1;
  bool operator==(const THintPen&) const = default;
};

// The settings of the application's hint window.
struct TAppHintN {
  using PaintEvent = std::function<void(std::string_view hint, IPaintCanvas& canvas, Size size)>;

  TColor BGColor = 0;  // text background when the brush is not solid
  THintBrush Brush;
  ControlFont Font{PaintFont{}, 0x00FF00};
  unsigned HintPause = 500, HintHidePause = 2500, HintShortPause = 50;  // ms
  THintStyle HintStyle = THintStyle::hsFukidashi;
  THintPen Pen;
  TColor ShadowColor = 0xFF0000;
  bool ShadowVisible = true;
  PaintEvent OnPaint;  // the drawing of hsOwnerDraw
};

// The main window's AppHintN1.
TAppHintN MainWindowAppHint();

// The region a hint window installs.
struct HintRegion {
  enum class Kind : std::uint8_t { None, Polygon, RoundRect, Rectangle };
  Kind kind = Kind::None;
  std::vector<Point> polygon;  // Kind::Polygon
  Rect rect;                   // Kind::RoundRect (with 8 x 8 corners) and Kind::Rectangle
  bool operator==(const HintRegion&) const = default;
};

// The window of one hint: its screen rectangle after the style has grown it,
// the region and whether the background is erased.
struct HintShape {
  Rect bounds;
  HintRegion region;
  bool eraseBackground = true;
};

// THintEx's activation with the hint rectangle (screen coordinates).
HintShape ActivateHintShape(THintStyle style, const Rect& hintRect);

// The outline the balloon draws in a window of width w and height h.
std::vector<Point> BalloonOutline(int w, int h);

// The size of the hint rectangle for a text: the broken lines' extent and a
// margin of 6 x 2, as the platform's hint window measures it; maxWidth is
// the widest a line may be.
Size HintTextSize(IPaintCanvas& canvas, std::string_view hint, const PaintFont& font, int maxWidth);

// The text broken into lines that fit maxWidth: at line breaks, after a space
// where one fits, else between characters; never an empty line from a break
// inside a word, never a character lost.
std::vector<std::string> BreakHintLines(IPaintCanvas& canvas, std::string_view hint, const PaintFont& font,
                                        int maxWidth);

// Draws the hint window of `size` (client coordinates from 0, 0).
void PaintHint(IPaintCanvas& canvas, const TAppHintN& settings, std::string_view hint, Size size);

// When the hint of the control under the mouse shows and hides. A control
// (any key the host chooses) reports the mouse entering with its hint and
// leaving; the hint shows after HintPause (HintShortPause when another hint
// was showing a moment ago), hides after HintHidePause, on leaving and on a
// press, and does not come back until the mouse enters another control.
class THintTimingModel {
 public:
  using Key = std::uintptr_t;

  // Called to show (text) or hide ("") the hint window.
  std::function<void(const std::string& text)> OnShow;
  std::function<void()> OnHide;

  THintTimingModel(std::unique_ptr<ITimer> timer, const TAppHintN* settings);
  ~THintTimingModel();
  THintTimingModel(const THintTimingModel&) = delete;
  THintTimingModel& operator=(const THintTimingModel&) = delete;

  void MouseEnter(Key control, std::string hint);
  void MouseLeave(Key control);
  void TextChanged(Key control, std::string hint);
  void Cancel();
  // The hint window went away on its own (destroyed, another app's window).
  void Hidden();

  bool Showing() const noexcept { return phase_ == Phase::Showing; }
  bool Waiting() const noexcept { return phase_ == Phase::Waiting; }
  const std::string& Text() const noexcept { return text_; }
  Key Current() const noexcept { return current_; }

 private:
  enum class Phase : std::uint8_t { Idle, Waiting, Showing, Recent, Cancelled };
  void Tick();
  void Start(unsigned ms);
  void Hide(Phase next);
  void Show();

  std::unique_ptr<ITimer> timer_;
  const TAppHintN* settings_;
  Phase phase_ = Phase::Idle;
  Key current_ = 0;
  std::string text_;
};

}  // namespace hanaroku
