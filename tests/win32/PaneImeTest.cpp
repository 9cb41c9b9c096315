// The pane window and the input method under Wine: hiragana mode on focus,
// and the composition drawn inside the pane in its writing direction. Wine's
// input method cannot be driven from here, so the composition is fed to the
// pane's composition model as WM_IME_COMPOSITION would feed it.
#include "PaneTestSupport.h"

#include <imm.h>

namespace hanaroku::win32 {
namespace {

using namespace test;

// Distinct backgrounds per entry, to find each state's cells in the picture.
constexpr ImeColor kColors[4] = {
    {0x000000, 0x00C000, 0},  // input: green
    {0xFFFFFF, 0xC00000, 0},  // clause being converted: blue
    {0x000000, 0x00C0C0, 4},  // converted: olive
    {0x000000, 0xC0C000, 4},  // not yet converted: teal
};

class PaneImeTest : public PaneWindowTest {
 protected:
  Ink Compose(bool vertical, std::uint32_t rgbOfEntry) {
    model_.SetVertical(vertical);
    model_.SetImeColors(kColors);
    model_.Select(4, 0);  // after ひさ
    Pump();
    pane_.Composition().Start();
    pane_.Composition().Update(u"はるのひ", {0, 0, 1, 1}, {0, 2, 4}, 2);
    pane_.CompositionChanged();
    return InkOf(OnlyColor(Snapshot(pane_.Handle()), rgbOfEntry), 0);
  }
  // The picture with every pixel but those of one colour blacked out.
  static Picture OnlyColor(Picture pic, std::uint32_t rgb) {
    for (std::uint32_t& p : pic.px) p = (p & 0xFFFFFF) == rgb ? 1 : 0;
    return pic;
  }
};

std::uint32_t Rgb(TColor c) { return ToRgb(static_cast<COLORREF>(c)); }

TEST_F(PaneImeTest, VerticalCompositionIsAColumnAtTheCaret) {
  const Ink input = Compose(true, Rgb(kColors[0].background));
  const Ink target = InkOf(OnlyColor(Snapshot(pane_.Handle()), Rgb(kColors[1].background)), 0);
  ASSERT_GT(input.count, 0);
  ASSERT_GT(target.count, 0);
  const int pitch = model_.Layout().LinePitch();
  const RECT caret = pane_.CaretBox();
  // Two upright cells down the caret's column in each colour: taller than wide.
  EXPECT_GT(input.box.bottom - input.box.top, input.box.right - input.box.left);
  EXPECT_LE(input.box.right - input.box.left, pitch);
  EXPECT_GE(input.box.top, caret.top - 1);
  // The clause being converted follows below the input, in the same column.
  EXPECT_GE(target.box.top, input.box.bottom - 1);
  EXPECT_EQ(target.box.left, input.box.left);
  // Glyph ink of the composed characters inside their cells.
  const Picture pic = Snapshot(pane_.Handle());
  const Ink glyphs = InkOf(OnlyColor(pic, 0xFFFFFF), 0, target.box);
  EXPECT_GT(glyphs.count, 5);
  // The end of the composition takes it away.
  pane_.Composition().End();
  pane_.CompositionChanged();
  EXPECT_EQ(InkOf(OnlyColor(Snapshot(pane_.Handle()), Rgb(kColors[0].background)), 0).count, 0);
}

TEST_F(PaneImeTest, HorizontalCompositionIsARunAlongTheCaretLine) {
  const Ink input = Compose(false, Rgb(kColors[0].background));
  ASSERT_GT(input.count, 0);
  EXPECT_GT(input.box.right - input.box.left, input.box.bottom - input.box.top);
  EXPECT_LE(input.box.bottom - input.box.top, model_.Layout().LinePitch());
}

TEST_F(PaneImeTest, TheFocusTurnsTheInputMethodToHiragana) {
  ::SetFocus(pane_.Handle());
  HIMC imc = ::ImmGetContext(pane_.Handle());
  if (!imc) GTEST_SKIP() << "no input method here";
  DWORD conversion = 0, sentence = 0;
  ::ImmGetConversionStatus(imc, &conversion, &sentence);
  const BOOL open = ::ImmGetOpenStatus(imc);
  ::ImmReleaseContext(pane_.Handle(), imc);
  EXPECT_TRUE(open);
  EXPECT_TRUE(conversion & IME_CMODE_NATIVE);
  EXPECT_TRUE(conversion & IME_CMODE_FULLSHAPE);
}

}  // namespace
}  // namespace hanaroku::win32
