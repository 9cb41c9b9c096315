// The banner's window under Wine: it tells the model its size, shows the
// message while standing, and the timer moves the picture two pixels a tick
// straight onto the window; a destroyed window is never drawn on again.
#include "platform/win32/BannerWindow.h"

#include <gtest/gtest.h>

#include <memory>

#include "PaneTestSupport.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

using test::Picture;
using test::Pump;

// The scroll steps draw outside any repaint: the screen is what counts.
Picture Snapshot(HWND wnd) { return test::Snapshot(wnd, true); }

constexpr TColor kBack = 0xFFFFFF, kInk = 0x000000;

// The leftmost column of the picture holding a dark pixel, or -1.
int LeftmostInk(const Picture& pic) {
  for (int x = 0; x < pic.width; ++x)
    for (int y = 0; y < pic.height; ++y)
      if ((pic.At(x, y) & 0xFF) < 0x60) return x;
  return -1;
}

class Banner : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 400,
                              120, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host_, nullptr);
    MsgSCRProperties p;
    p.Color = kBack;
    p.Font.color = kInk;
    p.Msg = "■■■■";
    model_.SetProperties(p);
    window_.Create(host_, model_, RECT{10, 10, 210, 30});
    Pump();
  }
  void TearDown() override {
    if (host_) ::DestroyWindow(host_);
    Pump();
  }
  HWND host_ = nullptr;
  TMsgSCR model_;
  BannerWindow window_;
};

TEST_F(Banner, TheModelLearnsTheWindowsSizeAndStandingShowsTheMessageAtTheLeft) {
  EXPECT_EQ(model_.BoundsRect(), (Rect{10, 10, 210, 30}));
  ::MoveWindow(window_.Handle(), 5, 6, 167, 20, TRUE);
  EXPECT_EQ(model_.BoundsRect(), (Rect{5, 6, 172, 26}));
  EXPECT_TRUE(window_.HasParent());
  // Standing, the message is shown at the left edge.
  ::RedrawWindow(window_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const Picture pic = Snapshot(window_.Handle());
  ASSERT_EQ(pic.width, 167);
  const int ink = LeftmostInk(pic);
  EXPECT_GE(ink, 0);
  EXPECT_LT(ink, 4);
  EXPECT_EQ(pic.At(166, 1), 0xFFFFFFu);
}

TEST_F(Banner, EachTickDrawsThePictureTwoPixelsFurtherLeftUntilTheWindowGoes) {
  model_.SetInterval(30);
  ::RedrawWindow(window_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);  // restart at the right
  EXPECT_EQ(model_.Position(), 200);
  model_.SetInterval(0);  // steps by hand from here
  for (int i = 0; i < 20; ++i) model_.Timer1Timer();
  const int first = LeftmostInk(Snapshot(window_.Handle()));
  EXPECT_GE(first, 160);
  EXPECT_LE(first, 164);
  for (int i = 0; i < 5; ++i) model_.Timer1Timer();
  EXPECT_EQ(LeftmostInk(Snapshot(window_.Handle())), first - 10);
  // Destroyed, the window is never drawn on again.
  ::DestroyWindow(window_.Handle());
  EXPECT_EQ(window_.Handle(), nullptr);
  model_.Timer1Timer();
  model_.SetMsg("月");
}

TEST_F(Banner, RunningThroughTheWindowTimerMovesTheMessage) {
  model_.SetTimer(std::make_unique<TimerWin32>());
  model_.SetInterval(30);
  model_.SetShow(true);
  const int start = model_.Position();
  const DWORD t0 = ::GetTickCount();
  while (model_.Position() > start - 6 && ::GetTickCount() - t0 < 3000) {
    Pump();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  EXPECT_LE(model_.Position(), start - 6);
  model_.SetShow(false);
}

}  // namespace
}  // namespace hanaroku::win32
