#pragma once
// A child window hosting one TShineSpeedButton: mouse messages, capture and
// the platform's leave notification go to the model, the hover timer is a
// window timer, and the window repaints (double-buffered, through
// GdiCanvas) whenever the model reports a change. The model stays enabled
// or disabled by its own Enabled: the window itself is always enabled so a
// disabled button still shows its hint.
//
// On a dialog it stands for a push button: with a tab stop it takes the
// focus from the keyboard (never from a click, so an edit box keeps its
// selection for the button), shows a focus rectangle, and Enter or Space
// press it; BM_CLICK presses it as it does a push button; and with
// NotifyParent its click is the parent's WM_COMMAND (id, BN_CLICKED).
#include "platform/win32/Win32Util.h"  // first: windows.h without its clashing macros

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "controls/ShineSpeedButton.h"
#include "platform/win32/Gdi.h"

namespace hanaroku::win32 {

class ShineButtonWindow final : private IShineButtonHost {
 public:
  ShineButtonWindow();
  ~ShineButtonWindow() override;
  ShineButtonWindow(const ShineButtonWindow&) = delete;
  ShineButtonWindow& operator=(const ShineButtonWindow&) = delete;

  // Creates the window at r (parent's client coordinates), visible unless the
  // model is not. Throws std::runtime_error when the window cannot be made.
  void Create(HWND parent, int id, const RECT& r);
  HWND Handle() const noexcept { return wnd_; }
  TShineSpeedButton& Model() noexcept { return model_; }
  const TShineSpeedButton& Model() const noexcept { return model_; }

  // The click handler (TShineSpeedButton::OnClick). It may destroy this
  // window and its owner.
  void SetOnClick(std::function<void()> click) { model_.OnClick = std::move(click); }
  // Told when the mouse comes over the window (true) and leaves it (false),
  // whether the button is enabled or not: a host that keeps the hints itself.
  void SetOnHover(std::function<void(bool inside)> hover) { hover_ = std::move(hover); }
  // Before Create: Tab reaches the button (WS_TABSTOP).
  void SetTabStop(bool tabStop) noexcept { tabStop_ = tabStop; }
  // The click sends the parent WM_COMMAND (the window's id, BN_CLICKED), as
  // a push button's does; call after Create.
  void NotifyParent();
  void SetBounds(const RECT& r);

  // Hands a dialog character (Alt+key) to the first button below root that
  // takes it; true when one did.
  static bool DispatchDialogChar(HWND root, wchar_t ch);
  // The button hosted by wnd, or null when wnd is not a button window.
  static ShineButtonWindow* FromHandle(HWND wnd) noexcept;

 private:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void PaintInto(HDC target);
  void OnMouseMove(LPARAM lp, WPARAM wp);
  void OnMouseLeave();
  LRESULT DialogCode(const MSG* msg) const;
  void KeyClick();

  // IShineButtonHost
  void Invalidate() override;
  void Update() override;
  Point CursorPos() const override;
  TShiftState KeyState() const override;
  bool UnderCursor() const override;
  bool MouseCaptured() const override;
  void SetMouseCapture(bool capture) override;
  bool ParentShowing() const override;
  void PropertiesChanged() override;

  HWND wnd_ = nullptr;
  TShineSpeedButton model_;
  std::function<void(bool)> hover_;
  BackBuffer buffer_;
  bool tracking_ = false;   // TrackMouseEvent asked for the leave
  bool releasing_ = false;  // our own ReleaseCapture is under way
  bool tabStop_ = false;
  bool spaceDown_ = false;  // Space went down on the focused button
  std::string shownCaption_, shownHint_;  // as the window knows them
};

// A push button of a secondary window: the windows' look with captions of
// `fontHeight` pixels, the caption and hint, a tab stop, and its click the
// parent's WM_COMMAND (id, BN_CLICKED). Throws when it cannot be made.
std::unique_ptr<ShineButtonWindow> CreateDialogButton(HWND parent, int id, const RECT& r, std::string_view caption,
                                                      std::string_view hint, int fontHeight = 12);

}  // namespace hanaroku::win32
