#pragma once
// BannerWindow: the Win32 child window that shows a TMsgSCR (the scrolling
// banner MsgSCR1). It paints the model on WM_PAINT, lets the model draw
// straight onto it between repaints (the scroll steps) and tells the model
// its place and size.
#include "platform/win32/Win32Util.h"

#include <functional>

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

  // IMsgSCRView
  bool HasParent() const override;
  void PaintNow(const std::function<void(IPaintCanvas&)>& paint) override;
  void Invalidate() override;

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

 private:
  void OnPaint();
  void OnSize();
  void Detach() noexcept;

  HWND wnd_ = nullptr;
  TMsgSCR* model_ = nullptr;
};

}  // namespace hanaroku::win32
