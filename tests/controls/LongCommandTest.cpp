#include "controls/LongCommand.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/RichEditSx.h"
#include "controls/StopWatch.h"
#include "controls/FakeTick.h"

namespace hanaroku {
namespace {

class FakeCursor final : public IBusyCursor {
 public:
  void Begin() override { events.push_back("busy"); }
  void End() override {
    events.push_back("normal");
    if (failEnd) throw std::runtime_error("cursor");
  }
  std::vector<std::string> events;
  bool failEnd = false;
};

struct Frame {
  FakeTick clock;
  TStopWatch watch{clock};
  FakeCursor cursor;
  TRichEditSx pane;
  std::map<int, std::string> panels;
  bool updatingAtPanel1 = true;
  LongCommandEnv env{watch, cursor, [this](int p, const std::string& s) {
                       panels[p] = s;
                       if (p == 1) updatingAtPanel1 = pane.Lines().Updating();
                     }};
};

TEST(LongCommand, CleanUpRunsOnceAfterFinishAndAfterAnError) {
  Frame f;
  {
    LongCommand cmd(f.env, &f.pane);
    EXPECT_TRUE(f.watch.Running());
    EXPECT_TRUE(f.pane.Lines().Updating());
    f.clock.tick = 1234;
    cmd.Finish();
    cmd.Finish();
  }
  EXPECT_EQ(f.panels[1], "00:00:01:234");
  EXPECT_FALSE(f.updatingAtPanel1);
  EXPECT_EQ(f.cursor.events, (std::vector<std::string>{"busy", "normal"}));

  f.panels.clear();
  f.cursor.events.clear();
  int ends = 0;
  EXPECT_THROW(
      {
        LongCommand cmd(f.env, &f.pane);
        cmd.AtEnd([&] { ++ends; });
        f.clock.tick += 5;
        throw std::runtime_error("out of memory");
      },
      std::runtime_error);
  EXPECT_FALSE(f.pane.Lines().Updating());
  EXPECT_FALSE(f.watch.Running());
  EXPECT_EQ(f.panels[1], "00:00:00:005");
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(f.cursor.events, (std::vector<std::string>{"busy", "normal"}));
}

TEST(LongCommand, AbandonShowsNoTimeAndRedrawCanStartLate) {
  Frame f;
  f.panels[1] = "before";
  {
    LongCommand cmd(f.env, nullptr, false);
    EXPECT_FALSE(f.pane.Lines().Updating());
    cmd.SuspendRedraw(f.pane);
    cmd.SuspendRedraw(f.pane);  // once per pane
    EXPECT_TRUE(f.pane.Lines().Updating());
    cmd.Abandon();
  }
  EXPECT_FALSE(f.pane.Lines().Updating());
  EXPECT_FALSE(f.watch.Running());
  EXPECT_EQ(f.panels[1], "before");
  EXPECT_TRUE(f.cursor.events.empty());
}

TEST(LongCommand, EveryCleanUpStepRunsWhenOneFails) {
  Frame f;
  f.cursor.failEnd = true;
  LongCommand cmd(f.env, &f.pane);
  int ends = 0;
  cmd.AtEnd([&] { ++ends; });
  EXPECT_THROW(cmd.Finish(), std::runtime_error);
  EXPECT_FALSE(f.pane.Lines().Updating());
  EXPECT_FALSE(f.watch.Running());
  EXPECT_EQ(f.panels.count(1), 1u);
  EXPECT_EQ(ends, 1);
  // In the destructor a failing step is swallowed (an error is already on its way).
  f.cursor.events.clear();
  EXPECT_THROW(
      {
        LongCommand inner(f.env);
        throw std::logic_error("first");
      },
      std::logic_error);
  EXPECT_EQ(f.cursor.events, (std::vector<std::string>{"busy", "normal"}));
}

}  // namespace
}  // namespace hanaroku
