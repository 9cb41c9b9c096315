#pragma once
// TMsgSCR: the scrolling verse banner, one line of text moving from right to
// left like a ticker. The message is drawn once into an off-screen picture
// (in the banner's font and colours, as wide as the message or the control,
// plus a margin); each tick of the timer only copies that picture two pixels
// further left, so scrolling costs no text layout.
//
// The banner runs while its timer is enabled (Show) with an Interval above 0;
// the main window keeps it enabled and runs and stops it through Interval
// (30 ms or 0). A repaint while running starts the message again from the
// right edge. Standing still, the message stays where it stopped (at the
// left edge before it first ran) and repaints show it there.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"

namespace hanaroku {

class IPaintCanvas;
class IPaintLayer;
class ITimer;

enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

inline constexpr TColor kClBtnFace = 0x8000000Fu;

// The banner's persistent properties (kept as MsgSCR1Component), as
// designed for MsgSCR1 on NNBar3.
struct MsgSCRProperties {
  std::string Msg = "くらきよりくらき道にぞ入りぬべきはるかに照らせ山の端の月 花守詠女";
  FontSpec Font{"ＭＳ 明朝", 17, false, false, false, false, 0xFFFFFF, 128};
  TColor Color = kClBtnFace;
  unsigned Interval = 0;  // scroll period in ms; 0: the banner stands still
  bool Show = true;
  TAlign Align = TAlign::alNone;
  int Left = 500, Top = 5, Width = 167, Height = 20;
  std::string Hint = "三首 六句 まで";
  bool operator==(const MsgSCRProperties&) const = default;
};

// The window that shows a banner.
class IMsgSCRView {
 public:
  virtual ~IMsgSCRView() = default;
  // Whether the banner sits on a parent window (it paints only then).
  virtual bool HasParent() const = 0;
  // Runs `paint` on the banner's client area at once, outside a repaint
  // (the scroll step draws straight onto the control).
  virtual void PaintNow(const std::function<void(IPaintCanvas&)>& paint) = 0;
  // Asks for a repaint.
  virtual void Invalidate() = 0;
};

class TMsgSCR {
 public:
  static constexpr int kStep = 2;                 // pixels per tick
  static constexpr unsigned kCreatedInterval = 100;

  // A new banner: the message "　", the timer disabled with a period of
  // 100 ms, Show false. The timer's callback is the scroll step; without a
  // timer the banner never ticks (Timer1Timer can still be called).
  explicit TMsgSCR(std::unique_ptr<ITimer> timer = nullptr);
  ~TMsgSCR();
  TMsgSCR(const TMsgSCR&) = delete;
  TMsgSCR& operator=(const TMsgSCR&) = delete;

  void SetTimer(std::unique_ptr<ITimer> timer);
  // The view must outlive the banner or be reset to null first.
  void SetView(IMsgSCRView* view);

  // ---- published properties ---------------------------------------------
  const std::string& Msg() const noexcept { return props_.Msg; }
  // Stores the text (line breaks and all; drawn as one line), makes it the
  // caption and rebuilds the picture.
  void SetMsg(std::string msg);
  const std::string& Caption() const noexcept { return props_.Msg; }
  // The timer's period; 0: the timer never ticks.
  unsigned Interval() const noexcept { return props_.Interval; }
  void SetInterval(unsigned ms);
  // True starts the scroll from the right edge; false stops the timer.
  bool Show() const noexcept { return props_.Show; }
  void SetShow(bool show);
  TColor Color() const noexcept { return props_.Color; }
  void SetColor(TColor color);
  const FontSpec& Font() const noexcept { return props_.Font; }
  void SetFont(const FontSpec& font);
  void SetFontColor(TColor color);
  const std::string& Hint() const noexcept { return props_.Hint; }
  TAlign Align() const noexcept { return props_.Align; }
  void SetAlign(TAlign align) noexcept { props_.Align = align; }
  // Place and size on the bar, in pixels.
  Rect BoundsRect() const noexcept;
  void SetBounds(int left, int top, int width, int height);

  // All persistent properties at once (the settings).
  const MsgSCRProperties& Properties() const noexcept { return props_; }
  void SetProperties(const MsgSCRProperties& props);

  // ---- state ------------------------------------------------------------
  bool TimerEnabled() const noexcept { return timerEnabled_; }
  bool Running() const noexcept { return timerEnabled_ && props_.Interval > 0; }
  int Position() const noexcept { return position_; }
  // The picture's width: the larger of the control's width and the text's,
  // plus half the font size in points.
  int ScrollLength() const noexcept { return scrollLength_; }
  // How often the picture was drawn (text laid out) so far.
  int PictureBuilds() const noexcept { return builds_; }

  // ---- platform events ----------------------------------------------------
  // The repaint: the panel's background, then the picture; while running
  // the message starts again from the right edge.
  void Paint(IPaintCanvas& canvas);
  // The font changed: repaint.
  void FontChanged();
  // One tick of the timer: two pixels to the left, back to the right edge
  // once the picture has passed the left edge.
  void Timer1Timer();

  // Half the character height in points, as the picture's trailing margin
  // (the points of a pixel height at 96 dots per inch).
  static int Margin(int fontHeightPixels) noexcept;

 private:
  void Start(IPaintCanvas& canvas);
  void Stop();
  // Draws the picture anew now when there is a view, else at the next paint.
  void Rebuild();
  void BuildPicture(IPaintCanvas& canvas);
  void DrawPicture(IPaintCanvas& canvas);
  void ApplyTimer();
  void Repaint();

  MsgSCRProperties props_;
  std::unique_ptr<ITimer> timer_;
  IMsgSCRView* view_ = nullptr;
  bool timerEnabled_ = false;
  std::unique_ptr<IPaintLayer> picture_;
  bool pictureStale_ = true;
  int scrollLength_ = 0;
  int position_ = 0;
  bool entered_ = false;  // the picture has moved since it was put at the right edge
  int builds_ = 0;
};

}  // namespace hanaroku
