#include "controls/StopWatch.h"

#include <gtest/gtest.h>

#include "controls/FakeTick.h"

namespace hanaroku {
namespace {

class FakeLabel final : public IStopWatchLabel {
 public:
  void SetCaption(const std::string& s) override { caption = s; ++writes; }
  std::string caption;
  int writes = 0;
};

TEST(StopWatch, FormatsHoursMinutesSecondsMilliseconds) {
  EXPECT_EQ(TStopWatch::FormatElapsed(0), "00:00:00:000");
  EXPECT_EQ(TStopWatch::FormatElapsed(61001), "00:01:01:001");
  EXPECT_EQ(TStopWatch::FormatElapsed(3600000), "01:00:00:000");
  EXPECT_EQ(TStopWatch::FormatElapsed(100 * 3600000), "100:00:00:000");
}

TEST(StopWatch, RunsFreezesAndSurvivesTickWrap) {
  FakeTick clock;
  clock.tick = 0xFFFFFF00u;  // wraps 256 ms after Start
  TStopWatch w(clock);
  EXPECT_FALSE(w.Running());
  EXPECT_EQ(w.Elapsed(), 0);
  w.Start();
  EXPECT_EQ(w.ElapsedText(), "00:00:00:000");
  clock.tick += 1500;  // wrapped
  EXPECT_EQ(w.Elapsed(), 1500);
  EXPECT_EQ(w.ElapsedText(), "00:00:01:500");
  w.Stop();
  clock.tick += 100000;
  EXPECT_EQ(w.Elapsed(), 1500);
  EXPECT_EQ(w.BaseMs(), 1500);
  w.Start();  // restarts from zero
  EXPECT_EQ(w.Elapsed(), 0);
}

TEST(StopWatch, WritesItsLabelOnlyWhenSetAndForgetsARemovedOne) {
  FakeTick clock;
  TStopWatch w(clock);
  w.Start();
  w.Stop();  // no label: nothing to write
  FakeLabel label;
  w.SetDisplayLabel(&label);
  w.Start();
  clock.tick = 61001;
  w.Stop();
  EXPECT_EQ(label.caption, "00:01:01:001");
  w.Notification(&label);
  EXPECT_EQ(w.DisplayLabel(), nullptr);
  w.Start();
  w.Stop();
  EXPECT_EQ(label.writes, 1);
}

}  // namespace
}  // namespace hanaroku
