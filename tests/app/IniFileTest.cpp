#include "app/IniFile.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <map>

#include "platform/Encoding.h"
#include "platform/FileSystem.h"

namespace hanaroku {
namespace {

// Files in memory; counts the writes.
class MemoryFs final : public IFileSystem {
 public:
  std::map<std::string, std::string> files;
  int writes = 0;
  std::string ReadFile(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) throw FileError(path + "\nmissing");
    return it->second;
  }
  void WriteFileAtomic(const std::string& path, const std::string& bytes) override {
    ++writes;
    files[path] = bytes;
  }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  long long FileSize(const std::string& path) override {
    return files.count(path) ? static_cast<long long>(files[path].size()) : -1;
  }
};

TEST(IniFile, NamesCompareWithoutCaseAndTheFirstMatchWins) {
  IniFile ini = IniFile::Parse(
      "[Form\\MainForm1]\r\nWidth=800\r\nwidth=900\r\n"
      "[form\\mainform1]\r\nHeight=600\r\n");
  EXPECT_EQ(ini.Get("FORM\\MAINFORM1", "WIDTH"), "800");
  // Only the first section of a name is searched, as the system does it.
  EXPECT_EQ(ini.Get("Form\\MainForm1", "Height"), std::nullopt);
  EXPECT_EQ(ini.Get("Form", "Width"), std::nullopt);
  EXPECT_EQ(ini.Get("MainForm1", "Width"), std::nullopt);
}

TEST(IniFile, ShiftJisNamesAreNotFoldedOrCutInsideACharacter) {
  // ア is 83 41 and ヂ is 83 61: folding the second byte would merge them.
  // ソ and 表 end in 5C ("\"), ゾ ends in 5D ("]").
  std::string text = "[" + enc::Utf8ToSjis("表ゾ") + "]\r\n" + enc::Utf8ToSjis("ヂ") + "=2\r\n" +
                     enc::Utf8ToSjis("ア") + "=1\r\n" + enc::Utf8ToSjis("ソ") + "=3\r\n";
  IniFile ini = IniFile::Parse(text);
  EXPECT_TRUE(ini.HasSection("表ゾ"));
  EXPECT_EQ(ini.Get("表ゾ", "ア"), "1");
  EXPECT_EQ(ini.Get("表ゾ", "ヂ"), "2");
  EXPECT_EQ(ini.Get("表ゾ", "ソ"), "3");
}

TEST(IniFile, BlanksQuotesAndCommentsFollowProfileConventions) {
  IniFile ini = IniFile::Parse(
      "; comment=1\n"
      "  [ S ]  \n"
      "  key  =  value with  blanks  \n"
      "q=\"  quoted  \"\n"
      "half=\"open\n"
      "empty=\n"
      ";x=1\n"
      "novalue\n");
  EXPECT_EQ(ini.Get("S", "key"), "value with  blanks");
  EXPECT_EQ(ini.Get("S", "q"), "  quoted  ");
  EXPECT_EQ(ini.Get("S", "half"), "\"open");
  EXPECT_EQ(ini.Get("S", "empty"), "");
  EXPECT_EQ(ini.Get("S", ";x"), std::nullopt);
  EXPECT_EQ(ini.Get("S", "novalue"), std::nullopt);
  EXPECT_EQ(ini.Keys("s"), (std::vector<std::string>{"key", "q", "half", "empty"}));
}

TEST(IniFile, UntouchedLinesAreWrittenBackAsTheyWere) {
  const std::string original =
      "; settings of Hanaroku\r\n"
      "[A]\r\n"
      "  x = 1 \r\n"
      "junk line \x82\xa0\xff\r\n"
      "\r\n"
      "[B]\r\n"
      "y=2";
  IniFile ini = IniFile::Parse(original);
  EXPECT_EQ(ini.Serialize(), original);
  ini.Set("A", "x", "1");  // same value: no change at all
  EXPECT_FALSE(ini.Modified());
  EXPECT_EQ(ini.Serialize(), original);

  ini.Set("A", "z", "3");  // new key: after the last line of A, before the blank line
  ini.Set("B", "y", "5");
  ini.Set("C", "w", "6");  // new section at the end
  EXPECT_EQ(ini.Serialize(),
            "; settings of Hanaroku\r\n"
            "[A]\r\n"
            "  x = 1 \r\n"
            "junk line \x82\xa0\xff\r\n"
            "z=3\r\n"
            "\r\n"
            "[B]\r\n"
            "y=5\r\n"
            "[C]\r\n"
            "w=6\r\n");
}

TEST(IniFile, KeepsTheLineEndOfTheFile) {
  IniFile ini = IniFile::Parse("[A]\nx=1\n");
  ini.Set("A", "y", "2");
  EXPECT_EQ(ini.Serialize(), "[A]\nx=1\ny=2\n");
}

TEST(IniFile, ValuesAreShiftJisInTheFile) {
  IniFile ini;
  ini.Set("Form\\Mfn", "string", "ＭＳ 明朝");
  EXPECT_EQ(ini.Serialize(), "[Form\\Mfn]\r\nstring=\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r\n");
  EXPECT_EQ(IniFile::Parse(ini.Serialize()).Get("Form\\Mfn", "string"), "ＭＳ 明朝");
}

TEST(IniFile, EveryValueReadsBackExactly) {
  const std::vector<std::string> values = {
      "",
      "plain",
      "C:\\Users\\José\\bin\\tool.exe",  // é is not in code page 932
      "line one\r\nline two\nkey=injected",
      "%UTF8%looks escaped",
      "100%",
      "  leading and trailing  ",
      "\"quoted\"",
      "'single'",
      "\"",
      "tab\there",
      "emoji 🌸 and 花",
      "trailing blank ",
      std::string("nul\0inside", 10),
  };
  IniFile ini;
  for (std::size_t i = 0; i < values.size(); ++i) ASSERT_TRUE(ini.Set("S", "k" + std::to_string(i), values[i]));
  const std::string bytes = ini.Serialize();
  // The file stays one key per line whatever the values hold.
  IniFile back = IniFile::Parse(bytes);
  EXPECT_EQ(back.Keys("S").size(), values.size());
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(back.Get("S", "k" + std::to_string(i)), values[i]) << i;
  // Characters that Shift-JIS can hold stay readable in the escaped form.
  EXPECT_NE(bytes.find("k2=%UTF8%C:\\Users\\Jos%C3%A9\\bin\\tool.exe"), std::string::npos);
  EXPECT_NE(bytes.find("%F0%9F%8C%B8 and " + enc::Utf8ToSjis("花")), std::string::npos);
}

TEST(IniFile, RefusesNamesThatCannotBeStored) {
  IniFile ini;
  EXPECT_FALSE(ini.Set("", "k", "v"));
  EXPECT_FALSE(ini.Set("S", "", "v"));
  EXPECT_FALSE(ini.Set("S", "a=b", "v"));
  EXPECT_FALSE(ini.Set("S", ";k", "v"));
  EXPECT_FALSE(ini.Set("S", "[k", "v"));
  EXPECT_FALSE(ini.Set("S]x", "k", "v"));
  EXPECT_FALSE(ini.Set("S\nT", "k", "v"));
  EXPECT_FALSE(ini.Set("S", " k", "v"));
  EXPECT_FALSE(ini.Set("José", "k", "v"));
  EXPECT_FALSE(ini.Modified());
  EXPECT_EQ(ini.Serialize(), "");
}

TEST(IniFile, DeleteRemovesTheFirstMatchOnly) {
  IniFile ini = IniFile::Parse("[S]\r\nk=1\r\nK=2\r\n");
  EXPECT_TRUE(ini.Delete("s", "k"));
  EXPECT_EQ(ini.Get("S", "k"), "2");
  EXPECT_TRUE(ini.Delete("S", "k"));
  EXPECT_FALSE(ini.Delete("S", "k"));
  EXPECT_FALSE(ini.Delete("T", "k"));
  EXPECT_EQ(ini.Serialize(), "[S]\r\n");
}

TEST(IniFile, NumberedKeysGoInOnePassAsDeleteWouldTakeThem) {
  IniFile ini = IniFile::Parse(
      "[S]\r\nd0=a\r\nd1=b\r\nD1=second d1\r\nd01=c\r\nd2=d\r\nd-3=e\r\nd99999999999=f\r\nx=g\r\n"
      "[T]\r\nd1=other section\r\n[U]\r\nd98765432109876543210987654321=long\r\nd1a=letter\r\n");
  EXPECT_EQ(ini.KeyCount("s"), 7u);  // d1 and D1 are one name
  // Indexes too long for a number, or with a letter, are no indexes.
  EXPECT_EQ(ini.DeleteNumbered("U", "d", 0, 2147483647LL), 0u);
  EXPECT_EQ(ini.KeyCount("U"), 2u);
  EXPECT_EQ(ini.DeleteNumbered("S", "D", 1, 2147483647LL), 2u);
  // The first d1 only, as Delete takes it; d01 and d-3 are not indexes the
  // store writes, and d99999999999 lies beyond the range.
  EXPECT_EQ(ini.Keys("S"), (std::vector<std::string>{"d0", "D1", "d01", "d-3", "d99999999999", "x"}));
  EXPECT_EQ(ini.Get("T", "d1"), "other section");
  EXPECT_EQ(ini.DeleteNumbered("S", "d", 5, 2), 0u);
  EXPECT_EQ(ini.DeleteNumbered("missing", "d", 0, 10), 0u);
  EXPECT_EQ(ini.Serialize(),
            "[S]\r\nd0=a\r\nD1=second d1\r\nd01=c\r\nd-3=e\r\nd99999999999=f\r\nx=g\r\n[T]\r\nd1=other section\r\n"
            "[U]\r\nd98765432109876543210987654321=long\r\nd1a=letter\r\n");
  // A key set after deletions goes after the last line still there.
  ini.Set("S", "y", "h");
  EXPECT_EQ(ini.Keys("S").back(), "y");
}

TEST(IniFile, ManyKeysAreFoundChangedAndDeletedByName) {
  // A component state of 20 000 hex lines: every line looked up, changed
  // and deleted by name, in any letter case.
  std::string text = "[Form\\RichEditNx1]\r\n";
  for (int i = 0; i < 20000; ++i) text += "prop_d" + std::to_string(i) + "=00\r\n";
  IniFile ini = IniFile::Parse(text);
  for (int i = 0; i < 20000; ++i) ASSERT_EQ(ini.Get("form\\richeditnx1", "PROP_D" + std::to_string(i)), "00");
  for (int i = 0; i < 20000; i += 2) ini.Set("Form\\RichEditNx1", "prop_d" + std::to_string(i), "FF");
  for (int i = 1; i < 20000; i += 2) ini.Delete("Form\\RichEditNx1", "prop_d" + std::to_string(i));
  EXPECT_EQ(ini.KeyCount("Form\\RichEditNx1"), 10000u);
  EXPECT_EQ(ini.Get("Form\\RichEditNx1", "prop_d19998"), "FF");
  EXPECT_FALSE(ini.Get("Form\\RichEditNx1", "prop_d19999").has_value());
}

TEST(IniFile, ReadsFilesSavedWithAByteOrderMark) {
  IniFile utf8 = IniFile::Parse("\xEF\xBB\xBF[Form\\Edit4]\r\nText=花の色\r\n");
  EXPECT_EQ(utf8.Get("Form\\Edit4", "Text"), "花の色");
  std::u16string u = u"\xFEFF[S]\r\nk=花\r\n";
  std::string le;
  for (char16_t c : u) le += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  IniFile utf16 = IniFile::Parse(le);
  EXPECT_EQ(utf16.Get("S", "k"), "花");
  utf16.Set("S", "j", "1");
  EXPECT_EQ(utf16.Serialize(), "[S]\r\nk=" + enc::Utf8ToSjis("花") + "\r\nj=1\r\n");
}

TEST(IniFile, LoadAndSaveThroughTheFileSystem) {
  MemoryFs fs;
  IniFile missing = IniFile::Load(fs, "/x/a.ini");
  EXPECT_EQ(missing.Serialize(), "");
  missing.SaveIfModified(fs, "/x/a.ini");
  EXPECT_EQ(fs.writes, 0);  // nothing changed, nothing written
  missing.Set("S", "k", "v");
  missing.SaveIfModified(fs, "/x/a.ini");
  EXPECT_EQ(fs.writes, 1);
  EXPECT_EQ(fs.files["/x/a.ini"], "[S]\r\nk=v\r\n");
  EXPECT_EQ(IniFile::Load(fs, "/x/a.ini").Get("S", "k"), "v");
}

TEST(IniFile, RealFileRoundTrip) {
  namespace fsys = std::filesystem;
  std::string tmpl = (fsys::temp_directory_path() / "hanaroku-ini-XXXXXX").string();
  ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
  fsys::path dir = tmpl;
  std::string path = (dir / "hanaroku.ini").string();
  IniFile ini = IniFile::Load(SystemFileSystem(), path);
  ini.Set("Form\\fLastfile", "string", "C:\\文書\\歌.txt");
  ini.SaveIfModified(SystemFileSystem(), path);
  EXPECT_EQ(IniFile::Load(SystemFileSystem(), path).Get("form\\FLASTFILE", "STRING"), "C:\\文書\\歌.txt");
  fsys::remove_all(dir);
}

}  // namespace
}  // namespace hanaroku
