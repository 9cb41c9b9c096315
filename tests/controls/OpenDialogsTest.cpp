// The open dialogs' own behaviour: the extension of a file type, the name
// and default extension following the chosen type, the panel's geometry and
// the preview of a selected file.
#include "controls/OpenDialogs.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

constexpr const char* kDocuments = "Text(*.txt)|*.txt|HTML|*.HTML;*.HTM";
constexpr const char* kWithAll = "Text(*.txt)|*.txt|All(*.*)|*.*";

TEST(FilterExtension, EachEntryGivesItsFirstPatternsExtension) {
  EXPECT_EQ(FilterExtension(kDocuments, 1), ".txt");
  EXPECT_EQ(FilterExtension(kDocuments, 2), ".HTML");
  EXPECT_EQ(FilterExtension(kWithAll, 2), ".*");
  EXPECT_EQ(FilterExtension("Text|*.txt;*.text", 1), ".txt");
  EXPECT_EQ(FilterExtension("Archive|*.tar.gz", 1), ".tar.gz");
  EXPECT_EQ(FilterExtension("Everything|*", 1), "");  // known, and empty
}

TEST(FilterExtension, EntriesThatDoNotExistAreUnknown) {
  EXPECT_EQ(FilterExtension(kDocuments, 3), std::nullopt);
  EXPECT_EQ(FilterExtension(kDocuments, 0), std::nullopt);
  EXPECT_EQ(FilterExtension(kDocuments, -1), std::nullopt);
  EXPECT_EQ(FilterExtension("", 1), std::nullopt);
  EXPECT_EQ(FilterExtension("Text", 1), std::nullopt);
  EXPECT_EQ(FilterExtension("Text|", 1), "");  // an entry with an empty pattern
}

TEST(ReplaceExtension, OnlyTheLastNamePartsExtensionChanges) {
  EXPECT_EQ(ReplaceExtension("poem.txt", ".*"), "poem.*");
  EXPECT_EQ(ReplaceExtension("poem", ".txt"), "poem.txt");
  EXPECT_EQ(ReplaceExtension("a.b.txt", ".htm"), "a.b.htm");
  EXPECT_EQ(ReplaceExtension("C:\\歌.d\\poem", ".txt"), "C:\\歌.d\\poem.txt");
  EXPECT_EQ(ReplaceExtension("C:\\歌.d\\poem.txt", ""), "C:\\歌.d\\poem");
  EXPECT_EQ(ReplaceExtension("*.txt", ".HTML"), "*.HTML");
}

TEST(TExtChangeOpenDialog, ChoosingTypesChangesTheNameAndBack) {
  TExtChangeOpenDialog d;
  d.Filter = kWithAll;
  d.BeforeShow();
  EXPECT_EQ(d.DefaultExt, "txt");
  EXPECT_EQ(d.TypeChanged(2, "poem.txt"), "poem.*");
  EXPECT_EQ(d.DefaultExt, "*");
  EXPECT_EQ(d.FilterIndex, 2);
  EXPECT_EQ(d.TypeChanged(1, "poem.*"), "poem.txt");
  EXPECT_EQ(d.DefaultExt, "txt");
  // An empty box gets the type's pattern.
  EXPECT_EQ(d.TypeChanged(2, ""), "*.*");
}

TEST(TExtChangeOpenDialog, UnknownTypesAndTheSwitchLeaveEverything) {
  TExtChangeOpenDialog d;
  d.Filter = kDocuments;
  d.DefaultExt = "keep";
  d.FilterIndex = 5;
  d.BeforeShow();  // no fifth entry
  EXPECT_EQ(d.DefaultExt, "keep");
  EXPECT_EQ(d.TypeChanged(9, "poem.txt"), std::nullopt);
  EXPECT_EQ(d.DefaultExt, "keep");
  d.AutoExtChange = false;
  d.FilterIndex = 1;
  d.BeforeShow();
  EXPECT_EQ(d.DefaultExt, "keep");
  EXPECT_EQ(d.TypeChanged(2, "poem.txt"), std::nullopt);
  EXPECT_EQ(d.FilterIndex, 2);  // the platform's choice is still followed
}

