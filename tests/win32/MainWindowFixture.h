#pragma once
// The real main window for the Wine tests: made in a scratch folder (closed
// without the close query, so no settings file is written), with helpers to
// pump its messages, click its tool bars' controls and read its status bar.
#include "TestUtil.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Encoding.h"
#include "platform/win32/MainWindow.h"

namespace hanaroku::win32::test {

// What is queued; with a main window through the program's loop, which
// shows every message to the window first (menu shortcuts, the keys of the
// find dialogs).
inline void PumpMain(MainWindow* main = nullptr) {
  MSG msg;
  for (int i = 0; i < 1000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) continue;  // posted by a main window going away
    if (main && main->PreTranslate(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

inline std::string PanelText(HWND main, int index) {
  HWND bar = ::FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
  LRESULT r = ::SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  std::wstring text(LOWORD(r) + 1, L'\0');
  ::SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(LOWORD(r));
  return enc::Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

// True for the stopwatch's "hh:mm:ss:mmm".
inline bool IsElapsedText(const std::string& s) {
  if (s.size() != 12) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool colon = i == 2 || i == 5 || i == 8;
    if (colon ? s[i] != ':' : (s[i] < '0' || s[i] > '9')) return false;
  }
  return true;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    main_ = std::make_unique<MainWindow>();
    main_->Create(dir_.File("hanaroku.exe"));
    main_->Show(SW_SHOWNORMAL);
    PumpMain();
  }
  void TearDown() override {
    main_.reset();
    PumpMain();
  }
  MainWindow& Main() { return *main_; }
  TMainForm1& Form() { return main_->Form(); }
  const ScratchDir& Dir() const { return dir_; }
  void Pump() { PumpMain(main_.get()); }

  // A press and release in the middle of the control's window.
  void Click(std::string_view control) {
    HWND wnd = Main().ControlWindow(control);
    ASSERT_NE(wnd, nullptr) << control;
    ClickCentre(wnd);
    PumpMain();
  }

 private:
  ScratchDir dir_;
  std::unique_ptr<MainWindow> main_;
};

// The same with the left pane shown.
class LeftPaneShownTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Form().Execute(Command::ShineSpeedButton2Click);
    PumpMain();
  }
};

}  // namespace hanaroku::win32::test
