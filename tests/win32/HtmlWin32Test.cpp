// The HTML pages in the real main window: "換" on the HTML tool bar turns
// the poem in the left pane into a page, "保" saves it through the real save
// dialog; a hidden left pane keeps the size it has when shown, so it breaks
// its lines alike.
#include "MainWindowFixture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "platform/Encoding.h"
#include "platform/win32/MainWindow.h"

namespace hanaroku::win32 {
namespace {

using test::IsElapsedText;
using test::PanelText;

// Types a file name into a file dialog and presses OK: the name box is the
// edit of the combo box cmb13, or edt1.
void AnswerFileDialog(HWND dialog, const std::string& path) {
  HWND name = nullptr;
  if (HWND combo = ::GetDlgItem(dialog, 0x47c))
    name = reinterpret_cast<HWND>(::SendMessageW(combo, CBEM_GETEDITCONTROL, 0, 0));
  if (!name) name = ::GetDlgItem(dialog, 0x480);
  ASSERT_NE(name, nullptr);
  const std::wstring wide = Widen(path);
  ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  test::PressButton(dialog, IDOK);
}

using HtmlPages = test::MainWindowTest;

TEST_F(HtmlPages, APoemBecomesAPageThatIsSaved) {
  Form().Execute(Command::ShineSpeedButton2Click);  // the left pane on
  Form().Execute(Command::ActiveImage8Click);       // the HTML tool bar on
  test::PumpMain();
  HWND convert = Main().ControlWindow("HtmButton1");
  ASSERT_NE(convert, nullptr);
  ASSERT_TRUE(::IsWindowVisible(convert));
  Form().RichEditNx2.SetText(enc::Utf8ToSjis("ひさかたの\r\n光のどけき\r\n春の日に\r\nしづ心なく\r\n花の散るらむ"));
  // Preview off through its check box "起": no browser in the test.
  ASSERT_TRUE(Form().BarControls.State("CheckBox8").checked);
  Click("CheckBox8");
  ASSERT_FALSE(Form().PageSettings.CheckBoxChecked(8));
  ASSERT_FALSE(Form().BarControls.State("CheckBox8").checked);

  Click("HtmButton1");  // "換"
  const std::string page = Form().RichEditNx2.Text();
  EXPECT_EQ(page.substr(0, 8), "<HTML>\r\n");
  EXPECT_NE(page.find(enc::Utf8ToSjis("<br><br>花<br>の<br>散<br>る<br>ら<br>む<br>\r\n")), std::string::npos);
  EXPECT_FALSE(Form().RichEditNx2.WordWrap());
  EXPECT_TRUE(IsElapsedText(PanelText(Main().Handle(), 1))) << PanelText(Main().Handle(), 1);

  const std::string path = Dir().File("歌.htm");
  EXPECT_TRUE(test::DriveDialog(
      [&] { Click("HtmButton3"); },  // "保"
      [&](HWND dialog) { AnswerFileDialog(dialog, path); }));
  test::PumpMain();
  ASSERT_TRUE(test::Exists(path));
  EXPECT_EQ(test::ReadRaw(path), page);
  EXPECT_EQ(Form().Html().LeftHtmlFileName, path);
  EXPECT_FALSE(Form().RichEditNx2.Modified());
}

TEST_F(HtmlPages, AHiddenLeftPaneBreaksItsLinesAsWhenShown) {
  Form().RichEditNx2.SetText(enc::Utf8ToSjis("春の野にすみれ摘みにと来し我ぞ野をなつかしみ一夜寝にける"));
  ASSERT_FALSE(Form().LeftPaneVisible);
  const PaneLayout& layout = Form().RichEditNx2.Layout();
  const int hiddenWidth = layout.ClientWidth(), hiddenHeight = layout.ClientHeight();
  const std::vector<std::string> hidden = Form().RichEditNx2.Lines().Strings();
  EXPECT_GT(hiddenWidth, 0);
  EXPECT_GT(hidden.size(), 1u);  // wrapped at the height it has when shown
  Form().Execute(Command::ShineSpeedButton2Click);
  test::PumpMain();
  EXPECT_EQ(layout.ClientWidth(), hiddenWidth);
  EXPECT_EQ(layout.ClientHeight(), hiddenHeight);
  EXPECT_EQ(Form().RichEditNx2.Lines().Strings(), hidden);
}

}  // namespace
}  // namespace hanaroku::win32
