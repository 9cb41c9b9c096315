#include "html/PageSettings.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace hanaroku {
namespace {

TEST(HtmlCheckBoxes, SymbolImagesSwitchBlackTextOnAndBlankAsTextOff) {
  THtmlPageSettings s;
  ASSERT_TRUE(s.CheckBoxChecked(14));
  s.SetCheckBox(6, true);
  EXPECT_TRUE(s.CheckBoxChecked(1));
  EXPECT_FALSE(s.CheckBoxChecked(14));
  EXPECT_EQ(s.mclo, "Black");
  EXPECT_EQ(s.mclt, "Black");
  s.SetCheckBox(14, true);
  EXPECT_FALSE(s.CheckBoxChecked(6));
  EXPECT_TRUE(s.CheckBoxChecked(1));  // black text stays
}

TEST(HtmlCheckBoxes, BlackTextOnAndOffGivesTheLineColoursBack) {
  THtmlPageSettings s;
  s.mclo = "#010101";
  s.mclt = "#020202";
  s.SetCheckBox(1, true);
  EXPECT_EQ(s.mclo, "Black");
  s.SetCheckBox(1, false);
  EXPECT_EQ(s.mclo, "#010101");
  EXPECT_EQ(s.mclt, "#020202");
  // Setting a box to the state it has runs nothing.
  s.mclo = "#030303";
  s.SetCheckBox(1, false);
  EXPECT_EQ(s.mclo, "#030303");
}

TEST(HtmlCheckBoxes, SingleColourCopiesTheFirstColourAndGivesTheSecondBack) {
  THtmlPageSettings s;
  s.SavedLineColor1 = s.mclo = "#8080FF";
  s.SavedLineColor2 = s.mclt = "#D0A2A2";
  s.SetCheckBox(2, true);
  EXPECT_EQ(s.mclt, s.mclo);
  s.SetCheckBox(2, false);
  EXPECT_EQ(s.mclt, "#D0A2A2");
}

TEST(HtmlCheckBoxes, ColourModesExcludeOneAnother) {
  THtmlPageSettings s;
  s.SetCheckBox(1, true);
  s.SetCheckBox(2, true);
  EXPECT_FALSE(s.CheckBoxChecked(1));
  s.SetCheckBox(7, true);
  s.SetCheckBox(3, true);
  EXPECT_FALSE(s.CheckBoxChecked(2));
  EXPECT_FALSE(s.CheckBoxChecked(7));
  s.SetCheckBox(7, true);
  EXPECT_FALSE(s.CheckBoxChecked(3));
  s.SetCheckBox(3, true);
  s.SetCheckBox(1, true);
  EXPECT_FALSE(s.CheckBoxChecked(3));
  EXPECT_THROW(s.SetCheckBox(15, true), std::out_of_range);
  EXPECT_THROW(s.CheckBoxChecked(0), std::out_of_range);
}

TEST(HtmlCheckBoxes, EveryChangeIsReportedInTheOrderTheRulesRun) {
  THtmlPageSettings s;
  std::vector<int> changed;
  s.OnCheckBoxChange = [&](int i) { changed.push_back(i); };
  s.SetCheckBox(6, true);  // 6 on, then its rule: 1 on, 14 off
  EXPECT_EQ(changed, (std::vector<int>{6, 1, 14}));
  changed.clear();
  s.SetCheckBox(6, true);
  EXPECT_TRUE(changed.empty());
  s.ResetToDefaults();
  EXPECT_TRUE(s.CheckBoxChecked(14));
  EXPECT_FALSE(s.CheckBoxChecked(6));
  EXPECT_TRUE(changed.empty());  // the defaults are set without rules
  s.SetCheckBox(9, true);
  EXPECT_EQ(changed, (std::vector<int>{9}));  // the notification survives the reset
}

TEST(HtmlCheckBoxes, FontToggleAndStartUp) {
  THtmlPageSettings s;
  s.ToggleFont();
  EXPECT_EQ(s.Mfn, "ＭＳ ゴシック");
  EXPECT_EQ(s.HtmButton8Caption, "ゴ");
  s.ToggleFont();
  EXPECT_EQ(s.Mfn, "ＭＳ 明朝");
  EXPECT_EQ(s.HtmButton8Caption, "明");
  s.Mfn = "Osaka";
  s.ToggleFont();
  EXPECT_EQ(s.Mfn, "ＭＳ 明朝");
  s.mclo = "#123456";
  s.AfterRestore();
  EXPECT_EQ(s.SavedLineColor1, s.mclo);
  EXPECT_EQ(s.SavedLineColor2, s.mclt);
}

}  // namespace
}  // namespace hanaroku
