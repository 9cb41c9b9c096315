#include "app/RegManager.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "app/IniFile.h"
#include "platform/FileSystem.h"

namespace hanaroku {
namespace {

namespace fsys = std::filesystem;

class RecordingDialogs final : public IDialogs {
 public:
  std::vector<std::string> texts;
  std::vector<MsgIcon> icons;
  MsgResult MessageBox(const std::string& text, const std::string&, MsgButtons, MsgIcon icon) override {
    texts.push_back(text);
    icons.push_back(icon);
    return MsgResult::Ok;
  }
  bool OpenFile(const FileDialogSpec&, std::string&) override { return false; }
  bool SaveFile(const FileDialogSpec&, std::string&) override { return false; }
  bool ChooseFont(FontSpec&, bool) override { return false; }
  bool ChooseColor(TColor&) override { return false; }
  void Beep() override {}
};

// The real file system, with writes that can be made to break off half way
// (the temporary file half written, the rename never reached), as a crash or
// a full disk would leave them.
class BreakingFs final : public IFileSystem {
 public:
  bool breakWrites = false;
  bool failReads = false;
  int writes = 0;
  std::string ReadFile(const std::string& path) override {
    if (failReads) throw FileError(path + "\naccess denied");
    return SystemFileSystem().ReadFile(path);
  }
  void WriteFileAtomic(const std::string& path, const std::string& bytes) override {
    ++writes;
    if (breakWrites) {
      std::ofstream(path + ".~hanaroku-tmp", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
      throw FileError(path + "\nThere is not enough space on the disk.");
    }
    SystemFileSystem().WriteFileAtomic(path, bytes);
  }
  bool FileExists(const std::string& path) override { return SystemFileSystem().FileExists(path); }
  long long FileSize(const std::string& path) override { return SystemFileSystem().FileSize(path); }
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class RegManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fsys::temp_directory_path() / "hanaroku-reg-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir = tmpl;
    path = (dir / "hanaroku.ini").string();
    reg.IniFileName = path;
    reg.RegItems.Add("RichEditNx1Component", "Form\\RichEditNx1", "prop");
    reg.RegItems.Add("MainForm1Width", "Form\\MainForm1", "Width", "780");
    reg.RegItems.Add("CheckBox4Checked", "Form\\CheckBox4", "Checked", "True");
    reg.RegItems.Add("CheckBox1Checked", "Form\\CheckBox1", "Checked");
    reg.RegItems.Add("Edit4Text", "Form\\Edit4", "Text");
    reg.RegItems.Add("Lines", "Form\\Lines", "L");
    reg.RegItems.Add("Blob", "Form\\Blob", "b");
    reg.RegItems.Add("Font", "Form\\Font", "F");
  }
  void TearDown() override { fsys::remove_all(dir); }
  IniFile File() { return IniFile::Parse(fs.FileExists(path) ? ReadAll(path) : ""); }

