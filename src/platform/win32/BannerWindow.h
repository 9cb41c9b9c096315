#pragma once
// BannerWindow: the Win32 child window that shows a TMsgSCR (the scrolling
// banner MsgSCR1). It paints the model on WM_PAINT, lets the model draw
// straight onto it between repaints (the scroll steps), tells the model its
// size, and reports the banner's hint while the mouse is over it.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <string>

#include "verse/MsgSCR.h"

namespace hanaroku::win32 {

class BannerWindow final : public IMsgSCRView {
 public:
  static constexpr const wchar_t* kClassName = L"HanarokuMsgSCR";

  BannerWindow() = default;
  ~BannerWindow() override;
  BannerWindow(const BannerWindow&) = delete;
  BannerWindow& operator=(const BannerWindow&) = delete;

  // Creates the banner as a visible child of parent at r (parent's client
  // coordinates) and attaches it to the model. Throws std::runtime_error when
  // the window cannot be created.
  HWND Create(HWND parent, TMsgSCR& model, const RECT& r);
  HWND Handle() const noexcept { return wnd_; }
  // The hint handler gets the banner's hint while the mouse is over it and
  // an empty text when it leaves.
  void SetHintHandler(std::function<void(const std::string&)> handler) { onHint_ = std::move(handler); }

  // IMsgSCRView
  bool HasParent() const override;
  void PaintNow(const std::function<void(IPaintCanvas&)>& paint) override;
  void Invalidate() override;

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

 private:
  void OnPaint();
  void OnSize();
  void OnMouseMove();
  void OnMouseLeave();
  void Detach() noexcept;

  HWND wnd_ = nullptr;
  TMsgSCR* model_ = nullptr;
  std::function<void(const std::string&)> onHint_;
  bool tracking_ = false;
};

}  // namespace hanaroku::win32
