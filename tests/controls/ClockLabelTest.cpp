// The clock label: ticks, alarms and five-minute marks, the event list
// check, the date label, painting, pictures of the parent form and saving.
#include "controls/ClockLabel.h"

#include <gtest/gtest.h>

#include <map>

#include "app/IniFile.h"
#include "app/MainFormFixture.h"
#include "platform/LocaleWords.h"
#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using testing::FakeDialogs;
using testing::FakeTimer;
using testing::MemoryFs;

struct SetClock final : IClock {
  TimeOfDay now{2025, 3, 4, 2, 15, 25, 7, 0};
  TimeOfDay UtcNow() const override { return now; }
  TimeOfDay LocalNow() const override { return now; }
  std::uint32_t TickMs() const override { return 0; }
  void Set(int h, int m, int s) {
    now.hour = h;
    now.minute = m;
    now.second = s;
  }
};

class Clock : public ::testing::Test {
 protected:
  SetClock clock;
  FakeDialogs dialogs;
  FakeTimer* timer = nullptr;
  std::unique_ptr<TClockLabel> label = Make();
  std::vector<int> alarms, marks;
  int changes = 0;

  std::unique_ptr<TClockLabel> Make() {
    auto t = std::make_unique<FakeTimer>();
    timer = t.get();
    auto l = std::make_unique<TClockLabel>(clock, std::move(t), &dialogs, JapaneseWords());
    l->OnAlarm = [this](TClockLabel&, int i) { alarms.push_back(i); };
    l->OnTimeCast = [this](TClockLabel&, int m) { marks.push_back(m); };
    l->OnChange = [this] { ++changes; };
    return l;
  }
  // One tick of the running timer at h:m:s.
  void TickAt(int h, int m, int s) {
    clock.Set(h, m, s);
    ASSERT_NE(timer->interval, 0u) << "the clock is stopped";
    timer->tick();
  }
};

TEST_F(Clock, ShowsTheCreationTimeStoppedInTheDefaultStyle) {
  EXPECT_EQ(label->Interval(), 0u);
  EXPECT_EQ(label->Style(), TTimeStyle::ts12Hours);
  EXPECT_EQ(label->Caption(), "PM 03:25:07");
  label->SetInterval(300);
  EXPECT_EQ(timer->interval, 300u);
  TickAt(15, 25, 8);
  EXPECT_EQ(label->Caption(), "PM 03:25:08");
  // Only a changed caption asks for a repaint.
  int before = changes;
  timer->tick();
  EXPECT_EQ(changes, before);
  label->SetInterval(0);
  EXPECT_EQ(timer->interval, 0u);
}

TEST_F(Clock, StyleAndCustomFormatTickAtOnce) {
  label->SetStyle(TTimeStyle::ts24HoursJ);
  EXPECT_EQ(label->Caption(), "15時 25分 07秒");
  label->SetStyle(TTimeStyle::tsCustom);
  EXPECT_EQ(label->Caption(), "");  // an empty custom format
  label->SetFormat("hh:nn");
  EXPECT_EQ(label->Caption(), "15:25");
  label->SetStyle(TTimeStyle::ts12HoursJ);
  EXPECT_EQ(label->Caption(), "午後03時25分07秒");
}

TEST_F(Clock, AlarmOnTheFirstTickOfItsMinuteForTheFirstMatchingLineOnly) {
  label->SetEventList({"06:00", "07:30 起床", "07:30 二度目", "07:31"});
  EXPECT_TRUE(dialogs.messages.empty());
  label->SetInterval(300);
  TickAt(7, 29, 59);
  EXPECT_TRUE(alarms.empty());
  TickAt(7, 30, 0);
  TickAt(7, 30, 1);
  TickAt(7, 30, 59);
  EXPECT_EQ(alarms, (std::vector<int>{1}));
  TickAt(7, 31, 0);
  EXPECT_EQ(alarms, (std::vector<int>{1, 3}));
}

TEST_F(Clock, NothingFiresWhileStopped) {
  label->SetEventList({"07:30"});
  label->TimeCast = {TTimeCast::tc30};
  clock.Set(7, 30, 0);
  // Interval 0: no timer, no tick.
  EXPECT_EQ(timer->interval, 0u);
  EXPECT_TRUE(alarms.empty());
  EXPECT_TRUE(marks.empty());
}

