// The loading splash on the screen: its background, RotateLabel1 drawn in
// its place and nowhere else, and a click handed back.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "app/Splash.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/SplashWindow.h"
#include "TestUtil.h"

namespace hanaroku::win32 {
namespace {

using test::MouseXy;
using test::PumpMessages;

SplashView LoadingView() {
  SplashView view;
  view.bounds = WindowBounds{30, 30, 400, 240};
  view.caption = "Loading...";
  view.color = 0xE8DFDD;
  view.labelText = "Now Loading...";
  view.labelFont = "Times New Roman";
  view.labelHeight = 33;
  view.labelColor = 0x856556;
  view.labelLeft = view.bounds.width / 2 - 116;
  view.labelTop = view.bounds.height / 2 - 41;
  return view;
}

// Pixels of the window's client area that are not the background, inside
// and outside rect.
std::pair<int, int> InkInAndOut(HWND wnd, const RECT& rect, COLORREF background) {
  const RECT client = ClientRect(wnd);
  const int w = client.right, h = client.bottom;
  WindowDc screen(wnd);
  MemoryDc mem(screen.Get());
  BITMAPINFO info = TopDown32BitInfo(w, h);
  void* bits = nullptr;
  BitmapPtr bitmap(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {-1, -1};
  SelectGuard sel(mem.Get(), bitmap.get());
  ::BitBlt(mem.Get(), 0, 0, w, h, screen.Get(), 0, 0, SRCCOPY);
  ::GdiFlush();
  const auto* px = static_cast<const std::uint32_t*>(bits);
  // DIB pixels are 0x00RRGGBB.
  const std::uint32_t back = (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
  int in = 0, out = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if ((px[y * w + x] & 0xFFFFFF) == back) continue;
      const POINT p{x, y};
      (::PtInRect(&rect, p) ? in : out) += 1;
    }
  return {in, out};
}

TEST(SplashWindow, PaintsItsBackgroundAndNowLoadingInTheLabelsPlaceAtOnce) {
  const SplashView view = LoadingView();
  SplashWindow splash;
  int clicks = 0;
  splash.OnClick = [&] { ++clicks; };
  splash.Show(nullptr, view);  // painted before it returns
  ASSERT_TRUE(splash.Visible());
  const RECT label{view.labelLeft, view.labelTop, view.labelLeft + SplashWindow::LabelWidth,
                   view.labelTop + SplashWindow::LabelHeight};
  const auto [in, out] = InkInAndOut(splash.Handle(), label, view.color);
  EXPECT_GT(in, 150) << "the caption is drawn";
  EXPECT_EQ(out, 0) << "nothing outside the label";
  ::PostMessageW(splash.Handle(), WM_LBUTTONUP, 0, MouseXy(5, 5));
  PumpMessages();
  EXPECT_EQ(clicks, 1);
  splash.Close();
  EXPECT_FALSE(splash.Visible());
}

}  // namespace
}  // namespace hanaroku::win32
