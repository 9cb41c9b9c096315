// The gradient button window: posted mouse messages reach the model, a click
// fires once, a drag off and back changes the look, the gradient is painted.
#include "platform/win32/Win32Util.h"  // first: windows.h

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/ShineLooks.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/HintWindow.h"
#include "platform/win32/ShineButtonWindow.h"
#include "TestUtil.h"

namespace hanaroku::win32 {
namespace {

using test::MouseXy;
using test::PumpMessages;
using test::PumpUntil;

LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return ::DefWindowProcW(wnd, msg, wp, lp); }

HWND CreateHost() {
  HINSTANCE inst = ::GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = inst;
  wc.lpszClassName = L"ShineButtonTestHost";
  wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  ::RegisterClassW(&wc);
  return ::CreateWindowExW(0, L"ShineButtonTestHost", L"shine test", WS_POPUP | WS_VISIBLE, 40, 40, 200, 80,
                           nullptr, nullptr, inst, nullptr);
}

COLORREF PixelOf(HWND wnd, int x, int y) {
  WindowDc screen(wnd);
  MemoryDc dc(screen.Get());
  BitmapPtr bitmap(::CreateCompatibleBitmap(screen.Get(), 40, 40));
  SelectGuard sel(dc.Get(), bitmap.get());
  ::SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  return ::GetPixel(dc.Get(), x, y);
}

class ShineButtonWindowTest : public ::testing::Test {
 protected:
  // One host for the suite: making a top-level window is slow under Wine.
  static void SetUpTestSuite() { host_ = CreateHost(); }
  static void TearDownTestSuite() {
    if (host_) ::DestroyWindow(host_);
    host_ = nullptr;
    PumpMessages();
  }
  void SetUp() override {
    ASSERT_NE(host_, nullptr);
    button_ = std::make_unique<ShineButtonWindow>();
    button_->Model().SetCaption("萬");
    button_->Model().SetHint("万葉仮名に変換");
    ApplyShineLook(button_->Model(), ShineLookId::LeftBar);
    button_->SetOnClick([this] { ++clicks_; });
    button_->Create(host_, 1001, RECT{10, 10, 33, 33});
    PumpMessages();
  }
  void TearDown() override {
    button_.reset();
    PumpMessages();
  }
  // Puts the real cursor over the button (a leave follows at once where it
  // is elsewhere) and tells the button.
  void Hover() {
    RECT r{};
    ::GetWindowRect(button_->Handle(), &r);
    ::SetCursorPos(r.left + 8, r.top + 8);
    Send(WM_MOUSEMOVE, 0, 8, 8);
  }
  void Send(UINT msg, WPARAM keys, int x, int y) {
    ::PostMessageW(button_->Handle(), msg, keys, MouseXy(x, y));
    PumpMessages();
  }

  static inline HWND host_ = nullptr;
  std::unique_ptr<ShineButtonWindow> button_;
  int clicks_ = 0;
};

TEST_F(ShineButtonWindowTest, APostedClickFiresOnce) {
  EXPECT_EQ(button_->Model().Width(), 23);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 8, 8);
  EXPECT_EQ(button_->Model().State(), ShineState::PressedHover);
  EXPECT_EQ(::GetCapture(), button_->Handle());
  Send(WM_LBUTTONUP, 0, 8, 8);
  EXPECT_EQ(clicks_, 1);
  EXPECT_NE(::GetCapture(), button_->Handle());
  EXPECT_FALSE(button_->Model().Pressed());
}

TEST_F(ShineButtonWindowTest, DragOffAndBackThenReleaseOutsideDoesNotClick) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 8, 8);
  Send(WM_MOUSEMOVE, MK_LBUTTON, 60, 8);
  EXPECT_EQ(button_->Model().State(), ShineState::Up);
  Send(WM_MOUSEMOVE, MK_LBUTTON, 9, 9);
  EXPECT_EQ(button_->Model().State(), ShineState::PressedHover);
  Send(WM_MOUSEMOVE, MK_LBUTTON, 60, 8);
  Send(WM_LBUTTONUP, 0, 60, 8);
  EXPECT_EQ(clicks_, 0);
  EXPECT_NE(::GetCapture(), button_->Handle());
}

TEST_F(ShineButtonWindowTest, AClickThatDestroysTheButtonEndsCleanly) {
  button_->SetOnClick([this] { button_.reset(); });
  HWND wnd = button_->Handle();
  ::PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MouseXy(5, 5));
  ::PostMessageW(wnd, WM_LBUTTONUP, 0, MouseXy(5, 5));
  PumpMessages();
  EXPECT_EQ(button_, nullptr);
  EXPECT_FALSE(::IsWindow(wnd));
}

TEST_F(ShineButtonWindowTest, PaintsTheGradientAndFollowsDisabling) {
  const ShineLook& look = LookOf(ShineLookId::LeftBar);
  // Row 1 below the frame's top edge: one step from the top colour.
  EXPECT_EQ(PixelOf(button_->Handle(), 5, 1), GradientStep(look.top, look.bottom, 1, 23));
  EXPECT_EQ(PixelOf(button_->Handle(), 5, 0), look.highlight);
  button_->Model().SetEnabled(false);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 8, 8);
  Send(WM_LBUTTONUP, 0, 8, 8);
  EXPECT_EQ(clicks_, 0);
  button_->Model().SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(button_->Handle()));
}

