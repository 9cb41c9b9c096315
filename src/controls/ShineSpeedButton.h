#pragma once
// TShineSpeedButton: the owner-drawn tool button that carries most commands.
// It paints a solid or gradient background, a flat, normal or enclosed 3-D
// frame, an optional glyph with light effects and a caption, changes its look
// under the mouse (active look) and while pressed, and can be one of a radio
// group. The model is portable: a host (a window, a tool bar cell) feeds it
// mouse, timer and character events in client coordinates and paints it on
// an IPaintCanvas when it asks for a repaint.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/ControlStyle.h"
#include "controls/ShineGlyph.h"
#include "platform/Timer.h"

namespace hanaroku {

class TShineSpeedButton;

// Shift state of a mouse event (the platform's key and button flags).
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                             ssDouble = 64;

enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// One of the three colour sets of a button. Each setter stores a changed
// value and tells the owner, which repaints.
class TShineBtnColors {
 public:
  explicit TShineBtnColors(TColor color, std::function<void()> changed = nullptr)
      : color_(color), changed_(std::move(changed)) {}
  TShineBtnColors(const TShineBtnColors&) = delete;
  TShineBtnColors& operator=(const TShineBtnColors&) = delete;

  TColor Highlight() const noexcept { return highlight_; }
  TColor Shadow() const noexcept { return shadow_; }
  TColor DarkShadow() const noexcept { return darkShadow_; }
  TColor GradColor() const noexcept { return gradColor_; }
  bool GradVertical() const noexcept { return gradVertical_; }
  bool Gradation() const noexcept { return gradation_; }
  TColor Color() const noexcept { return color_; }

  void SetHighlight(TColor v) { Set(highlight_, v); }
  void SetShadow(TColor v) { Set(shadow_, v); }
  void SetDarkShadow(TColor v) { Set(darkShadow_, v); }
  void SetGradColor(TColor v) { Set(gradColor_, v); }
  void SetGradVertical(bool v) { Set(gradVertical_, v); }
  void SetGradation(bool v) { Set(gradation_, v); }
  void SetColor(TColor v) { Set(color_, v); }

  // Copies all seven values from `source` and notifies this set's owner.
  void Assign(const TShineBtnColors& source);
  // Copies all seven values into `dest` and notifies dest's owner.
  void AssignTo(TShineBtnColors& dest) const { dest.Assign(*this); }

 private:
  template <class T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    Notify();
  }
  void Notify() const {
    if (changed_) changed_();
  }

  TColor highlight_ = clBtnHighlight;
  TColor shadow_ = clBtnShadow;
  TColor darkShadow_ = clWindowFrame;
  TColor gradColor_ = clBlue;
  bool gradVertical_ = false;
  bool gradation_ = false;
  TColor color_;
  std::function<void()> changed_;
};

enum class TFrameType : std::uint8_t { ftFlatFrame, ftNormalFrame, ftEnclosedFrame };
enum class TTextAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The look a button shows; the numbers are the drawing rules' state numbers.
enum class ShineState : std::uint8_t { PressedHover = 0, Pressed = 1, Hover = 2, Up = 3, Disabled = 4 };

// What a button needs of the window system around it.
class IShineButtonHost {
 public:
  virtual ~IShineButtonHost() = default;
  // The look changed: repaint soon.
  virtual void Invalidate() = 0;
  // Paint what is invalid now (the click hook shows its pressed look at once).
  virtual void Update() = 0;
  // The cursor in the button's client coordinates, and the keys held.
  virtual Point CursorPos() const = 0;
  virtual TShiftState KeyState() const { return 0; }
  // Whether the control under the cursor is this button.
  virtual bool UnderCursor() const = 0;
  // Whether some control holds the mouse capture.
  virtual bool MouseCaptured() const = 0;
  virtual void SetMouseCapture(bool capture) = 0;
  // Whether the button's parent is showing (accelerators need it).
  virtual bool ParentShowing() const { return true; }
  // Caption, hint, visibility or bounds changed (the host may relay them).
  virtual void PropertiesChanged() {}
};

// The notice a button sends to its group when its Down state, group index or
// AllowAllUp changes; every member of the parent receives it.
struct GroupNotice {
  int groupIndex = 0;
  bool allowAllUp = false;
  bool down = false;
  const void* sender = nullptr;
};

class IGroupMember {
 public:
  virtual ~IGroupMember() = default;
  virtual void ButtonPressed(const GroupNotice& notice) = 0;
};

// The controls of one parent that can share radio groups: shine buttons and
// any other button kind that implements IGroupMember.
class ButtonGroupParent {
 public:
  void Add(IGroupMember* member);
  void Remove(IGroupMember* member) noexcept;
  void Broadcast(const GroupNotice& notice);

 private:
  std::vector<IGroupMember*> members_;
};

class TShineSpeedButton final : public IGroupMember {
 public:
  using MouseEvent = std::function<void(TShineSpeedButton&, TShiftState, Point)>;
  using MouseButtonEvent = std::function<void(TShineSpeedButton&, TMouseButton, TShiftState, Point)>;

  static constexpr unsigned HoverCheckInterval = 200;  // ms
  static constexpr int DefaultSize = 25;

