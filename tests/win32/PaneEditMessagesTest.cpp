// The pane window driven as a script drives an edit control: the standard
// edit messages, in UTF-16 characters.
#include "PaneTestSupport.h"

#include <string>

namespace hanaroku::win32 {
namespace {

using namespace test;

class PaneEditMessagesTest : public PaneWindowTest {
 protected:
  LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) { return ::SendMessageW(pane_.Handle(), msg, w, l); }
  std::wstring GetText() {
    const auto n = static_cast<int>(Send(WM_GETTEXTLENGTH));
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    s.resize(static_cast<std::size_t>(Send(WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()))));
    return s;
  }
  std::wstring GetLine(int line) {
    wchar_t buf[64] = {};
    *reinterpret_cast<WORD*>(buf) = 63;
    const auto n = static_cast<std::size_t>(Send(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buf)));
    return std::wstring(buf, n);
  }
  std::pair<DWORD, DWORD> GetSel() {
    DWORD s = 0, e = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return {s, e};
  }
};

TEST_F(PaneEditMessagesTest, ReadAndWriteInCharacters) {
  ASSERT_TRUE(Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ひさかたの\r\n光のどけき")));
  EXPECT_EQ(model_.Text(), Sjis("ひさかたの\r\n光のどけき"));
  EXPECT_EQ(Send(WM_GETTEXTLENGTH), 12);
  EXPECT_EQ(GetText(), L"ひさかたの\r\n光のどけき");
  // A short buffer gets what fits and its terminating NUL.
  wchar_t small[4] = {L'x', L'x', L'x', L'x'};
  EXPECT_EQ(Send(WM_GETTEXT, 4, reinterpret_cast<LPARAM>(small)), 3);
  EXPECT_EQ(std::wstring(small), L"ひさか");

  // Select 光の (characters 7 and 8) and replace it.
  Send(EM_SETSEL, 7, 9);
  EXPECT_EQ(model_.SelText(), Sjis("光の"));
  EXPECT_EQ(GetSel(), (std::pair<DWORD, DWORD>{7, 9}));
  EXPECT_EQ(Send(EM_GETSEL), static_cast<LRESULT>(MAKELONG(7, 9)));
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"春の"));
  EXPECT_EQ(GetText(), L"ひさかたの\r\n春のどけき");
  EXPECT_EQ(GetSel(), (std::pair<DWORD, DWORD>{9, 9}));
  // 0, -1 selects all; the end before the start is the same selection.
  Send(EM_SETSEL, 0, static_cast<LPARAM>(-1));
  EXPECT_EQ(GetSel(), (std::pair<DWORD, DWORD>{0, 12}));
  Send(EM_SETSEL, 5, 2);
  EXPECT_EQ(GetSel(), (std::pair<DWORD, DWORD>{2, 5}));
  Send(EM_SETSEL, static_cast<WPARAM>(-1), 0);  // deselects, the caret stays at the end
  EXPECT_EQ(GetSel(), (std::pair<DWORD, DWORD>{5, 5}));
}

TEST_F(PaneEditMessagesTest, LineMessages) {
  model_.SetWordWrap(false);
  Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"秋の田の\r\nかりほの庵の\r\n"));
  EXPECT_EQ(Send(EM_GETLINECOUNT), 3);  // the empty line after the last break counts
  EXPECT_EQ(Send(EM_LINEINDEX, 0), 0);
  EXPECT_EQ(Send(EM_LINEINDEX, 1), 6);
  EXPECT_EQ(Send(EM_LINEINDEX, 2), 14);
  EXPECT_EQ(Send(EM_LINEINDEX, 3), -1);
  EXPECT_EQ(Send(EM_LINELENGTH, 7), 6);
  EXPECT_EQ(Send(EM_LINELENGTH, 14), 0);
  EXPECT_EQ(Send(EM_LINEFROMCHAR, 8), 1);
  EXPECT_EQ(Send(EM_LINEFROMCHAR, 100), 2);
  EXPECT_EQ(GetLine(1), L"かりほの庵の");
  EXPECT_EQ(GetLine(5), L"");
  Send(EM_SETSEL, 8, 8);
  EXPECT_EQ(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), 1);
  EXPECT_EQ(Send(EM_LINEINDEX, static_cast<WPARAM>(-1)), 6);
  // A line that wraps is two lines, as in an edit control with word wrap.
  model_.SetWordWrap(true);
  std::wstring longLine(60, L'あ');
  Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longLine.c_str()));
  EXPECT_GT(Send(EM_GETLINECOUNT), 1);
  EXPECT_EQ(Send(EM_LINEINDEX, 1), Send(EM_LINELENGTH, 0));
}

TEST_F(PaneEditMessagesTest, ModifyFlagUndoAndReadOnly) {
  Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"しづ心なく"));
  Send(EM_SETMODIFY, FALSE);
  EXPECT_EQ(Send(EM_GETMODIFY), FALSE);
  ::SetFocus(pane_.Handle());
  Send(EM_SETSEL, 5, 5);
  Char(L'花');
  EXPECT_EQ(Send(EM_GETMODIFY), TRUE);
  EXPECT_EQ(GetText(), L"しづ心なく花");
  // An undoable replacement comes back with EM_UNDO.
  Send(EM_SETSEL, 0, 2);
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"ひさ"));
  EXPECT_EQ(GetText(), L"ひさ心なく花");
  EXPECT_TRUE(Send(EM_CANUNDO));
  EXPECT_TRUE(Send(EM_UNDO));
  EXPECT_EQ(GetText(), L"しづ心なく花");

  // Read-only: typing and the clipboard messages change nothing; the program
  // (and EM_REPLACESEL) still may.
  EXPECT_TRUE(Send(EM_SETREADONLY, TRUE));
  EXPECT_TRUE(::GetWindowLongPtrW(pane_.Handle(), GWL_STYLE) & ES_READONLY);
  Send(EM_SETSEL, 0, 1);
  Char(L'x');
  Send(WM_CLEAR);
  Send(WM_CUT);
  Key(VK_DELETE);
  EXPECT_EQ(GetText(), L"しづ心なく花");
  Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"す"));
  EXPECT_EQ(GetText(), L"すづ心なく花");
  Send(EM_SETREADONLY, FALSE);
  EXPECT_FALSE(::GetWindowLongPtrW(pane_.Handle(), GWL_STYLE) & ES_READONLY);
  Send(EM_SETSEL, 0, 1);
  Send(WM_CUT);
  EXPECT_EQ(GetText(), L"づ心なく花");
  Send(EM_SETSEL, 0, 0);
  Send(WM_PASTE);
  EXPECT_EQ(GetText(), L"すづ心なく花");
}

TEST_F(PaneEditMessagesTest, TextShiftJisCannotHoldIsRefusedAsAPasteIsRefused) {
  Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"花の色は"));
  // The fixture's ConfirmLoss declines: nothing changes.
  EXPECT_FALSE(Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"𠮷野")));
  Send(EM_SETSEL, 0, 1);
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"😀"));
  EXPECT_EQ(GetText(), L"花の色は");
  // Accepted, the character becomes "?".
  model_.ConfirmLoss = [](const std::u16string&) { return true; };
  EXPECT_TRUE(Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"𠮷野")));
  const std::wstring text = GetText();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.front(), L'?');
  EXPECT_EQ(text.back(), L'野');
}

}  // namespace
}  // namespace hanaroku::win32