  fsys::path dir;
  std::string path;
  BreakingFs fs;
  RecordingDialogs dialogs;
  TRegManager reg{fs, &dialogs};
};

TEST_F(RegManagerTest, LookupIgnoresCaseAndReportsUnknownNames) {
  reg.Filer("richeditnx1component");
  ASSERT_NE(reg["richeditnx1component"].Item(), nullptr);
  EXPECT_EQ(reg["RICHEDITNX1COMPONENT"].Item()->Name, "RichEditNx1Component");
  EXPECT_TRUE(dialogs.texts.empty());

  TRegFiler& none = reg["NoSuchItem"];
  ASSERT_EQ(dialogs.texts.size(), 1u);
  EXPECT_EQ(dialogs.texts[0], "[' NoSuchItem '] is invalid.");
  EXPECT_EQ(dialogs.icons[0], MsgIcon::Error);
  EXPECT_EQ(none.Item(), nullptr);
  std::string text = "x";
  none.ReadText(text);
  EXPECT_EQ(text, "");
  EXPECT_EQ(none.ReadInt(), 0);
  EXPECT_FALSE(none.ReadFlag());
  none.WriteText("v");
  none.WriteInt(1);
  std::vector<std::string> lines{"a"};
  none.WriteLines(&lines);
  EXPECT_FALSE(fs.FileExists(path));
  // The same filer object is retargeted by every lookup.
  EXPECT_EQ(&reg["MainForm1Width"], &none);
  EXPECT_EQ(none.Item()->Name, "MainForm1Width");
}

TEST_F(RegManagerTest, IntegersAndTheirDefaults) {
  EXPECT_EQ(reg["MainForm1Width"].ReadInt(), 780);
  EXPECT_EQ(reg["CheckBox1Checked"].ReadInt(), 0);  // no default: 0
  reg["MainForm1Width"].WriteInt(-1024);
  EXPECT_EQ(reg["MainForm1Width"].ReadInt(), -1024);
  EXPECT_EQ(File().Get("Form\\MainForm1", "Width"), "-1024");
  for (const char* bad : {"12px", "", "0x10", "99999999999"}) {
    reg["MainForm1Width"].WriteText(bad);
    EXPECT_EQ(reg["MainForm1Width"].ReadInt(), 0) << bad;
  }
}

TEST_F(RegManagerTest, FlagsCountOnlyNumbers) {
  EXPECT_TRUE(reg["CheckBox4Checked"].ReadFlag());   // DefaultValue "True", key absent
  EXPECT_FALSE(reg["CheckBox1Checked"].ReadFlag());  // no default
  reg["CheckBox4Checked"].WriteText("True");
  EXPECT_FALSE(reg["CheckBox4Checked"].ReadFlag());  // stored "True" is not a number
  reg["CheckBox4Checked"].WriteText("2");
  EXPECT_TRUE(reg["CheckBox4Checked"].ReadFlag());
  reg["CheckBox4Checked"].WriteFlag(false);
  EXPECT_EQ(File().Get("Form\\CheckBox4", "Checked"), "0");
  reg["CheckBox1Checked"].WriteFlag(true);
  EXPECT_EQ(File().Get("Form\\CheckBox1", "Checked"), "1");
  for (const char* d : {"yes", "TRUE", "1"}) {
    reg.RegItems.Set(3, {"CheckBox1Checked", "Form\\Other", "Checked", d});
    EXPECT_TRUE(reg["CheckBox1Checked"].ReadFlag()) << d;
  }
  reg.RegItems.Set(3, {"CheckBox1Checked", "Form\\Other", "Checked", "on"});
  EXPECT_FALSE(reg["CheckBox1Checked"].ReadFlag());
}

TEST_F(RegManagerTest, ListsShrinkAndVanish) {
  std::vector<std::string> five{"一", "二", "三", "四", "五"};
  reg["Lines"].WriteLines(&five);
  std::vector<std::string> back{"stale"};
  reg["Lines"].ReadLines(&back);
  EXPECT_EQ(back, five);

  std::vector<std::string> two{"a", "b"};
  reg["Lines"].WriteLines(&two);
  EXPECT_EQ(File().Keys("Form\\Lines"), (std::vector<std::string>{"L_ItemCount", "L_Item0", "L_Item1"}));
  reg["Lines"].ReadLines(&back);
  EXPECT_EQ(back, two);

  std::vector<std::string> none;
  reg["Lines"].WriteLines(&none);
  EXPECT_TRUE(File().Keys("Form\\Lines").empty());
  reg["Lines"].ReadLines(&back);
  EXPECT_TRUE(back.empty());
}

TEST_F(RegManagerTest, ListWithHolesAndAnAbsurdCount) {
  IniFile ini;
  ini.Set("Form\\Lines", "L_ItemCount", "3");
  ini.Set("Form\\Lines", "L_Item1", "mid");
  ini.SaveIfModified(fs, path);
  std::vector<std::string> back;
  reg["Lines"].ReadLines(&back);
  // A missing entry reads as an empty line, but there are never more
  // entries than the section has keys (two here).
  EXPECT_EQ(back, (std::vector<std::string>{"", "mid"}));
  ini.Set("Form\\Lines", "L_Item2", "end");
  ini.SaveIfModified(fs, path);
  reg.Reread();
  reg["Lines"].ReadLines(&back);
  EXPECT_EQ(back, (std::vector<std::string>{"", "mid", "end"}));
  ini.Set("Form\\Lines", "L_ItemCount", "2000000000");
  ini.SaveIfModified(fs, path);
  reg.Reread();
  reg["Lines"].ReadLines(&back);
  // An absurd count costs nothing.
  EXPECT_EQ(back, (std::vector<std::string>{"", "mid", "end"}));
}

TEST_F(RegManagerTest, AnAbsurdStoredCountCostsNoMoreThanTheKeysThere) {
  IniFile ini;
  ini.Set("Form\\Lines", "L_ItemCount", "2147483647");
  for (int i : {0, 1, 2, 3, 4, 7, 2147483646}) ini.Set("Form\\Lines", "L_Item" + std::to_string(i), "x");
  ini.Set("Form\\Lines", "L_Item05", "not an index as the store writes it");
  ini.Set("Form\\Blob", "b_c", "2147483647");
  ini.Set("Form\\Blob", "b_d0", "4142");
  ini.SaveIfModified(fs, path);
  std::string blob;
  reg["Blob"].ReadBlob(&blob);
  EXPECT_EQ(blob, "AB");
  std::vector<std::string> lines;
  reg["Lines"].ReadLines(&lines);
  EXPECT_LE(lines.size(), 10u);
  // Writing over it deletes the stale entries once each, in one pass.
  std::vector<std::string> two{"a", "b"};
  reg["Lines"].WriteLines(&two);
  EXPECT_EQ(File().Keys("Form\\Lines"),
            (std::vector<std::string>{"L_ItemCount", "L_Item0", "L_Item1", "L_Item05"}));
  EXPECT_EQ(File().Get("Form\\Lines", "L_ItemCount"), "2");
  std::string none;
  reg["Blob"].WriteBlob(&none);
  EXPECT_TRUE(File().Keys("Form\\Blob").empty());
}

TEST_F(RegManagerTest, BlobsAreHexLinesOf64Digits) {
  std::string blob;
  for (int i = 0; i < 33; ++i) blob.push_back(static_cast<char>(0xF0 + (i % 16)));
  reg["Blob"].WriteBlob(&blob);
  IniFile ini = File();
  EXPECT_EQ(ini.Get("Form\\Blob", "b_c"), "2");
  ASSERT_TRUE(ini.Get("Form\\Blob", "b_d0"));
  EXPECT_EQ(ini.Get("Form\\Blob", "b_d0")->size(), 64u);
  EXPECT_EQ(ini.Get("Form\\Blob", "b_d0")->substr(0, 6), "F0F1F2");
  EXPECT_EQ(ini.Get("Form\\Blob", "b_d1"), "F0");
  std::string back = "pre";
  reg["Blob"].ReadBlob(&back);
  EXPECT_EQ(back, "pre" + blob);  // appended to the stream

  std::string small(5, 'A');
  reg["Blob"].WriteBlob(&small);
  EXPECT_EQ(File().Keys("Form\\Blob"), (std::vector<std::string>{"b_c", "b_d0"}));
  std::string empty;
  reg["Blob"].WriteBlob(&empty);
  EXPECT_TRUE(File().Keys("Form\\Blob").empty());
}

TEST_F(RegManagerTest, BlobDecodingIsLenient) {
  IniFile ini;
  ini.Set("Form\\Blob", "b_c", "2");
  ini.Set("Form\\Blob", "b_d0", "41zz4a");  // invalid pair gives 0
  ini.Set("Form\\Blob", "b_d1", "42F");     // trailing single digit
  ini.SaveIfModified(fs, path);
  std::string back;
  reg["Blob"].ReadBlob(&back);
  EXPECT_EQ(back, std::string("A\0J\x42\x0F", 5));
}

TEST_F(RegManagerTest, FontsKeepFourKeys) {
  FontSpec f;
  f.name = "ＭＳ 明朝";
  f.height = 18;
  f.color = 0x00FF0000;
  f.bold = true;
  f.strikeOut = true;
  reg["Font"].WriteFontValue(&f);
  IniFile ini = File();
  EXPECT_EQ(ini.Get("Form\\Font", "F_FontName"), "ＭＳ 明朝");
  EXPECT_EQ(ini.Get("Form\\Font", "F_FontSize"), "14");  // points
  EXPECT_EQ(ini.Get("Form\\Font", "F_FontColor"), "clBlue");
  EXPECT_EQ(ini.Get("Form\\Font", "F_FontStyle"), "9");

  FontSpec g;
  g.height = 18;  // the same point size keeps the exact pixel height
  reg["Font"].ReadFontValue(&g);
  EXPECT_EQ(g, f);

  reg["Font"].WriteText("x");  // unrelated key; the font keys stay
  ini.Set("Form\\Font", "F_FontColor", "not a colour");
  ini.Set("Form\\Font", "F_FontSize", "24");
  ini.Set("Form\\Font", "F_FontStyle", "bold");
  ini.SaveIfModified(fs, path);
  reg.Reread();  // changed behind the store's back
  FontSpec h;
  h.color = 0x123456;
  reg["Font"].ReadFontValue(&h);
  EXPECT_EQ(h.color, 0x123456u);  // unreadable colour keeps the current one
  EXPECT_EQ(h.height, 32);
  EXPECT_FALSE(h.bold);

  FontSpec untouched;
  untouched.name = "design";
  reg.RegItems.Set(7, {"Font", "Form\\NoFont", "F", ""});
  reg["Font"].ReadFontValue(&untouched);
  EXPECT_EQ(untouched.name, "design");  // absent keys default to the current values
}

TEST(ColorText, NamesAndHex) {
  EXPECT_EQ(ColorToString(0x00FF0000), "clBlue");
  EXPECT_EQ(ColorToString(0x80000008), "clWindowText");
  EXPECT_EQ(ColorToString(0x00E9F5F4), "$00E9F5F4");
  TColor c = 0;
  EXPECT_TRUE(StringToColor("CLWHITE", c));
  EXPECT_EQ(c, 0xFFFFFFu);
  EXPECT_TRUE(StringToColor("$00E9F5F4", c));
  EXPECT_EQ(c, 0xE9F5F4u);
  EXPECT_TRUE(StringToColor("255", c));
  EXPECT_EQ(c, 255u);
  c = 7;
  EXPECT_FALSE(StringToColor("#ffffff", c));
  EXPECT_EQ(c, 7u);
}

TEST_F(RegManagerTest, NoFileNameMeansAnErrorBoxAndNoEffect) {
  reg.IniFileName.clear();
  EXPECT_EQ(reg["MainForm1Width"].ReadInt(), 780);
  reg["MainForm1Width"].WriteInt(5);
  EXPECT_EQ(dialogs.texts, (std::vector<std::string>{"can not create Inifile object.", "can not create Inifile object."}));
  EXPECT_EQ(fs.writes, 0);
  EXPECT_EQ(reg.WriteFailures(), 0);
}

TEST_F(RegManagerTest, RegistryModeStoresNothingAndSaysSoOnce) {
  reg.RegType = TRegType::rtReg;
  reg.RegDir = "Software\\Hanaroku";
  reg["MainForm1Width"].WriteInt(5);
  EXPECT_EQ(reg["MainForm1Width"].ReadInt(), 780);
  std::string blob = "x";
  reg["Blob"].WriteBlob(&blob);
  ASSERT_EQ(dialogs.texts.size(), 1u);
  EXPECT_EQ(dialogs.texts[0].rfind("can not create Registry object.", 0), 0u);
  EXPECT_EQ(fs.writes, 0);
  EXPECT_FALSE(fs.FileExists(path));
}

TEST_F(RegManagerTest, AnInterruptedWriteLeavesThePreviousFile) {
  reg["MainForm1Width"].WriteInt(800);
  std::vector<std::string> lines{"a", "b", "c"};
  reg["Lines"].WriteLines(&lines);
  const std::string before = ReadAll(path);

  fs.breakWrites = true;
  reg["MainForm1Width"].WriteInt(900);
  std::vector<std::string> other{"x"};
  reg["Lines"].WriteLines(&other);
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_EQ(reg.WriteFailures(), 2);
  EXPECT_NE(reg.FirstWriteError().find("not enough space"), std::string::npos);
  EXPECT_TRUE(dialogs.texts.empty());  // counted, not shown one by one

  fs.breakWrites = false;
  EXPECT_EQ(reg["MainForm1Width"].ReadInt(), 800);
  std::vector<std::string> back;
  reg["Lines"].ReadLines(&back);
  EXPECT_EQ(back, lines);
  // The half-written leftover does not disturb the next write.
  reg["MainForm1Width"].WriteInt(901);
  EXPECT_EQ(reg["MainForm1Width"].ReadInt(), 901);
  reg.ClearWriteFailures();
  EXPECT_EQ(reg.WriteFailures(), 0);
}

TEST_F(RegManagerTest, AFileThatCannotBeReadIsNeverOverwritten) {
  reg["Edit4Text"].WriteText("keep me");
  const std::string before = ReadAll(path);
  fs.failReads = true;
  reg.Reread();  // the next start finds it unreadable
  std::string text;
  reg["Edit4Text"].ReadText(text);
  EXPECT_EQ(text, "");  // the default, silently
  reg["MainForm1Width"].WriteInt(1);
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_EQ(reg.WriteFailures(), 1);
}

TEST_F(RegManagerTest, WritesThatChangeNothingDoNotTouchTheFile) {
  reg["MainForm1Width"].WriteInt(800);
  int writes = fs.writes;
  reg["MainForm1Width"].WriteInt(800);
  std::vector<std::string> none;
  reg["Lines"].WriteLines(&none);
  EXPECT_EQ(fs.writes, writes);
}

TEST_F(RegManagerTest, TextWithAPathCodePage932CannotHold) {
  reg["Edit4Text"].WriteText("D:\\Músicas\\花.txt");
  std::string text;
  reg["Edit4Text"].ReadText(text);
  EXPECT_EQ(text, "D:\\Músicas\\花.txt");
}

// A tiny component for the component-state operations.
class Knob final : public IPersistent {
 public:
  std::string cls = "TKnob";
  int value = 1;
  bool on = false;
  std::string ClassName() const override { return cls; }
  std::string Name() const override { return "Knob1"; }
  void WriteState(StateWriter& w) const override {
    w.WriteInt("Value", value);
    w.WriteFlag("On", on);
  }
  void ReadState(const StateReader& r) override {
    r.ReadInt("Value", value);
    r.ReadFlag("On", on);
  }
};

TEST_F(RegManagerTest, ComponentStatesRoundTripAndRefuseDamage) {
  Knob design;
  reg["RichEditNx1Component"].RestoreComponent(&design);  // never stored
  EXPECT_EQ(design.value, 1);

  Knob stored;
  stored.value = 42;
  stored.on = true;
  reg["RichEditNx1Component"].StoreComponent(&stored);
  EXPECT_EQ(File().Get("Form\\RichEditNx1", "prop_d0")->substr(0, 8), "48505331");  // "HPS1"
  Knob restored;
  reg["RichEditNx1Component"].RestoreComponent(&restored);
  EXPECT_EQ(restored.value, 42);
  EXPECT_TRUE(restored.on);

  // One hex digit changed in the file.
  IniFile ini = File();
  std::string d0 = *ini.Get("Form\\RichEditNx1", "prop_d0");
  d0[40] = d0[40] == '0' ? '1' : '0';
  ini.Set("Form\\RichEditNx1", "prop_d0", d0);
  ini.SaveIfModified(fs, path);
  reg.Reread();
  Knob damaged;
  reg["RichEditNx1Component"].RestoreComponent(&damaged);
  EXPECT_EQ(damaged.value, 1);
  EXPECT_FALSE(damaged.on);

  // A state of another class.
  Knob other;
  other.cls = "TOther";
  other.value = 7;
  reg["RichEditNx1Component"].StoreComponent(&other);
  Knob foreign;
  reg["RichEditNx1Component"].RestoreComponent(&foreign);
  EXPECT_EQ(foreign.value, 1);

  // Truncated: the line count says one line less.
  reg["RichEditNx1Component"].StoreComponent(&stored);
  ini = File();
  int lines = std::stoi(*ini.Get("Form\\RichEditNx1", "prop_c"));
  ini.Set("Form\\RichEditNx1", "prop_c", std::to_string(lines - 1));
  ini.SaveIfModified(fs, path);
  reg.Reread();
  Knob truncated;
  reg["RichEditNx1Component"].RestoreComponent(&truncated);
  EXPECT_EQ(truncated.value, 1);
  EXPECT_TRUE(dialogs.texts.empty());
}

}  // namespace
}  // namespace hanaroku
