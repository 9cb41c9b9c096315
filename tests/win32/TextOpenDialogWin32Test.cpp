// The document open dialog under Wine: the real common dialog with the
// template ENHDLG1, the preview panel below the standard controls, the
// preview following the selection and its check box, and the extension
// following the file type.
#include "platform/win32/TextOpenDialogWin32.h"  // first: windows.h

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>

#include "TestUtil.h"
#include "platform/Encoding.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

struct Search {
  const wchar_t* cls;
  HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  wchar_t cls[64] = {};
  ::GetClassNameW(w, cls, 64);
  if (std::wstring(cls) != s->cls) return TRUE;
  s->found = w;
  return FALSE;
}

HWND FindDescendant(HWND root, const wchar_t* cls) {
  Search s{cls};
  ::EnumChildWindows(root, MatchClass, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::wstring WindowText(HWND w) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(w)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT ScreenRect(HWND w) {
  RECT r{};
  ::GetWindowRect(w, &r);
  return r;
}

std::string FileNameBox(HWND dialog) { return test::ControlText(dialog, ::GetDlgItem(dialog, cmb13) ? cmb13 : edt1); }

void ChooseType(HWND dialog, int zeroBased) {
  HWND combo = ::GetDlgItem(dialog, cmb1);
  ASSERT_NE(combo, nullptr);
  ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(zeroBased), 0);
  // Windows reacts to the one, Wine to the other; a second call changes nothing.
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

class TextOpenDialogWin32 : public ::testing::Test {
 protected:
  TextOpenDialogWin32() {
    request.filter = "Text(*.txt)|*.txt|All(*.*)|*.*";
    request.defaultExt = "txt";
    request.fileName = "poem.txt";
    request.initialDir = dir.Path();
    request.preview = true;
  }
  // Opens the dialog, hands it to `check` and cancels it.
  void WithDialog(const std::function<void(HWND)>& check) {
    DialogsWin32 dialogs;
    std::string path;
    bool chosen = true;
    const bool driven = test::DriveDialog([&] { chosen = dialogs.OpenFile(request, path); },
                                          [&](HWND dialog) {
                                            check(dialog);
                                            test::PressButton(dialog, IDCANCEL);
                                          });
    EXPECT_TRUE(driven);
    EXPECT_FALSE(chosen);
  }
  test::ScratchDir dir;
  FileDialogSpec request;
};

TEST_F(TextOpenDialogWin32, ThePanelHoldsTheCheckBoxAndTheMemoBelowTheStandardControls) {
  WithDialog([](HWND dialog) {
    HWND panel = FindDescendant(dialog, kPreviewPanelClass);
    ASSERT_NE(panel, nullptr);
    HWND child = ::GetParent(panel);
    EXPECT_NE(::GetDlgItem(child, stc32), nullptr);  // the template's placeholder
    HWND check = ::GetDlgItem(panel, kPreviewCheckId);
    HWND memo = ::GetDlgItem(panel, kPreviewMemoId);
    ASSERT_NE(check, nullptr);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(WindowText(check), L"Preview(&P)");
    EXPECT_EQ(::SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    const LONG style = ::GetWindowLongW(memo, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & ES_MULTILINE);
    // The panel reaches the bottom of the template's area, full width.
    const RECT p = ScreenRect(panel);
    RECT client{};
    ::GetClientRect(child, &client);
    EXPECT_EQ(p.right - p.left, client.right);
    EXPECT_GT(p.bottom - p.top, 30);
    // The memo covers none of the standard controls, and leaves room for
    // the size grip on the right.
    const RECT m = ScreenRect(memo);
    EXPECT_GE(m.top, ScreenRect(::GetDlgItem(dialog, cmb1)).bottom);
    EXPECT_GE(m.top, ScreenRect(::GetDlgItem(dialog, IDCANCEL)).bottom);
    EXPECT_GT(m.bottom, m.top);
    EXPECT_LT(m.right, p.right - 5);
    // In a larger dialog the panel follows the standard controls down and
    // the memo widens with it.
    const RECT d = ScreenRect(dialog);
    ::SetWindowPos(dialog, nullptr, 0, 0, d.right - d.left + 120, d.bottom - d.top + 90, SWP_NOMOVE | SWP_NOZORDER);
    test::PumpUntil([&] { return ScreenRect(memo).top >= ScreenRect(::GetDlgItem(dialog, IDCANCEL)).bottom; }, 1000);
    const RECT p2 = ScreenRect(panel), m2 = ScreenRect(memo);
    ::GetClientRect(child, &client);
    EXPECT_EQ(p2.right - p2.left, client.right);
    EXPECT_EQ(p2.bottom, ScreenRect(child).top + client.bottom);
    EXPECT_EQ(m2.right - m2.left, (m.right - m.left) + (p2.right - p2.left) - (p.right - p.left));
    EXPECT_GE(m2.top, ScreenRect(::GetDlgItem(dialog, IDCANCEL)).bottom);
  });
}

TEST_F(TextOpenDialogWin32, ChoosingAllFilesGivesPoemStarAndTextGivesItBack) {
  WithDialog([](HWND dialog) {
    EXPECT_EQ(FileNameBox(dialog), "poem.txt");
    ChooseType(dialog, 1);
    EXPECT_EQ(FileNameBox(dialog), "poem.*");
    ChooseType(dialog, 0);
    EXPECT_EQ(FileNameBox(dialog), "poem.txt");
  });
}

TEST_F(TextOpenDialogWin32, TheSelectedFileShowsItsFirst1024BytesUnlessPreviewIsOff) {
  const std::string head = enc::Utf8ToSjis("ひさかたの\r\n");
  test::WriteRaw(dir.File("big.txt"), head + std::string(5000 - head.size(), 'a'));
  const std::wstring expected = SjisToWide(head) + std::wstring(1024 - head.size(), L'a');
  WithDialog([&](HWND dialog) {
    HWND panel = FindDescendant(dialog, kPreviewPanelClass);
    ASSERT_NE(panel, nullptr);
    HWND memo = ::GetDlgItem(panel, kPreviewMemoId);
    HWND check = ::GetDlgItem(panel, kPreviewCheckId);
    EXPECT_TRUE(WindowText(memo).empty());  // "poem.txt" does not exist
    HWND list = FindDescendant(dialog, WC_LISTVIEWW);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    test::PumpUntil([&] { return !WindowText(memo).empty(); }, 1000);
    EXPECT_EQ(WindowText(memo), expected);
    ::SendMessageW(check, BM_CLICK, 0, 0);
    EXPECT_TRUE(WindowText(memo).empty());
    ::SendMessageW(check, BM_CLICK, 0, 0);
    EXPECT_EQ(WindowText(memo), expected);
  });
}

TEST(ReadFileHead, AtMostTheLimitAndOnlyFromFiles) {
  test::ScratchDir dir;
  test::WriteRaw(dir.File("big.txt"), std::string(5000, 'b'));
  test::WriteRaw(dir.File("empty.txt"), "");
  EXPECT_EQ(ReadFileHead(dir.File("big.txt"), 1024), std::string(1024, 'b'));
  EXPECT_EQ(ReadFileHead(dir.File("big.txt"), 9000), std::string(5000, 'b'));
  EXPECT_EQ(ReadFileHead(dir.File("empty.txt"), 1024), std::string());
  EXPECT_EQ(ReadFileHead(dir.File("missing.txt"), 1024), std::nullopt);
  EXPECT_EQ(ReadFileHead(dir.Path(), 1024), std::nullopt);  // a directory
}

}  // namespace
}  // namespace hanaroku::win32
