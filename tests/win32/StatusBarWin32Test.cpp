// The status bar as the screen shows it after the main window is resized,
// maximised and restored: exactly what the bar paints for its present size,
// with no size grip left behind at an old right edge.
#include "MainWindowFixture.h"
#include "PaneTestSupport.h"

namespace hanaroku::win32::test {
namespace {

// Gives the window manager and the repaints their turn.
void Settle() {
  for (int i = 0; i < 5; ++i) {
    PumpMain();
    ::Sleep(20);
  }
  PumpMain();
}

// Pixels where the screen differs from the bar's own painting, with the
// leftmost column that differs (or -1).
struct Mismatch {
  int count = 0;
  int firstColumn = -1;
};

Mismatch ScreenAgainstPainting(HWND bar) {
  const Picture screen = Snapshot(bar, true), painted = Snapshot(bar, false);
  Mismatch m;
  if (screen.width != painted.width || screen.height != painted.height) return {-1, -1};
  for (int x = 0; x < screen.width; ++x)
    for (int y = 0; y < screen.height; ++y)
      if (screen.At(x, y) != painted.At(x, y)) {
        if (m.firstColumn < 0) m.firstColumn = x;
        ++m.count;
      }
  return m;
}

using StatusBarWindow = MainWindowTest;

TEST_F(StatusBarWindow, ShowsNoGhostGripAfterResizingOrMaximising) {
  HWND main = Main().Handle();
  HWND bar = ::FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
  ASSERT_NE(bar, nullptr);
  Settle();
  const RECT before = ClientRect(bar);

  // Wider and taller: the old grip sat inside the last panel.
  ASSERT_TRUE(::SetWindowPos(main, nullptr, 0, 0, 1020, 610, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
  Settle();
  EXPECT_GT(ClientRect(bar).right, before.right);
  Mismatch m = ScreenAgainstPainting(bar);
  EXPECT_EQ(m.count, 0) << "from column " << m.firstColumn << " (old right edge " << before.right << ")";

  // Narrower again.
  ASSERT_TRUE(::SetWindowPos(main, nullptr, 0, 0, 800, 560, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
  Settle();
  m = ScreenAgainstPainting(bar);
  EXPECT_EQ(m.count, 0) << "from column " << m.firstColumn;

  ::ShowWindow(main, SW_MAXIMIZE);
  Settle();
  ASSERT_TRUE(::IsZoomed(main));
  m = ScreenAgainstPainting(bar);
  EXPECT_EQ(m.count, 0) << "maximised, from column " << m.firstColumn;

  ::ShowWindow(main, SW_RESTORE);
  Settle();
  m = ScreenAgainstPainting(bar);
  EXPECT_EQ(m.count, 0) << "restored, from column " << m.firstColumn;
}

}  // namespace
}  // namespace hanaroku::win32::test
