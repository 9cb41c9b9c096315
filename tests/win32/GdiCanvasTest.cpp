// The painting port on a real device context: a 32-bit DIB section read
// back pixel by pixel.
#include "platform/win32/GdiCanvas.h"

#include <gtest/gtest.h>

namespace hanaroku::win32 {
namespace {

// A top-down 32-bit bitmap selected into a memory DC.
class Surface {
 public:
  Surface(int w, int h) : w_(w), h_(h), dc_(nullptr) {
    BITMAPINFO bi = TopDown32BitInfo(w, h);
    bitmap_.reset(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
    old_ = ::SelectObject(dc_.Get(), bitmap_.get());
  }
  ~Surface() { ::SelectObject(dc_.Get(), old_); }
  HDC Dc() const { return dc_.Get(); }
  // The pixel as 0x00BBGGRR.
  TColor At(int x, int y) const {
    ::GdiFlush();
    const std::uint32_t p = bits_[y * w_ + x];  // 0x00RRGGBB in memory order B, G, R
    return MakeColor(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                     static_cast<int>(p & 0xFF));
  }
  int CountNot(TColor c, const Rect& r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) != c;
    return n;
  }

 private:
  int w_, h_;
  MemoryDc dc_;
  BitmapPtr bitmap_;
  std::uint32_t* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST(GdiCanvasTest, FillsFramesAndLinesLandOnTheirPixels) {
  Surface s(40, 30);
  {
    GdiCanvas c(s.Dc());
    c.FillRect({0, 0, 40, 30}, 0xFFFFFF);
    c.FillRect({2, 2, 6, 6}, 0x0000FF);
    c.FrameRect({10, 10, 20, 20}, 0x00FF00);
    c.Line({0, 25}, {10, 25}, 0xFF0000, 1);
  }
  EXPECT_EQ(s.At(2, 2), 0x0000FFu);
  EXPECT_EQ(s.At(5, 5), 0x0000FFu);
  EXPECT_EQ(s.At(6, 6), 0xFFFFFFu);
  EXPECT_EQ(s.At(10, 15), 0x00FF00u);
  EXPECT_EQ(s.At(15, 15), 0xFFFFFFu);
  EXPECT_EQ(s.At(0, 25), 0xFF0000u);
  EXPECT_EQ(s.At(9, 25), 0xFF0000u);
  EXPECT_EQ(s.At(10, 25), 0xFFFFFFu);  // the end point is left out
}

TEST(GdiCanvasTest, ClipsKeepPaintInsideAndAreUndone) {
  Surface s(20, 20);
  GdiCanvas c(s.Dc());
  c.FillRect({0, 0, 20, 20}, 0xFFFFFF);
  c.PushClip({5, 5, 10, 10});
  c.FillRect({0, 0, 20, 20}, 0x000000);
  c.PopClip();
  EXPECT_EQ(s.CountNot(0xFFFFFF, {0, 0, 20, 5}), 0);
  EXPECT_EQ(s.CountNot(0x000000, {5, 5, 10, 10}), 0);
  c.FillRect({15, 15, 20, 20}, 0x000000);
  EXPECT_EQ(s.At(17, 17), 0u);
}

TEST(GdiCanvasTest, TextIsDrawnTransparentlyAndMeasured) {
  Surface s(80, 40);
  GdiCanvas c(s.Dc());
  c.FillRect({0, 0, 80, 40}, 0xFFFFFF);
  PaintFont font;
  font.name = "IPAMincho";
  font.height = 20;
  Size ext = c.TextExtent("あい", font);
  EXPECT_GE(ext.width, 30);
  EXPECT_GE(ext.height, 18);
  c.DrawText({2, 2}, "あい", font, 0x000000);
  EXPECT_GT(s.CountNot(0xFFFFFF, {2, 2, 2 + ext.width, 2 + ext.height}), 20);
  EXPECT_EQ(s.CountNot(0xFFFFFF, {2 + ext.width + 2, 0, 80, 40}), 0);
}

TEST(GdiCanvasTest, LayersAreCopiedPartByPart) {
  Surface s(30, 10);
  GdiCanvas c(s.Dc());
  c.FillRect({0, 0, 30, 10}, 0xFFFFFF);
  auto layer = c.CreateLayer({20, 10});
  layer->Canvas().FillRect({0, 0, 10, 10}, 0x0000FF);
  layer->Canvas().FillRect({10, 0, 20, 10}, 0x00FF00);
  c.DrawLayer(*layer, {10, 0, 20, 10}, {0, 0});
  EXPECT_EQ(s.At(0, 0), 0x00FF00u);
  EXPECT_EQ(s.At(9, 9), 0x00FF00u);
  EXPECT_EQ(s.At(10, 0), 0xFFFFFFu);
}

TEST(GdiCanvasTest, RegisteredPicturesAreDrawnByNameAndUnknownNamesDrawNothing) {
  Surface s(20, 20);
  GdiCanvas c(s.Dc());
  c.FillRect({0, 0, 20, 20}, 0xFFFFFF);
  {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, 4, 4);
    ::ReleaseDC(nullptr, screen);
    MemoryDc mdc(s.Dc());
    HGDIOBJ old = ::SelectObject(mdc.Get(), bmp);
    RECT all{0, 0, 4, 4};
    BrushPtr red = MakeSolidBrush(0x0000FF);
    ::FillRect(mdc.Get(), &all, red.get());
    ::SelectObject(mdc.Get(), old);
    RegisterPicture("test-red", bmp, false);
  }
  EXPECT_TRUE(HasPicture("test-red"));
  EXPECT_EQ(c.PictureSize("test-red"), (Size{4, 4}));
  EXPECT_EQ(c.PictureSize("no-such-picture"), (Size{}));
  c.DrawPicture({0, 0, 8, 8}, "test-red");
  c.DrawPicture({10, 10, 18, 18}, "no-such-picture");
  EXPECT_EQ(s.At(7, 7), 0x0000FFu);
  EXPECT_EQ(s.CountNot(0xFFFFFF, {10, 10, 20, 20}), 0);
}

}  // namespace
}  // namespace hanaroku::win32
