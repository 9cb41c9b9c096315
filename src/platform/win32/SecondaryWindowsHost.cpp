#include "platform/win32/SecondaryWindowsHost.h"

namespace hanaroku::win32 {

SecondaryWindowsHost::~SecondaryWindowsHost() {
  // The windows go before the models they show.
  about_.reset();
  grid_.reset();
  windows_.SetHost(nullptr);
}

void SecondaryWindowsHost::CreateAboutBox(TAboutBox& box) {
  about_ = std::make_unique<AboutBoxWindow>();
  about_->Create(owner_, box, [this] {
    about_.reset();
    windows_.AboutBoxClosed();
  });
}

void SecondaryWindowsHost::CreateCountGrid(TForm2& form) {
  grid_ = std::make_unique<CountGridWindow>();
  grid_->Create(owner_, form, [this] {
    grid_.reset();
    windows_.CountGridClosed();
  });
}

bool SecondaryWindowsHost::PreTranslate(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  for (HWND wnd : {about_ ? about_->Handle() : nullptr, grid_ ? grid_->Handle() : nullptr}) {
    if (!wnd || (msg.hwnd != wnd && !::IsChild(wnd, msg.hwnd))) continue;
    if (msg.message == WM_SYSCHAR && ShineButtonWindow::DispatchDialogChar(wnd, static_cast<wchar_t>(msg.wParam)))
      return true;
    return ::IsDialogMessageW(wnd, &msg) != 0;
  }
  return false;
}

void SecondaryWindowsHost::ShowAboutBox() {
  if (about_) about_->Show();
}

void SecondaryWindowsHost::ShowCountGrid() {
  if (grid_) grid_->Show();
}

}  // namespace hanaroku::win32
