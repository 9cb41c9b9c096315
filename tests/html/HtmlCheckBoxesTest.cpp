#include <gtest/gtest.h>

#include "app/MainForm1.h"
#include "app/MainFormFixture.h"

namespace hanaroku {
namespace {

using namespace testing;
using HtmlCheckBoxes = MainForm;

TEST_F(HtmlCheckBoxes, SymbolImagesSwitchBlackTextOnAndBlankAsTextOff) {
  ASSERT_TRUE(form.CheckBox14);
  form.SetCheckBox(6, true);
  EXPECT_TRUE(form.CheckBox1);
  EXPECT_FALSE(form.CheckBox14);
  EXPECT_EQ(form.mclo, "Black");
  EXPECT_EQ(form.mclt, "Black");
  form.SetCheckBox(14, true);
  EXPECT_FALSE(form.CheckBox6);
  EXPECT_TRUE(form.CheckBox1);  // black text stays
}

TEST_F(HtmlCheckBoxes, BlackTextOnAndOffGivesTheLineColoursBack) {
  form.mclo = "#010101";
  form.mclt = "#020202";
  form.SetCheckBox(1, true);
  EXPECT_EQ(form.mclo, "Black");
  form.SetCheckBox(1, false);
  EXPECT_EQ(form.mclo, "#010101");
  EXPECT_EQ(form.mclt, "#020202");
  // Setting a box to the state it has runs nothing.
  form.mclo = "#030303";
  form.SetCheckBox(1, false);
  EXPECT_EQ(form.mclo, "#030303");
}

TEST_F(HtmlCheckBoxes, SingleColourCopiesTheFirstColourAndGivesTheSecondBack) {
  form.SavedLineColor1 = form.mclo = "#8080FF";
  form.SavedLineColor2 = form.mclt = "#D0A2A2";
  form.SetCheckBox(2, true);
  EXPECT_EQ(form.mclt, form.mclo);
  form.SetCheckBox(2, false);
  EXPECT_EQ(form.mclt, "#D0A2A2");
}

TEST_F(HtmlCheckBoxes, ColourModesExcludeOneAnother) {
  form.SetCheckBox(1, true);
  form.SetCheckBox(2, true);
  EXPECT_FALSE(form.CheckBox1);
  form.SetCheckBox(7, true);
  form.SetCheckBox(3, true);
  EXPECT_FALSE(form.CheckBox2);
  EXPECT_FALSE(form.CheckBox7);
  form.SetCheckBox(7, true);
  EXPECT_FALSE(form.CheckBox3);
  form.SetCheckBox(3, true);
  form.SetCheckBox(1, true);
  EXPECT_FALSE(form.CheckBox3);
  EXPECT_THROW(form.SetCheckBox(15, true), std::out_of_range);
}

}  // namespace
}  // namespace hanaroku
