// The script conversions in the real main window: a click on "萬" in the
// left pane's tool bar converts the poem there into man'yōgana and the
// status bar shows the time, the characters and the lines.
#include "TestUtil.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <vector>

#include "app/Commands.h"
#include "platform/Encoding.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/ToolBar.h"

namespace hanaroku::win32 {
namespace {

constexpr int kNNBar3Id = 21;  // the control id of the left pane's tool bar
constexpr int kNNBar3Height = 32;

void Pump() {
  MSG msg;
  for (int i = 0; i < 1000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) continue;  // posted by a main window going away
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// Clicks the button of command `c` on the tool bar strip `strip` of `bar`.
void ClickToolButton(HWND strip, ToolBarId bar, Command c) {
  std::vector<StripItem> items = ItemsFromTable(bar);
  LayoutStrip(items, kNNBar3Height);
  for (const StripItem& item : items) {
    if (item.command != c) continue;
    const LPARAM at = MAKELPARAM((item.rect.left + item.rect.right) / 2, (item.rect.top + item.rect.bottom) / 2);
    ::SendMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(strip, WM_LBUTTONUP, 0, at);
    return;
  }
  ADD_FAILURE() << "no such button";
}

std::string PanelText(HWND main, int index) {
  HWND bar = ::FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
  LRESULT r = ::SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  std::wstring text(LOWORD(r) + 1, L'\0');
  ::SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(LOWORD(r));
  return enc::Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

bool IsElapsedText(const std::string& s) {
  if (s.size() != 12) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool colon = i == 2 || i == 5 || i == 8;
    if (colon ? s[i] != ':' : (s[i] < '0' || s[i] > '9')) return false;
  }
  return true;
}

class Conversions : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    main_ = std::make_unique<MainWindow>();
    main_->Create(dir_.File("hanaroku.exe"));  // closed without the close query: no settings file
    main_->Show(SW_SHOWNORMAL);
    main_->Form().Execute(Command::ShineSpeedButton2Click);  // the left pane on
    Pump();
  }
  void TearDown() override {
    main_.reset();
    Pump();
  }
  MainWindow& Main() { return *main_; }

 private:
  test::ScratchDir dir_;
  std::unique_ptr<MainWindow> main_;
};

TEST_F(Conversions, ManyoganaButtonConvertsThePoemInTheLeftPane) {
  ASSERT_TRUE(Main().Form().LeftPaneVisible);
  const std::string poem =
      enc::Utf8ToSjis("ひさかたの\r\n光のどけき\r\n春の日に\r\nしづ心なく\r\n花の散るらむ");
  Main().Form().RichEditNx2.SetText(poem);
  Main().Form().RichEditNx1.SetText(enc::Utf8ToSjis("右窓のうた"));
  HWND strip = ::GetDlgItem(Main().Handle(), kNNBar3Id);
  ASSERT_NE(strip, nullptr);
  wchar_t cls[64] = {};
  ::GetClassNameW(strip, cls, 64);
  ASSERT_EQ(std::wstring(cls), L"HanarokuToolStrip");

  ClickToolButton(strip, ToolBarId::NNBar3, Command::ShineSpeedButton21Click);
  Pump();

  const std::u16string out = enc::SjisToUtf16(Main().Form().RichEditNx2.Text());
  ASSERT_EQ(out.size(), 33u);
  for (char16_t c : out) EXPECT_FALSE(c >= u'ぁ' && c <= u'ゖ') << enc::Utf16ToUtf8(out);
  EXPECT_EQ(out[7], u'光');
  EXPECT_EQ(out[14], u'春');
  EXPECT_EQ(out[16], u'日');
  EXPECT_EQ(out[22], u'心');
  EXPECT_EQ(out[27], u'花');
  EXPECT_EQ(out[29], u'散');
  EXPECT_EQ(out.substr(5, 2), u"\r\n");
  EXPECT_EQ(Main().Form().RichEditNx1.Text(), enc::Utf8ToSjis("右窓のうた"));

  EXPECT_TRUE(IsElapsedText(PanelText(Main().Handle(), 1))) << PanelText(Main().Handle(), 1);
  EXPECT_EQ(PanelText(Main().Handle(), 2), "25字");
  EXPECT_EQ(PanelText(Main().Handle(), 3), "5行");
  EXPECT_EQ(Main().Form().StatusBar1.Panels[3].text, "5行");
}

TEST_F(Conversions, KanaButtonsConvertTheLeftPane) {
  Main().Form().RichEditNx2.SetText(enc::Utf8ToSjis("はなのいろは\r\nウツリニケリナ"));
  HWND strip = ::GetDlgItem(Main().Handle(), kNNBar3Id);
  ASSERT_NE(strip, nullptr);
  ClickToolButton(strip, ToolBarId::NNBar3, Command::HiraganaButton1Click);
  Pump();
  EXPECT_EQ(Main().Form().RichEditNx2.Text(), enc::Utf8ToSjis("ハナノイロハ\r\nウツリニケリナ"));
  EXPECT_TRUE(IsElapsedText(PanelText(Main().Handle(), 1)));
  ClickToolButton(strip, ToolBarId::NNBar3, Command::KatakanaButton1Click);
  Pump();
  EXPECT_EQ(Main().Form().RichEditNx2.Text(), enc::Utf8ToSjis("はなのいろは\r\nうつりにけりな"));
}

}  // namespace
}  // namespace hanaroku::win32