TEST_F(Clock, FiveMinuteMarksOnlyForTheChosenOnes) {
  label->TimeCast = {TTimeCast::tc15, TTimeCast::tc00};
  label->SetInterval(300);
  TickAt(12, 15, 0);
  EXPECT_EQ(marks, (std::vector<int>{3}));
  TickAt(12, 15, 30);
  TickAt(12, 17, 0);
  TickAt(12, 20, 0);  // tc20 not chosen
  EXPECT_EQ(marks, (std::vector<int>{3}));
  TickAt(13, 0, 0);
  EXPECT_EQ(marks, (std::vector<int>{3, 0}));
  EXPECT_EQ(TTimeCasts::FromInt(label->TimeCast.ToInt()), label->TimeCast);
  EXPECT_EQ(label->TimeCast.ToInt(), 1 | 1 << 3);
}

TEST_F(Clock, AHandlerThatStopsTheClockOrReplacesTheListIsSafe) {
  label->SetEventList({"08:00", "08:00"});
  label->OnAlarm = [this](TClockLabel& sender, int i) {
    alarms.push_back(i);
    sender.SetEventList({});
    sender.SetInterval(0);
  };
  label->SetInterval(300);
  TickAt(8, 0, 0);
  EXPECT_EQ(alarms, (std::vector<int>{0}));
  EXPECT_EQ(timer->interval, 0u);
}

TEST_F(Clock, EventListNamesTheFirstBadLineAndKeepsAllLines) {
  label->SetEventList({"07:30", "23:59 note", "7:30", "25:00", "x"});
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "3番目のデータが不正です。\rhh:mm形式で入力し直してください。");
  EXPECT_EQ(label->EventList().size(), 5u);
  label->SetEventList({"00:00", "24:00"});
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].substr(0, 1), "2");
  label->SetEventList({"12:60"});
  EXPECT_EQ(dialogs.messages.size(), 3u);
}

TEST_F(Clock, DateLabelFollowsTheTickUntilItIsRemoved) {
  TDateLabel date;
  label->SetDateLabel(&date);
  label->DateStyle = TDateStyle::dsGengoW;
  label->Tick();
  EXPECT_EQ(date.Caption, "令和7年3月4日(火)");
  label->Notification(&date);
  EXPECT_EQ(label->DateLabel(), nullptr);
  label->Tick();  // nothing refers to the label any more
}

TEST_F(Clock, PaintsBackgroundThenCentredText) {
  label->Color = 0x112233;
  label->Font.color = 0xFFFFFF;
  label->Font.face = PaintFont{"Times New Roman", 12};
  label->Alignment = TLabelAlignment::taCenter;
  label->Layout = TTextLayout::tlCenter;
  test::RecordingCanvas canvas;
  const Rect cell{10, 0, 110, 20};
  label->Paint(canvas, cell);
  ASSERT_EQ(canvas.ops.size(), 2u);
  EXPECT_EQ(canvas.ops[0].kind, test::PaintOp::Kind::FillRect);
  EXPECT_EQ(canvas.ops[0].rect, cell);
  EXPECT_EQ(canvas.ops[0].color, 0x112233u);
  const test::PaintOp& text = canvas.ops[1];
  EXPECT_EQ(text.text, "PM 03:25:07");
  EXPECT_EQ(text.color, 0xFFFFFFu);
  EXPECT_EQ(text.font.name, "Times New Roman");
  // 11 ASCII characters of 6 pixels in the recording canvas.
  EXPECT_EQ(text.points[0], (Point{10 + (100 - 66) / 2, (20 - 12) / 2}));
  EXPECT_TRUE(text.clipped);
  EXPECT_EQ(text.clip, cell);

  canvas.Clear();
  label->Transparent = true;
  label->Color = kSysColorFlag | static_cast<TColor>(SysColor::BtnFace);
  label->Alignment = TLabelAlignment::taRightJustify;
  label->Paint(canvas, cell);
  ASSERT_EQ(canvas.ops.size(), 1u);
  EXPECT_EQ(canvas.ops[0].points[0].x, 110 - 66);
}

TEST_F(Clock, ClickRunsTheHandler) {
  int clicks = 0;
  label->OnClick = [&](TClockLabel&) { ++clicks; };
  label->Click();
  EXPECT_EQ(clicks, 1);
}

