// The font dialog opens on the pane's face and size, and OK at once gives
// the same font back.
#include "TestUtil.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

// Picks the entry `text` of a combo box of the dialog as a user would.
bool Pick(HWND dialog, int combo, const wchar_t* text) {
  HWND box = ::GetDlgItem(dialog, combo);
  const LRESULT at = ::SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
  if (at == CB_ERR) return false;
  ::SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  return true;
}

// Picks the entry and presses OK, or fails and cancels when it is not listed.
void PickAndAccept(HWND dialog, int combo, const wchar_t* text) {
  if (!Pick(dialog, combo, text)) {
    ADD_FAILURE() << Narrow(text) << " is not listed";
    test::PressButton(dialog, IDCANCEL);
    return;
  }
  test::PressButton(dialog, IDOK);
}

struct Shown {
  std::string face, size;
};

// Runs the font dialog on `font`, reads what it shows and presses OK.
Shown OpenAndAccept(DialogsWin32& dialogs, FontSpec& font, bool& accepted) {
  Shown shown;
  const bool driven = test::DriveDialog([&] { accepted = dialogs.ChooseFont(font, false); },
                                        [&](HWND dlg) {
                                          shown.face = test::ControlText(dlg, cmb1);
                                          shown.size = test::ControlText(dlg, cmb3);
                                          test::PressButton(dlg, IDOK);
                                        });
  EXPECT_TRUE(driven);
  return shown;
}

TEST(FontDialog, OpensOnThePanesFaceAndSizeAndOkKeepsThem) {
  DialogsWin32 dialogs;
  FontSpec pane;
  pane.name = "ＭＳ 明朝";
  pane.height = 18;
  pane.color = 0x554239;
  FontSpec font = pane;
  bool accepted = false;
  Shown shown = OpenAndAccept(dialogs, font, accepted);
  EXPECT_TRUE(shown.face == "ＭＳ 明朝" || shown.face.find("明朝") != std::string::npos) << shown.face;
  EXPECT_EQ(shown.face.find('@'), std::string::npos) << shown.face;
  EXPECT_TRUE(shown.size == "14" || shown.size == "13.5") << shown.size << ": 18 pixels at 96 dpi are 13.5 points";
  EXPECT_TRUE(accepted);
  EXPECT_EQ(font, pane);
}

TEST(FontDialog, AChangedSizeOrFaceIsTaken) {
  DialogsWin32 dialogs;
  FontSpec font;
  font.name = "ＭＳ 明朝";
  font.height = 18;
  bool accepted = false;
  ASSERT_TRUE(test::DriveDialog([&] { accepted = dialogs.ChooseFont(font, false); },
                                [](HWND dlg) { PickAndAccept(dlg, cmb3, L"24"); }));
  ASSERT_TRUE(accepted);
  EXPECT_EQ(font.name, "ＭＳ 明朝");
  EXPECT_EQ(font.height, 32);  // 24 points at 96 dpi

  ASSERT_TRUE(test::DriveDialog([&] { accepted = dialogs.ChooseFont(font, false); },
                                [](HWND dlg) { PickAndAccept(dlg, cmb1, L"IPAゴシック"); }));
  ASSERT_TRUE(accepted);
  EXPECT_EQ(font.name, "IPAゴシック");
  EXPECT_EQ(font.height, 32);
}

TEST(FontDialog, CancelChangesNothing) {
  DialogsWin32 dialogs;
  FontSpec font;
  font.name = "ＭＳ 明朝";
  const FontSpec before = font;
  bool accepted = true;
  EXPECT_TRUE(test::DriveDialog([&] { accepted = dialogs.ChooseFont(font, false); },
                                [](HWND dlg) { test::PressButton(dlg, IDCANCEL); }));
  EXPECT_FALSE(accepted);
  EXPECT_EQ(font, before);
}

}  // namespace
}  // namespace hanaroku::win32
