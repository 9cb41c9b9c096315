// TActiveImage: the enter picture under the mouse, the picture put back on
// leaving, and clicks.
#include "controls/ActiveImage.h"

#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

TPicture Named(std::string name) {
  return [name](IPaintCanvas& c, const Rect& r) { c.DrawPicture(r, name); };
}

std::string Shown(TActiveImage& image) {
  test::RecordingCanvas canvas;
  image.Paint(canvas, {9, 32});
  auto pictures = canvas.Of(test::PaintOp::Kind::Picture);
  return pictures.empty() ? "" : pictures.back()->text;
}

TEST(ActiveImage, EnterShowsTheEnterPictureAndLeaveGivesTheOldOneBack) {
  TActiveImage image;
  int repaints = 0;
  image.Invalidate = [&] { ++repaints; };
  image.SetPicture(Named("grip"));
  image.SetEnterPicture(Named("grip-lit"));
  EXPECT_EQ(Shown(image), "grip");
  image.MouseEnter();
  EXPECT_TRUE(image.Entered());
  EXPECT_EQ(Shown(image), "grip-lit");
  image.MouseEnter();  // a second enter swaps nothing
  image.MouseLeave();
  EXPECT_EQ(Shown(image), "grip");
  EXPECT_EQ(repaints, 3);
  // A new picture set while entered comes back on leaving.
  image.MouseEnter();
  image.SetPicture(Named("other"));
  EXPECT_EQ(Shown(image), "grip-lit");
  image.MouseLeave();
  EXPECT_EQ(Shown(image), "other");
}

TEST(ActiveImage, InactiveImagesDoNotSwapAndALeaveWithoutEnterKeepsThePicture) {
  TActiveImage image;
  image.SetPicture(Named("tab"));
  image.SetEnterPicture(Named("tab-lit"));
  image.SetActive(false);
  image.MouseEnter();
  EXPECT_EQ(Shown(image), "tab");
  // Turned active while the mouse is over it: the leave has nothing to put
  // back and the picture stays.
  image.SetActive(true);
  image.MouseLeave();
  EXPECT_EQ(Shown(image), "tab");
  // Inactive while entered: the lit picture stays until it is active again.
  image.MouseEnter();
  image.SetActive(false);
  image.MouseLeave();
  EXPECT_EQ(Shown(image), "tab-lit");
  image.SetActive(true);
  image.MouseLeave();
  EXPECT_EQ(Shown(image), "tab");
}

TEST(ActiveImage, APressAndReleaseOnItIsAClick) {
  TActiveImage image;
  const Size size{40, 13};
  image.MouseDown({3, 3});
  EXPECT_TRUE(image.MouseUp({39, 12}, size));
  EXPECT_FALSE(image.MouseUp({3, 3}, size));  // no press before it
  image.MouseDown({3, 3});
  EXPECT_FALSE(image.MouseUp({40, 3}, size));  // released beside it
  image.MouseDown({3, 3});
  image.CaptureLost();
  EXPECT_FALSE(image.MouseUp({3, 3}, size));
  image.SetEnabled(false);
  image.MouseDown({3, 3});
  EXPECT_FALSE(image.MouseUp({3, 3}, size));
}

}  // namespace
}  // namespace hanaroku