  // The hover timer catches a leave the platform did not report; without one
  // the button relies on the platform's leave notifications alone.
  explicit TShineSpeedButton(std::unique_ptr<ITimer> hoverTimer = nullptr);
  ~TShineSpeedButton() override;
  TShineSpeedButton(const TShineSpeedButton&) = delete;
  TShineSpeedButton& operator=(const TShineSpeedButton&) = delete;

  void SetHost(IShineButtonHost* host) noexcept { host_ = host; }
  // Joins the parent's radio groups (nullptr leaves them).
  void SetGroupParent(ButtonGroupParent* parent);

  // ---- colour sets -----------------------------------------------------------
  TShineBtnColors Colors{clBtnFace, [this] { Changed(); }};
  TShineBtnColors PressedColors{clBtnHighlight, [this] { Changed(); }};
  TShineBtnColors ActiveColors{clHighlightText, [this] { Changed(); }};

  // ---- properties ------------------------------------------------------------
  int GroupIndex() const noexcept { return groupIndex_; }
  void SetGroupIndex(int v);
  bool ShowAccelChar() const noexcept { return showAccelChar_; }
  void SetShowAccelChar(bool v) { Set(showAccelChar_, v); }
  TTextAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TTextAlignment v) { Set(alignment_, v); }
  int AlMargin() const noexcept { return alMargin_; }
  void SetAlMargin(int v) { Set(alMargin_, v); }
  bool Down() const noexcept { return down_; }
  void SetDown(bool v);
  bool ActionCheckedDown() const noexcept { return actionCheckedDown_; }
  void SetActionCheckedDown(bool v) { actionCheckedDown_ = v; }
  bool ClickDownHook() const noexcept { return clickDownHook_; }
  void SetClickDownHook(bool v) { clickDownHook_ = v; }
  bool AccelCharDown() const noexcept { return accelCharDown_; }
  void SetAccelCharDown(bool v) { Set(accelCharDown_, v); }
  TFrameType FrameType() const noexcept { return frameType_; }
  void SetFrameType(TFrameType v) { Set(frameType_, v); }
  bool Transparent() const noexcept { return transparent_; }
  void SetTransparent(bool v) { Set(transparent_, v); }
  bool ActiveFrame() const noexcept { return activeFrame_; }
  void SetActiveFrame(bool v) { Set(activeFrame_, v); }
  bool UpFrame() const noexcept { return upFrame_; }
  void SetUpFrame(bool v) { Set(upFrame_, v); }
  bool DownFrame() const noexcept { return downFrame_; }
  void SetDownFrame(bool v) { Set(downFrame_, v); }
  TActiveLight ActiveImage() const noexcept { return activeImage_; }
  void SetActiveImage(TActiveLight v) { Set(activeImage_, v); }
  TDrawImage UpImage() const noexcept { return upImage_; }
  void SetUpImage(TDrawImage v) { Set(upImage_, v); }
  TDrawImage DownImage() const noexcept { return downImage_; }
  void SetDownImage(TDrawImage v) { Set(downImage_, v); }
  TDrawImage DisabledImage() const noexcept { return disabledImage_; }
  void SetDisabledImage(TDrawImage v) { Set(disabledImage_, v); }
  TColor DisabledHighlight() const noexcept { return disabledHighlight_; }
  void SetDisabledHighlight(TColor v) { Set(disabledHighlight_, v); }
  TColor DisabledShadow() const noexcept { return disabledShadow_; }
  void SetDisabledShadow(TColor v) { Set(disabledShadow_, v); }
  bool ActiveColorsEnabled() const noexcept { return activeColorsEnabled_; }
  void SetActiveColorsEnabled(bool v) { Set(activeColorsEnabled_, v); }
  TColor ShineColor() const noexcept { return shineColor_; }
  void SetShineColor(TColor v) { Set(shineColor_, v); }
  const ControlFont& Font() const noexcept { return font_; }
  void SetFont(const ControlFont& v) { Set(font_, v); }
  TColor FontHighlight() const noexcept { return fontHighlight_; }
  void SetFontHighlight(TColor v) { Set(fontHighlight_, v); }
  TColor FontShadow() const noexcept { return fontShadow_; }
  void SetFontShadow(TColor v) { Set(fontShadow_, v); }
  const ControlFont& ActiveFont() const noexcept { return activeFont_; }
  void SetActiveFont(const ControlFont& v) { Set(activeFont_, v); }
  bool AllowAllUp() const noexcept { return allowAllUp_; }
  void SetAllowAllUp(bool v);
  TButtonLayout Layout() const noexcept { return layout_; }
  void SetLayout(TButtonLayout v) { Set(layout_, v); }
  int Margin() const noexcept { return margin_; }
  void SetMargin(int v) { Set(margin_, v); }
  int Spacing() const noexcept { return spacing_; }
  void SetSpacing(int v) { Set(spacing_, v); }
  const ShineGlyph& Glyph() const noexcept { return glyph_; }
  void SetGlyph(ShineGlyph v);

  // The usual control properties.
  const std::string& Caption() const noexcept { return caption_; }  // UTF-8
  void SetCaption(std::string v);
  const std::string& Hint() const noexcept { return hint_; }
  void SetHint(std::string v);
  bool Enabled() const noexcept { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const noexcept { return visible_; }
  void SetVisible(bool v);
  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  void SetSize(int width, int height);

  // An attached action's checked state and image (with ActionCheckedDown).
  void ActionChanged(bool checked, const ShineGlyph& image);

  // ---- events ------------------------------------------------------------------
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  MouseEvent OnMouseEnter, OnMouseLeave, OnMouseMove;
  MouseButtonEvent OnMouseDown, OnMouseUp;

  // ---- input from the host (client coordinates) -------------------------------
  void MouseDown(TMouseButton button, TShiftState shift, Point p);
  void MouseMove(TShiftState shift, Point p);
  void MouseUp(TMouseButton button, TShiftState shift, Point p);
  void DoubleClick(TShiftState shift, Point p);
  void MouseEnter();
  void MouseLeave();
  // The host lost the mouse capture while the button was pressed (another
  // window took it): the press ends without a click.
  void CaptureLost();
  // A dialog character (Alt+key); true when the button took it.
  bool DialogChar(char32_t ch);
  // Runs the click, with the pressed look when ClickDownHook is set.
  void Click();
  // Font, caption or system colours changed outside the button.
  void Changed();

  // ---- state, for the host and tests ------------------------------------------
  ShineState State() const noexcept { return state_; }
  bool Hovering() const noexcept { return hover_; }
  bool Pressed() const noexcept { return pressed_; }
  bool HoverTimerRunning() const noexcept { return timer_ && timer_->Interval() != 0; }
  // The accelerator character of the caption ("&x"), or 0.
  char32_t AccelChar() const;

  // Paints the whole button at (0, 0) .. (Width, Height).
  void Paint(IPaintCanvas& canvas) const;

  void ButtonPressed(const GroupNotice& notice) override;

 private:
  template <class T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = std::move(value);
    Changed();
  }
  void SetState(ShineState s);
  void StartHoverTimer();
  void StopHoverTimer();
  void HoverTick();
  void EnterHandling(TShiftState shift, Point p);
  void LeaveHandling(TShiftState shift, Point p);
  void ResyncHover(TShiftState shift, Point p);
  void TellGroup();
  void PropertiesChanged();
  bool StrictlyInside(Point p) const noexcept;
  bool Inside(Point p) const noexcept;

  std::unique_ptr<ITimer> timer_;
  IShineButtonHost* host_ = nullptr;
  ButtonGroupParent* groupParent_ = nullptr;

  int groupIndex_ = 0;
  bool showAccelChar_ = true;
  TTextAlignment alignment_ = TTextAlignment::taCenter;
  int alMargin_ = -1;
  bool down_ = false;
  bool actionCheckedDown_ = false;
  bool clickDownHook_ = false;
  bool accelCharDown_ = false;
  TFrameType frameType_ = TFrameType::ftNormalFrame;
  bool transparent_ = false;
  bool activeFrame_ = true, upFrame_ = true, downFrame_ = true;
  TActiveLight activeImage_ = TActiveLight::aiFrameLight;
  TDrawImage upImage_ = TDrawImage::diDefault, downImage_ = TDrawImage::diDefault,
             disabledImage_ = TDrawImage::diDefault;
  TColor disabledHighlight_ = clBtnHighlight, disabledShadow_ = clBtnShadow;
  bool activeColorsEnabled_ = false;
  TColor shineColor_ = clYellow;
  ControlFont font_{PaintFont{}, clBtnText};
  TColor fontHighlight_ = clNone, fontShadow_ = clNone;
  ControlFont activeFont_{PaintFont{}, clHighlight};
  bool allowAllUp_ = false;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1, spacing_ = 4;
  ShineGlyph glyph_;
  std::string caption_, hint_;
  bool enabled_ = true, visible_ = true;
  int width_ = DefaultSize, height_ = DefaultSize;

  // Expires with the button: code that runs a handler checks it afterwards.
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
  ShineState state_ = ShineState::Up;
  bool hover_ = false;
  bool pressed_ = false;
};

// ---- painting helpers, shared with tests -------------------------------------

// The colour of gradient row (or column) `step` of `steps`: every channel
// start + step * (end - start) / steps, truncated toward zero.
TColor GradientStep(TColor start, TColor end, int step, int steps) noexcept;

// Positions of glyph and caption in a button (Layout, Margin, Spacing,
// AlMargin). An empty glyph or caption has size 0 x 0.
struct ShineLayout {
  Rect glyph;    // where the glyph goes (empty without one)
  Rect caption;  // the caption's rectangle before the pressed offset
};
ShineLayout LayoutShineButton(Size client, Size glyph, Size text, TButtonLayout layout, int margin, int spacing,
                              int alMargin) noexcept;

// The caption with its accelerator prefixes processed: "&&" -> "&", "&x" -> x.
// accelIndex receives the character index (UTF-16) of the accelerator, or -1.
std::string StripAccelPrefixes(std::string_view caption, int* accelIndex = nullptr);

}  // namespace hanaroku