TEST_F(ShineButtonWindowTest, DialogCharactersReachTheButtonWithThatAccelerator) {
  button_->Model().SetCaption("&K");
  EXPECT_FALSE(ShineButtonWindow::DispatchDialogChar(host_, L'x'));
  EXPECT_TRUE(ShineButtonWindow::DispatchDialogChar(host_, L'k'));
  EXPECT_EQ(clicks_, 1);
}

TEST_F(ShineButtonWindowTest, TheBalloonHintComesAfterThePauseWithItsRegionAndGoesOnLeaving) {
  Hover();
  EXPECT_FALSE(HintWindowShowing());  // not before the pause
  ASSERT_TRUE(PumpUntil([] { return HintWindowShowing(); }, 3000));
  HWND hint = HintWindowHandle();
  wchar_t cls[32] = {};
  ::GetClassNameW(hint, cls, 32);
  EXPECT_STREQ(cls, L"THintEx");
  const LONG style = ::GetWindowLongW(hint, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_DISABLED), WS_POPUP | WS_DISABLED);
  // The balloon: a box from row 9 down with a pointer at its top left.
  RECT wr{};
  ::GetWindowRect(hint, &wr);
  EXPECT_GT(wr.bottom - wr.top, 9 + 15);
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(hint, region), ERROR);
  EXPECT_FALSE(::PtInRegion(region, 2, 2));   // above the box, left of the pointer
  EXPECT_FALSE(::PtInRegion(region, 30, 4));  // right of the pointer
  EXPECT_TRUE(::PtInRegion(region, 13, 3));   // in the pointer
  EXPECT_TRUE(::PtInRegion(region, 5, 15));   // in the box
  ::DeleteObject(region);
  Send(WM_MOUSELEAVE, 0, 0, 0);
  EXPECT_FALSE(HintWindowShowing());
}

TEST_F(ShineButtonWindowTest, APressHidesTheHintAndAChangedHintShowsAsItIsNow) {
  Hover();
  ASSERT_TRUE(PumpUntil([] { return HintWindowShowing(); }, 3000));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 8, 8);
  EXPECT_FALSE(HintWindowShowing());
  Send(WM_LBUTTONUP, 0, 8, 8);
  EXPECT_EQ(clicks_, 1);
  // Not again over the same button until the mouse has been elsewhere.
  PumpUntil([] { return HintWindowShowing(); }, 800);
  EXPECT_FALSE(HintWindowShowing());
  Send(WM_MOUSELEAVE, 0, 0, 0);
  button_->Model().SetHint("");
  Hover();
  button_->Model().SetHint("走行＆停止");
  EXPECT_TRUE(PumpUntil([] { return HintWindowShowing(); }, 3000));
  Send(WM_MOUSELEAVE, 0, 0, 0);
}

// As a dialog's push button: BM_CLICK, Enter and Space press an enabled
// button only, the dialog manager leaves Enter to it, and the focus shows.
TEST_F(ShineButtonWindowTest, BmClickAndTheKeysPressItAsAPushButton) {
  HWND wnd = button_->Handle();
  ::SendMessageW(wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks_, 1);
  ::SendMessageW(wnd, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(clicks_, 2);
  ::SendMessageW(wnd, WM_KEYUP, VK_SPACE, 0);  // no press before it
  ::SendMessageW(wnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(clicks_, 2);
  ::SendMessageW(wnd, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks_, 3);
  MSG enter{wnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  MSG tab{wnd, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_EQ(::SendMessageW(wnd, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&enter)), DLGC_BUTTON | DLGC_WANTMESSAGE);
  EXPECT_EQ(::SendMessageW(wnd, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&tab)), DLGC_BUTTON);

  const COLORREF left[2] = {PixelOf(wnd, 3, 8), PixelOf(wnd, 3, 9)};
  ::SetFocus(wnd);
  ASSERT_EQ(::GetFocus(), wnd);
  EXPECT_TRUE(PixelOf(wnd, 3, 8) != left[0] || PixelOf(wnd, 3, 9) != left[1]) << "a focus rectangle";

  button_->Model().SetEnabled(false);
  ::SendMessageW(wnd, BM_CLICK, 0, 0);
  ::SendMessageW(wnd, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(clicks_, 3);
}

LRESULT CALLBACK CountCommands(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) reinterpret_cast<std::vector<WPARAM>*>(ref)->push_back(LOWORD(wp));
  return ::DefSubclassProc(wnd, msg, wp, lp);
}

TEST_F(ShineButtonWindowTest, ADialogButtonTellsItsParentAsAPushButtonDoes) {
  std::vector<WPARAM> commands;
  ASSERT_TRUE(::SetWindowSubclass(host_, CountCommands, 1, reinterpret_cast<DWORD_PTR>(&commands)));
  {
    std::unique_ptr<ShineButtonWindow> ok = CreateDialogButton(host_, 1234, RECT{40, 10, 84, 35}, "OK", "反映");
    EXPECT_EQ(test::ClassNameOf(ok->Handle()), L"HanarokuShineButton");
    EXPECT_NE(::GetWindowLongW(ok->Handle(), GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(ok->Model().Hint(), "反映");
    EXPECT_EQ(ok->Model().Colors.Color(), LookOf(ShineLookId::Window).top);
    test::ClickCentre(ok->Handle());
    ::SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
  }
  ::RemoveWindowSubclass(host_, CountCommands, 1);
  EXPECT_EQ(commands, (std::vector<WPARAM>{1234, 1234}));
}

}  // namespace
}  // namespace hanaroku::win32
