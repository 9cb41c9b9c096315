// The main window's documents in UTF-8 and UTF-16: opened converted, the
// encoding shown beside the caret position, written back as they came, and
// Save As offering the encodings.
#include <gtest/gtest.h>

#include "app/MainFormFixture.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

using namespace testing;

std::string Sjis(const char* utf8) { return enc::Utf8ToSjis(utf8); }

constexpr const char* kUtf8Poem = "ふるいけや\nかはづとびこむ\nみづのおと\n";

TEST_F(MainForm, AUtf8DocumentOpensConvertedShowsItsEncodingAndSavesBackUnchanged) {
  fs.files["C:\\t\\poem.txt"] = kUtf8Poem;
  dialogs.openPaths = {"C:\\t\\poem.txt"};
  form.Open1Click();
  EXPECT_EQ(form.RichEditNx1.Text(), Sjis("ふるいけや\r\nかはづとびこむ\r\nみづのおと\r\n"));
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "1行0列 UTF-8");
  EXPECT_EQ(host.caption, "C:\\t\\poem.txt");
  EXPECT_TRUE(dialogs.messages.empty());
  fs.files["C:\\t\\poem.txt"] = "changed on disk";
  form.Save1Click();
  EXPECT_EQ(fs.files["C:\\t\\poem.txt"], kUtf8Poem);
  // A new document is Shift-JIS again.
  dialogs.answers = {MsgResult::Yes};
  form.New1Click();
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "1行0列");
}

TEST_F(MainForm, CharactersShiftJisCannotHoldAreNamedOnOpenAndTheSaveAsksFirst) {
  fs.files["C:\\t\\sakura.txt"] = "花🌸\r\n";
  form.RichEditNx1.SetText("mine");
  dialogs.openPaths = {"C:\\t\\sakura.txt"};
  dialogs.answers = {MsgResult::No};
  form.Open1Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("🌸 (U+1F338)"), std::string::npos) << dialogs.messages[0];
  EXPECT_NE(dialogs.messages[0].find("〓"), std::string::npos);
  EXPECT_EQ(form.RichEditNx1.Text(), "mine");  // cancelled: nothing changed
  EXPECT_EQ(form.RightFileName, "");

  dialogs.openPaths = {"C:\\t\\sakura.txt"};
  dialogs.answers = {MsgResult::Yes};
  form.Open1Click();
  EXPECT_EQ(form.RichEditNx1.Text(), Sjis("花〓\r\n"));
  EXPECT_EQ(form.RightFileName, "C:\\t\\sakura.txt");
  dialogs.messages.clear();
  dialogs.answers = {MsgResult::No};
  form.Save1Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(fs.files["C:\\t\\sakura.txt"], "花🌸\r\n");  // kept
  dialogs.answers = {MsgResult::Yes};
  form.Save1Click();
  EXPECT_EQ(fs.files["C:\\t\\sakura.txt"], "花〓\r\n");
  dialogs.messages.clear();
  form.Save1Click();  // the file now holds what the pane does: no question
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainForm, SaveAsOffersTheEncodingsStartingFromTheDocumentsOwn) {
  fs.files["C:\\t\\poem.txt"] = kUtf8Poem;
  dialogs.openPaths = {"C:\\t\\poem.txt"};
  form.Open1Click();
  dialogs.savePaths = {"C:\\t\\bom.txt"};
  dialogs.saveTypes = {4};
  form.SaveAs1Click();
  EXPECT_EQ(dialogs.specs.back().filter,
            "Text(*.txt)|*.txt|All(*.*)|*.*|Text UTF-8(*.txt)|*.txt|Text UTF-8 BOM(*.txt)|*.txt");
  EXPECT_EQ(dialogs.specs.back().filterIndex, 3);
  EXPECT_EQ(fs.files["C:\\t\\bom.txt"], "\xEF\xBB\xBF" + std::string(kUtf8Poem));
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "1行0列 UTF-8 BOM");
  dialogs.savePaths = {"C:\\t\\sjis.txt"};
  dialogs.saveTypes = {1};
  form.SaveAs1Click();
  EXPECT_EQ(dialogs.specs.back().filterIndex, 4);
  EXPECT_EQ(fs.files["C:\\t\\sjis.txt"], Sjis("ふるいけや\r\nかはづとびこむ\r\nみづのおと\r\n"));
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "1行0列");
  // A cancelled Save As keeps the document's encoding.
  dialogs.savePaths = {""};
  dialogs.saveTypes = {};
  form.SaveAs1Click();
  EXPECT_EQ(form.RightFormat, DocumentFormat{});
}

TEST_F(MainForm, TheLeftPaneKeepsItsOwnDocumentsEncoding) {
  form.ShineSpeedButton2Click();  // the left pane on
  const std::string utf16 = std::string("\xFF\xFE") + std::string("\xB1\x82\x0D\x00\x0A\x00", 6);  // 花 CR LF
  fs.files["C:\\t\\left.txt"] = utf16;
  dialogs.openPaths = {"C:\\t\\left.txt"};
  form.ShineSpeedButton5Click();
  EXPECT_EQ(form.RichEditNx2.Text(), Sjis("花\r\n"));
  EXPECT_EQ(form.LeftFormat.Name(), "UTF-16LE");
  EXPECT_EQ(form.RightFormat.Name(), "");
  fs.files["C:\\t\\left.txt"] = "";
  form.ShineSpeedButton13Click();
  EXPECT_EQ(fs.files["C:\\t\\left.txt"], utf16);
}

}  // namespace
}  // namespace hanaroku