// ---- pictures of the parent form ------------------------------------------

struct FakePicture final : IClockPicture {
  Size size;
  std::string path;
  Size Extent() const override { return size; }
};

struct FakePictureFiles final : IPictureFiles {
  std::map<std::string, std::vector<std::string>> folders;  // dir -> names
  std::map<std::string, Size> files;                         // path -> picture size
  std::vector<std::string> loaded;
  std::vector<std::string> FindFiles(const std::string& dir, const std::string& pattern) override {
    EXPECT_EQ(pattern, "*.bmp");
    auto it = folders.find(dir);
    return it == folders.end() ? std::vector<std::string>{} : it->second;
  }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  std::unique_ptr<IClockPicture> Load(const std::string& path) override {
    loaded.push_back(path);
    auto p = std::make_unique<FakePicture>();
    p->size = files.at(path);
    p->path = path;
    return p;
  }
};

struct FakeForm final : IClockForm {
  Rect bounds{100, 50, 400, 250};
  Rect client{0, 0, 290, 170};
  int fills = 0;
  std::vector<std::pair<std::string, Rect>> drawn;
  std::vector<Size> sizes;
  Rect Bounds() const override { return bounds; }
  int BorderStyle() const override { return 0; }
  Rect ClientRect() const override { return client; }
  void SetSize(int w, int h) override { sizes.push_back({w, h}); }
  void FillClient() override { ++fills; }
  void DrawPicture(const IClockPicture& p, const Rect& dst) override {
    drawn.emplace_back(static_cast<const FakePicture&>(p).path, dst);
  }
};

class ClockPictures : public Clock {
 protected:
  FakePictureFiles files;
  FakeForm form;
  void SetUp() override {
    files.folders["C:\\pics"] = {"b.bmp", "a.BMP", "c.bmp"};
    files.files["C:\\pics\\b.bmp"] = {120, 80};
    files.files["C:\\pics\\a.BMP"] = {64, 32};
    files.files["C:\\pics\\c.bmp"] = {0, 10};
    files.files["C:\\pics\\d.png"] = {10, 10};
    label->SetParentForm(&form, &files);
  }
};

TEST_F(ClockPictures, AFolderWithBitmapsLoadsTheFirstAndSizesTheForm) {
  label->SetImgDir("C:\\pics");
  EXPECT_EQ(label->ImgDir(), "C:\\pics");
  EXPECT_EQ(label->ImageFiles(), (std::vector<std::string>{"C:\\pics\\b.bmp", "C:\\pics\\a.BMP", "C:\\pics\\c.bmp"}));
  ASSERT_EQ(form.drawn.size(), 1u);
  EXPECT_EQ(form.drawn[0].second, (Rect{0, 0, 120, 80}));
  EXPECT_EQ(form.sizes, (std::vector<Size>{{120, 80}}));
  // The same value again does nothing.
  label->SetImgDir("C:\\pics");
  EXPECT_EQ(files.loaded.size(), 1u);
}

TEST_F(ClockPictures, AFolderWithoutBitmapsIsRefused) {
  label->SetImgDir("C:\\empty");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "拡張子\".BMP\"のファイルがあるディレクトリを指定してください。");
  EXPECT_EQ(label->ImgDir(), "");
  EXPECT_EQ(form.fills, 1);
}

TEST_F(ClockPictures, StepsWrapAtBothEndsAndAnEmptyPictureKeepsTheFormSize) {
  files.folders["C:\\pics\\"] = files.folders["C:\\pics"];
  label->SetImgDir("C:\\pics\\");  // a trailing separator is not doubled
  ASSERT_EQ(label->ImageFiles().size(), 3u);
  EXPECT_EQ(label->ImageFiles()[0], "C:\\pics\\b.bmp");
  label->PreviousImage();
  EXPECT_EQ(label->ImageIndex(), 2);
  EXPECT_EQ(files.loaded.back(), "C:\\pics\\c.bmp");
  EXPECT_EQ(form.sizes.size(), 1u);  // 0 x 10 does not resize
  label->NextImage();
  EXPECT_EQ(label->ImageIndex(), 0);
  label->NextImage();
  EXPECT_EQ(files.loaded.back(), "C:\\pics\\a.BMP");
  EXPECT_EQ(form.sizes.back(), (Size{64, 32}));
}

