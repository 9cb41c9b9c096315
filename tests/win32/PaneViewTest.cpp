// The pane window under Wine: what the user sees after changes of the text
// (scroll position and bars).
#include "PaneTestSupport.h"

namespace hanaroku::win32 {
namespace {

using namespace test;

SCROLLINFO ScrollInfo(HWND wnd, int bar) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  ::GetScrollInfo(wnd, bar, &si);
  return si;
}

// Ctrl+End in a long text, Ctrl+A, three lines in its place: the three lines
// are in view and the bar that scrolls lines stands at their start.
TEST_F(PaneWindowTest, ReplacingALongTextByAShortOneScrollsBack) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    model_.SetVertical(vertical);
    std::string text;
    for (int i = 0; i < 300; ++i) text += Sjis("ひさかたの光のどけき\r\n");
    model_.SetText(text);
    ::SetFocus(pane_.Handle());
    {
      KeyHeldDown ctrl(VK_CONTROL);
      Key(VK_END);
    }
    ASSERT_GT(model_.SelTopIndex(), 250);
    model_.SelectAll();
    model_.SetSelText(Sjis("はるすぎて\r\nなつきにけらし\r\nしろたへの"));
    Pump();
    EXPECT_EQ(model_.SelTopIndex(), 0);
    const SCROLLINFO si = ScrollInfo(pane_.Handle(), vertical ? SB_HORZ : SB_VERT);
    const int range = si.nMax - static_cast<int>(si.nPage) + 1;
    EXPECT_EQ(range, 0);
    EXPECT_EQ(si.nPos, 0);
    // Ink in each of the three lines' bands.
    const Picture pic = Snapshot(pane_.Handle());
    const int pitch = model_.Layout().LinePitch();
    for (int line = 0; line < 3; ++line) {
      const Point at = model_.Layout().FlowToClient(line, 0);
      const RECT band = vertical ? RECT{at.x, 0, at.x + pitch, pic.height} : RECT{0, at.y, pic.width, at.y + pitch};
      EXPECT_GT(InkOf(pic, 0xFFFFFF, band).count, 30) << "line " << line;
    }
  }
}

}  // namespace
}  // namespace hanaroku::win32
