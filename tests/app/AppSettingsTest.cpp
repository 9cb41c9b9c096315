#include "app/AppSettings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/IniFile.h"
#include "app/MainForm1.h"
#include "app/MainFormFixture.h"

namespace hanaroku {
namespace {

using namespace testing;
namespace fsys = std::filesystem;

constexpr const char* kCloseQuestion = "現在の内容を廃棄します。よろしいですか";

// CheckBox1..14 in a combination that the check-box rules leave as it is
// when the boxes are read back one after the other.
constexpr bool kStableBoxes[15] = {false, false, true,  false, false, false, false, true,
                                   false, true,  true,  true,  true,  true,  false};

// The real file system; writes can be made to fail as in a read-only folder.
class RealFs final : public IFileSystem {
 public:
  bool failWrites = false;
  int writes = 0, reads = 0;
  std::string ReadFile(const std::string& path) override {
    ++reads;
    return SystemFileSystem().ReadFile(path);
  }
  void WriteFileAtomic(const std::string& path, const std::string& bytes) override {
    if (failWrites) throw FileError(path + "\nPermission denied");
    ++writes;
    SystemFileSystem().WriteFileAtomic(path, bytes);
  }
  bool FileExists(const std::string& path) override { return SystemFileSystem().FileExists(path); }
  long long FileSize(const std::string& path) override { return SystemFileSystem().FileSize(path); }
};

// The HTML page settings of a window, for comparisons.
struct PageSettings {
  std::string title, pageTitle, bgc, mclo, mclt, Lcl, Dai, Mfn, fontButton, fze, Lint, Linu;
  bool FLink;
  bool operator==(const PageSettings&) const = default;
};

PageSettings PageOf(const TMainForm1& f) {
  const THtmlPageSettings& h = f.PageSettings;
  return {h.Title, h.PageTitle, h.bgc, h.mclo, h.mclt, h.Lcl, h.Dai, h.Mfn, h.HtmButton8Caption, h.fze, h.Lint, h.Linu,
          h.FLink};
}

std::ostream& operator<<(std::ostream& out, const PageSettings& p) {
  for (const std::string* s : {&p.title, &p.pageTitle, &p.bgc, &p.mclo, &p.mclt, &p.Lcl, &p.Dai, &p.Mfn,
                               &p.fontButton, &p.fze, &p.Lint, &p.Linu})
    out << '"' << *s << "\" ";
  return out << (p.FLink ? "FLink" : "no FLink");
}

// One run of the program: a main window model created on a program file in
// a scratch folder, with FormCreate run.
struct ProgramRun {
  FakeDialogs dialogs;
  FakeShell shell;
  FakeClock clock;
  FakeHost host;
  TMainForm1 form;
  ProgramRun(RealFs& fs, const std::string& program)
      : form(dialogs, shell, fs, clock, [] { return std::make_unique<FakeTimer>(); }, host) {
    form.ProgramFile = program;
    form.FormCreate();
  }
};

class AppSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fsys::temp_directory_path() / "hanaroku-settings-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir = tmpl;
    program = (dir / "hanaroku.exe").string();
    ini = (dir / "hanaroku.ini").string();
  }
  void TearDown() override { fsys::remove_all(dir); }
  std::unique_ptr<ProgramRun> Start() { return std::make_unique<ProgramRun>(fs, program); }
  std::string FileText() {
    std::ifstream in(ini, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::optional<std::string> Stored(const std::string& section, const std::string& key) {
    return IniFile::Parse(FileText()).Get(section, key);
  }
  void Store(const std::string& section, const std::string& key, const std::string& value) {
    IniFile file = IniFile::Parse(FileText());
    file.Set(section, key, value);
    file.SaveIfModified(fs, ini);
  }

  fsys::path dir;
  std::string program, ini;
  RealFs fs;
};

TEST(SettingsTable, EveryItemIsReadOnceInAnOrderThatAttachesTheDropTargetsToRestoredPanes) {
  auto items = SettingsItems();
  auto order = SettingsReadOrder();
  ASSERT_EQ(items.size(), 40u);
  ASSERT_EQ(order.size(), items.size());
  for (const SettingsItemDef& item : items) {
    EXPECT_EQ(item.section.substr(0, 5), "Form\\") << item.name;
    EXPECT_EQ(std::count(order.begin(), order.end(), item.name), 1) << item.name;
  }
  auto at = [&](std::string_view name) { return std::find(order.begin(), order.end(), name) - order.begin(); };
  EXPECT_EQ(at("RichEditNx1Component"), 0);
  EXPECT_EQ(at("RichEditNx2Component"), 1);
  EXPECT_LT(at("RichEditNx2Component"), at("DropDst1Component"));
  EXPECT_LT(at("DropDst1Component"), at("DropDst2Component"));
  // The check boxes whose rules touch the line colours come after them.
  EXPECT_LT(at("mclt"), at("CheckBox6Checked"));
  EXPECT_EQ(order.back(), "fNx2Width");
}

TEST_F(AppSettings, AFirstRunStartsWithTheStoreDefaultsAndWritesNothing) {
  auto run = Start();
  TMainForm1& f = run->form;
  EXPECT_EQ(f.Bounds, (WindowBounds{20, 20, 780, 550}));
  for (int i = 1; i <= 14; ++i)
    EXPECT_EQ(f.PageSettings.CheckBoxChecked(i), i == 4 || i == 5 || i == 8 || i == 14) << "CheckBox" << i;
  // Empty titles and the store's heading colour, not the in-code ones.
  EXPECT_EQ(PageOf(f), (PageSettings{"", "", "#fff8dc", "#8080FF", "#D0A2A2", "#CDC0A5", "#CDC0A5", "ＭＳ 明朝", "明",
                                     "2", "Back", "index.htm", false}));
  EXPECT_FALSE(f.WasMaximized);
  EXPECT_EQ(f.LastFileName, "");
  EXPECT_EQ(f.SavedLeftWidth, 129);
  EXPECT_EQ(f.RichEditNx1.Font().color, 0x554239u);  // design RGB #394255
  EXPECT_EQ(f.RichEditNx1.Color(), 0xE9F5F4u);
  EXPECT_TRUE(f.RichEditNx1.Vertical());
  EXPECT_TRUE(f.VH && f.HHV && f.WordWrap && f.WordWrapH && f.N14);
  EXPECT_EQ(f.MsgSCR1.Msg(), MsgSCRProperties{}.Msg);
  EXPECT_EQ(f.DropDst2.OnFileDrop(), "DropDst2FileDrop");
  EXPECT_TRUE(run->dialogs.messages.empty());
  EXPECT_FALSE(fs.FileExists(ini));
  EXPECT_EQ(f.RegManager1.IniFileName, ini);
}

TEST_F(AppSettings, EveryItemComesBackAfterAClose) {
  const PageSettings page{"題", " spaced title ", "White", "#111111", "#222222", "#333333", "#444444",
                          "ＭＳ ゴシック", "ゴ", "3", "戻る", "../top.html", true};
  {
    auto run = Start();
    TMainForm1& f = run->form;
    TFont font = f.RichEditNx1.Font();
    font.name = "ＭＳ ゴシック";
    font.height = 24;
    font.bold = true;
    font.color = 0x123456;
    f.RichEditNx1.SetFont(font);
    f.RichEditNx1.SetColor(0xABCDEF);
    f.VHClick();
    f.WordWrapClick();
    f.RichEditNx1.SetSelectionBar(true);
    f.RichEditNx2.SetColor(0x010203);
    f.HHVClick();
    f.LeftPaneWidth = 222;
    f.Bounds = WindowBounds{-7, 33, 901, 602};
    f.MsgSCR1.SetMsg("花の色は");
    f.MsgSCR1.SetShow(false);
    f.MsgSCR1.SetAlign(TAlign::alRight);
    f.DropDst1.SetAcceptDrop(false);
    f.Expas = "C:\\Program Files\\エディタ\\ed.exe";
    f.Expas2 = "D:\\Músicas\\再生.exe";  // a path code page 932 cannot hold
    for (int i = 1; i <= 14; ++i) f.PageSettings.SetCheckBox(i, kStableBoxes[i]);
    for (int i = 1; i <= 14; ++i) ASSERT_EQ(f.PageSettings.CheckBoxChecked(i), kStableBoxes[i]) << "CheckBox" << i;
    f.PageSettings.Title = page.title;
    f.PageSettings.PageTitle = page.pageTitle;
    f.PageSettings.bgc = page.bgc;
    f.PageSettings.mclo = page.mclo;
    f.PageSettings.mclt = page.mclt;
    f.PageSettings.Lcl = page.Lcl;
    f.PageSettings.Dai = page.Dai;
    f.PageSettings.Mfn = page.Mfn;
    f.PageSettings.fze = page.fze;
    f.PageSettings.Lint = page.Lint;
    f.PageSettings.Linu = page.Linu;
    f.PageSettings.FLink = page.FLink;
    f.RightFileName = (dir / "歌.txt").string();
    f.RichEditNx1.SetText("unsaved but not modified");
    f.RichEditNx1.SetModified(false);
    ASSERT_TRUE(f.FormCloseQuery());
    EXPECT_TRUE(run->dialogs.messages.empty());
  }
  EXPECT_EQ(Stored("Form\\MainForm1", "Width"), "901");
  EXPECT_EQ(FileText().find("unsaved"), std::string::npos);  // pane text is never kept

  auto run = Start();
  TMainForm1& f = run->form;
  EXPECT_EQ(f.RichEditNx1.Font().name, "ＭＳ ゴシック");
  EXPECT_EQ(f.RichEditNx1.Font().height, 24);
  EXPECT_TRUE(f.RichEditNx1.Font().bold);
  EXPECT_EQ(f.RichEditNx1.Font().color, 0x123456u);
  EXPECT_EQ(f.RightTextColor, 0x123456u);
  EXPECT_EQ(f.ClockFontColor, 0x123456u);
  EXPECT_EQ(f.RichEditNx1.Color(), 0xABCDEFu);
  EXPECT_FALSE(f.RichEditNx1.Vertical());
  EXPECT_FALSE(f.RichEditNx1.WordWrap());
  EXPECT_TRUE(f.RichEditNx1.SelectionBar());
  EXPECT_FALSE(f.VH);
  EXPECT_FALSE(f.WordWrap);
  EXPECT_FALSE(f.N14);
  EXPECT_FALSE(f.HHV);
  EXPECT_TRUE(f.WordWrapH);
  EXPECT_EQ(f.RichEditNx2.Color(), 0x010203u);
  EXPECT_EQ(f.MsgSCR1.Color(), 0x010203u);  // the banner takes the left pane's colours at start
  EXPECT_EQ(f.Bounds, (WindowBounds{-7, 33, 901, 602}));
  EXPECT_EQ(f.MsgSCR1.Msg(), "花の色は");
  EXPECT_FALSE(f.MsgSCR1.Show());
  EXPECT_EQ(f.MsgSCR1.Align(), TAlign::alRight);
  EXPECT_EQ(f.MsgSCR1.Interval(), 0u);
  EXPECT_FALSE(f.DropDst1.AcceptDrop());
  EXPECT_EQ(f.DropDst1.Control(), "RichEditNx1");
  EXPECT_EQ(f.Expas, "C:\\Program Files\\エディタ\\ed.exe");
  EXPECT_EQ(f.Expas2, "D:\\Músicas\\再生.exe");
  for (int i = 1; i <= 14; ++i) EXPECT_EQ(f.PageSettings.CheckBoxChecked(i), kStableBoxes[i]) << "CheckBox" << i;
  EXPECT_EQ(PageOf(f), page);
  EXPECT_EQ(f.PageSettings.SavedLineColor2, "#222222");
  EXPECT_FALSE(f.WasMaximized);
  EXPECT_EQ(f.LastFileName, (dir / "歌.txt").string());
  EXPECT_EQ(f.RightFileName, "");
  EXPECT_EQ(f.SavedLeftWidth, 222);
  EXPECT_EQ(f.LeftPaneWidth, 222);
  EXPECT_TRUE(run->dialogs.messages.empty());
}

TEST_F(AppSettings, TheFileIsReadOnceAtStartAndWrittenOnceAtClose) {
  {
    auto run = Start();
    ASSERT_TRUE(run->form.FormCloseQuery());
  }
  fs.reads = fs.writes = 0;
  auto run = Start();
  EXPECT_EQ(fs.reads, 1);
  run->form.PageSettings.Title = "花";
  run->form.VHClick();
  ASSERT_TRUE(run->form.FormCloseQuery());
  EXPECT_EQ(fs.reads, 1);
  EXPECT_EQ(fs.writes, 1);
  EXPECT_EQ(Stored("Form\\Edit4", "Text"), "花");
}

TEST_F(AppSettings, ACloseWithDamagedCountsIsImmediate) {
  {
    auto run = Start();
    run->form.VHClick();
    ASSERT_TRUE(run->form.FormCloseQuery());
  }
  const std::string d0 = *Stored("Form\\RichEditNx1", "prop_d0");
  Store("Form\\RichEditNx1", "prop_c", "2147483647");
  Store("Form\\RichEditNx1", "prop_d99999", "AB");  // a stale line far beyond the state
  Store("Form\\RichEditNx2", "prop_c", "2147483647");
  Store("Form\\MsgSCR1", "prop_c", "2000000000");
  Store("Form\\DropDst1", "prop_c", "-5");
  auto run = Start();
  // Deleting the stale lines one index after the other took minutes of
  // processor time (the time the disk takes for the file does not count).
  const std::clock_t t0 = std::clock();
  ASSERT_TRUE(run->form.FormCloseQuery());
  EXPECT_LT(static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC, 2.0);
  const IniFile after = IniFile::Parse(FileText());
  const std::size_t lines = std::stoul(*after.Get("Form\\RichEditNx1", "prop_c"));
  EXPECT_EQ(after.Keys("Form\\RichEditNx1").size(), lines + 1);
  EXPECT_EQ(after.Get("Form\\RichEditNx1", "prop_d99999"), std::nullopt);
  EXPECT_EQ(after.Get("Form\\RichEditNx1", "prop_d0"), d0);
  EXPECT_TRUE(run->dialogs.messages.empty());
}

TEST_F(AppSettings, CheckBoxRulesRunAsEachBoxIsRead) {
  Store("Form\\mclo", "string", "#AAAAAA");
  Store("Form\\mclt", "string", "#BBBBBB");
  Store("Form\\CheckBox6", "Checked", "1");   // symbol images: black text on, blank-as-text off...
  Store("Form\\CheckBox14", "Checked", "1");  // ...then blank-as-text on again turns symbols off
  Store("Form\\CheckBox4", "Checked", "True");  // only numbers count
  auto run = Start();
  TMainForm1& f = run->form;
  EXPECT_TRUE(f.PageSettings.CheckBoxChecked(1));
  EXPECT_FALSE(f.PageSettings.CheckBoxChecked(6));
  EXPECT_TRUE(f.PageSettings.CheckBoxChecked(14));
  EXPECT_FALSE(f.PageSettings.CheckBoxChecked(4));
  EXPECT_EQ(f.PageSettings.mclo, "Black");
  EXPECT_EQ(f.PageSettings.mclt, "Black");
  EXPECT_TRUE(run->dialogs.messages.empty());
}

TEST_F(AppSettings, TheCloseAsksOnlyForModifiedTextAndNoKeepsEverything) {
  auto run = Start();
  TMainForm1& f = run->form;
  f.RichEditNx2.SetText("left");
  f.RichEditNx2.SetModified(true);
  f.PageSettings.Title = "changed";
  run->dialogs.answers.push_back(MsgResult::No);
  EXPECT_FALSE(f.FormCloseQuery());
  EXPECT_EQ(run->dialogs.messages, (std::vector<std::string>{kCloseQuestion}));
  EXPECT_EQ(f.RichEditNx2.Text(), "left");
  EXPECT_FALSE(fs.FileExists(ini));

  run->dialogs.answers.push_back(MsgResult::Yes);
  EXPECT_TRUE(f.FormCloseQuery());
  EXPECT_EQ(run->dialogs.messages.size(), 2u);
  EXPECT_EQ(f.RichEditNx2.Text(), "");
  EXPECT_EQ(Stored("Form\\Edit4", "Text"), "changed");
}

TEST_F(AppSettings, ASettingsFileThatCannotBeWrittenDoesNotHoldTheCloseAndIsReportedOnce) {
  Store("Form\\Edit4", "Text", "before");
  const std::string before = FileText();
  auto run = Start();
  run->form.PageSettings.Title = "after";
  run->form.PageSettings.PageTitle = "after";
  fs.failWrites = true;
  EXPECT_TRUE(run->form.FormCloseQuery());
  ASSERT_EQ(run->dialogs.messages.size(), 1u);
  EXPECT_EQ(run->dialogs.messages[0].rfind("設定を保存できませんでした。", 0), 0u);
  EXPECT_NE(run->dialogs.messages[0].find("Permission denied"), std::string::npos);
  EXPECT_EQ(FileText(), before);
}

TEST_F(AppSettings, WindowBoundsFromAMaximisedRunOrOutOfRangeAreMadeSound) {
  Store("Form\\MainForm1", "Width", "10");
  Store("Form\\MainForm1", "Height", "-5");
  Store("Form\\MainForm1", "Top", "abc");
  Store("Form\\MainForm1", "Left", "99999999");
  auto run = Start();
  EXPECT_EQ(run->form.Bounds, (WindowBounds{32767, 0, 780, 270}));

  Store("Form\\fMaxForm", "Boolean", "1");
  run = Start();
  EXPECT_TRUE(run->form.WasMaximized);
  EXPECT_EQ(run->form.Bounds, (WindowBounds{16, 16, 780, 550}));
  run->form.FormShow();
  EXPECT_EQ(run->host.maximized, 1);
}

TEST_F(AppSettings, DamagedOrForeignPaneStatesLeaveThePanesAsDesigned) {
  {
    auto run = Start();
    run->form.VHClick();
    run->form.RichEditNx1.SetColor(0x0000FF);
    ASSERT_TRUE(run->form.FormCloseQuery());
  }
  std::string d0 = *Stored("Form\\RichEditNx1", "prop_d0");
  d0[20] = d0[20] == 'A' ? 'B' : 'A';
  Store("Form\\RichEditNx1", "prop_d0", d0);
  // A property stream of another framework, and one cut short.
  Store("Form\\RichEditNx2", "prop_c", "1");
  Store("Form\\RichEditNx2", "prop_d0", "545046300B5452696368456469745378");
  Store("Form\\MsgSCR1", "prop_c", "9");
  auto run = Start();
  TMainForm1& f = run->form;
  EXPECT_TRUE(f.RichEditNx1.Vertical());
  EXPECT_EQ(f.RichEditNx1.Color(), 0xE9F5F4u);
  EXPECT_TRUE(f.RichEditNx2.Vertical());
  EXPECT_EQ(f.RichEditNx2.Color(), 0xDDE3D5u);
  EXPECT_EQ(f.MsgSCR1.Msg(), MsgSCRProperties{}.Msg);
  EXPECT_TRUE(f.VH);
  EXPECT_TRUE(run->dialogs.messages.empty());
}

}  // namespace
}  // namespace hanaroku