TEST_F(ClockPictures, StretchedWithoutAutoSize) {
  label->ImgAutoSize = false;
  label->SetImgDir("C:\\pics");
  ASSERT_EQ(form.drawn.size(), 1u);
  EXPECT_EQ(form.drawn[0].second, form.client);
  EXPECT_TRUE(form.sizes.empty());
}

TEST_F(ClockPictures, OnlyExistingBitmapFilesLoad) {
  label->LoadImage("C:\\pics\\d.png");
  label->LoadImage("C:\\pics\\missing.bmp");
  EXPECT_TRUE(files.loaded.empty());
  label->LoadImage("C:\\pics\\a.BMP");
  EXPECT_EQ(files.loaded.size(), 1u);
}

TEST_F(ClockPictures, NothingWithoutAParentFormOrAnyPicture) {
  label->NextImage();
  label->PreviousImage();
  label->PaintImage();
  EXPECT_TRUE(form.drawn.empty());
  label->SetParentForm(nullptr, &files);
  label->SetImgDir("C:\\pics");
  EXPECT_EQ(label->ImgDir(), "");
  EXPECT_TRUE(files.loaded.empty());
}

TEST_F(ClockPictures, AnEmptyFolderNameForgetsThePictures) {
  label->SetImgDir("C:\\pics");
  label->SetImgDir("");
  EXPECT_EQ(label->ImgDir(), "");
  EXPECT_TRUE(label->ImageFiles().empty());
  label->NextImage();
  EXPECT_EQ(files.loaded.size(), 1u);
}

// ---- settings ---------------------------------------------------------------

TEST_F(ClockPictures, SavesOnlyWithIniSaveAndRewritesTheEventList) {
  MemoryFs fs;
  label->SaveSettings(fs, "C:\\prog\\clock.exe");
  EXPECT_TRUE(fs.files.empty());

  fs.files["C:\\prog\\clock.Ini"] = "[EventList]\r\nEvent0=01:00\r\nEvent7=02:00\r\n";
  label->IniSave = true;
  label->SetEventList({"07:30 起床", "22:00"});
  label->SetStyle(TTimeStyle::ts24Hours);
  label->TimeCast = {TTimeCast::tc00, TTimeCast::tc55};
  label->Font.face = PaintFont{"Times New Roman", 16, true, false, true};
  label->Font.color = 0xFFFFFF;
  TDateLabel date;
  date.Visible = false;
  label->SetDateLabel(&date);
  label->DateStyle = TDateStyle::dsJapW;
  label->SaveSettings(fs, "C:\\prog\\clock.exe");

  IniFile ini = IniFile::Parse(fs.files.at("C:\\prog\\clock.Ini"));
  auto get = [&](const char* s, const char* k) { return ini.Get(s, k).value_or("<none>"); };
  EXPECT_EQ(get("Window", "Width"), "300");
  EXPECT_EQ(get("Window", "Height"), "200");
  EXPECT_EQ(get("Window", "Top"), "50");
  EXPECT_EQ(get("Window", "BorderStyle"), "0");
  EXPECT_EQ(get("Clock", "FontName"), "Times New Roman");
  EXPECT_EQ(get("Clock", "FontSize"), "12");
  EXPECT_EQ(get("Clock", "FontStyle"), "5");
  EXPECT_EQ(get("Clock", "FontColor"), "16777215");
  EXPECT_EQ(get("Clock", "Style"), "2");
  EXPECT_EQ(get("Clock", "Color"), std::to_string(static_cast<std::int32_t>(label->Color)));  // a system colour: negative
  EXPECT_EQ(get("Clock", "Transparent"), "0");
  EXPECT_EQ(get("Clock", "TimeCast"), std::to_string(1 | 1 << 11));
  EXPECT_EQ(ini.Keys("Clock").back(), "TimeCast");
  EXPECT_EQ(get("Image", "AutoSize"), "1");
  EXPECT_EQ(get("Date", "Visible"), "0");
  EXPECT_EQ(get("Date", "DateStyle"), "2");
  EXPECT_EQ(ini.Keys("EventList"), (std::vector<std::string>{"Event0", "Event1"}));
  EXPECT_EQ(get("EventList", "Event0"), "07:30 起床");
}

}  // namespace
}  // namespace hanaroku