TEST(TTextOpenDialogLayout, PanelCheckBoxAndMemo) {
  // Standard controls down to y = 300 in a client area of 420 x 430.
  EXPECT_EQ(TEnhOpenDialog::PanelRect({420, 430}, 300), (Rect{0, 290, 420, 430}));
  // Standard controls that fill the whole area leave an empty strip, not a
  // rectangle turned inside out.
  EXPECT_EQ(TEnhOpenDialog::PanelRect({420, 430}, 500), (Rect{0, 430, 420, 430}));
  EXPECT_EQ(TEnhOpenDialog::PanelRect({420, 430}, 5), (Rect{0, 0, 420, 430}));
  EXPECT_EQ(TTextOpenDialog::CheckBoxRect(), (Rect{5, 2, 205, 27}));
  EXPECT_EQ(TTextOpenDialog::MemoRect({420, 140}, 0), (Rect{5, 25, 415, 135}));
  EXPECT_EQ(TTextOpenDialog::MemoRect({420, 140}, 13), (Rect{5, 25, 402, 135}));
  EXPECT_TRUE(TTextOpenDialog::MemoRect({8, 20}, 13).Empty());
}

// Files of a fake disk, read as the dialog reads them: at most `most` bytes.
class TextPreview : public ::testing::Test {
 protected:
  std::u16string Show(const std::string& name) {
    return dialog.PreviewText(name, [this](const std::string& path, std::size_t most) -> std::optional<std::string> {
      ++reads;
      lastMost = most;
      auto it = files.find(path);
      if (it == files.end()) return std::nullopt;
      return it->second.substr(0, most);
    });
  }
  TTextOpenDialog dialog;
  std::map<std::string, std::string> files;
  int reads = 0;
  std::size_t lastMost = 0;
};

TEST_F(TextPreview, ShowsOnlyTheFirst1024BytesAsShiftJisText) {
  dialog.Preview = true;
  std::string big(5000, 'a');
  files["C:\\big.txt"] = big;
  const std::u16string shown = Show("C:\\big.txt");
  EXPECT_EQ(lastMost, 1024u);
  EXPECT_EQ(shown, std::u16string(1024, u'a'));
  files["C:\\poem.txt"] = enc::Utf8ToSjis("ひさかたの\r\n光のどけき\n春の日に\r");
  EXPECT_EQ(enc::Utf16ToUtf8(Show("C:\\poem.txt")), "ひさかたの\r\n光のどけき\r\n春の日に\r\n");
}

TEST_F(TextPreview, ACharacterCutByTheLimitIsLeftOut) {
  dialog.Preview = true;
  // 1023 single bytes, then "歌" whose second byte lies beyond the limit.
  files["C:\\cut.txt"] = std::string(1023, 'x') + enc::Utf8ToSjis("歌");
  const std::u16string shown = Show("C:\\cut.txt");
  EXPECT_EQ(shown, std::u16string(1023, u'x'));
  // Whole double-byte characters up to the limit stay.
  std::string kana;
  for (int i = 0; i < 600; ++i) kana += enc::Utf8ToSjis("あ");
  files["C:\\kana.txt"] = kana;
  EXPECT_EQ(Show("C:\\kana.txt"), std::u16string(512, u'あ'));
}

TEST_F(TextPreview, AnyBytesShowWholeInAnEditControl) {
  dialog.Preview = true;
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  files["C:\\bin.dat"] = bytes;
  const std::u16string shown = Show("C:\\bin.dat");
  EXPECT_FALSE(shown.empty());
  EXPECT_EQ(shown.find(u'\0'), std::u16string::npos);
  EXPECT_EQ(shown.front(), u'\uFFFD');
  // Every line break is CR LF.
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == u'\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(shown[i - 1], u'\r');
    }
    if (shown[i] == u'\r') {
      ASSERT_LT(i + 1, shown.size());
      EXPECT_EQ(shown[i + 1], u'\n');
    }
  }
}

TEST_F(TextPreview, NothingWithoutPreviewAWildcardOrAFile) {
  files["C:\\poem.txt"] = "text";
  dialog.Preview = false;
  EXPECT_TRUE(Show("C:\\poem.txt").empty());
  dialog.Preview = true;
  EXPECT_TRUE(Show("C:\\*.txt").empty());
  EXPECT_TRUE(Show("C:\\poem?.txt").empty());
  EXPECT_TRUE(Show("").empty());
  EXPECT_EQ(reads, 0);  // none of these touches the disk
  EXPECT_TRUE(Show("C:\\missing.txt").empty());
  files["C:\\empty.txt"] = "";
  EXPECT_TRUE(Show("C:\\empty.txt").empty());
  // A form description shows as its bytes.
  files["C:\\Unit1.dfm"] = "object Form1: TForm1";
  EXPECT_EQ(Show("C:\\Unit1.dfm"), u"object Form1: TForm1");
}

}  // namespace
}  // namespace hanaroku
