#pragma once
// THtmlPageSettings: the settings of the generated HTML pages, held by the
// main window for the life of the program. The HTML tool bar and the
// settings window edit them, the page conversions read them and the
// settings store keeps them. Strings are UTF-8 and go into the page as they
// are (colours as #RRGGBB or an HTML colour name).
//
// The option check boxes CheckBox1..CheckBox14 live here with their click
// rules: black text, single colour and alternating colours exclude one
// another; alternating colours and the own-colour first column exclude each
// other; symbol images and blank-as-text exclude each other, and symbol
// images switch black text on. Every change of a box's state, by the user,
// by another box's rule or by the settings read at start, runs its rule.
#include <array>
#include <functional>
#include <string>

namespace hanaroku {

class THtmlPageSettings {
 public:
  static constexpr const char* kDefaultLineColor1 = "#8080FF";
  static constexpr const char* kDefaultLineColor2 = "#D0A2A2";
  static constexpr const char* kMincho = "ＭＳ 明朝";
  static constexpr const char* kGothic = "ＭＳ ゴシック";
  static constexpr int kCheckBoxes = 14;

  // ---- page settings (their settings keys in brackets) ----------------------
  std::string bgc = "#fff8dc";         // [bgc] page colour
  std::string mclo = kDefaultLineColor1;  // [mclo] first line colour
  std::string mclt = kDefaultLineColor2;  // [mclt] second line colour
  std::string Lcl = "#CDC0A5";         // [Lcl] rule colour
  std::string Dai = "#8E8571";         // [Dai] heading colour
  std::string Mfn = kMincho;           // [Mfn] page font
  std::string fze = "2";               // [fze] font size
  std::string Title = "作品";          // [Edit4Text] the text of Edit4
  std::string PageTitle = "sakuhin";   // [Edit5Text] the text of Edit5
  std::string Lint = "Back";           // [Lint] back-link text
  std::string Linu = "index.htm";      // [Linu] back-link target
  bool FLink = false;                  // [FLink] back-link switch
  std::string TableWidth = "700";      // recomputed by each conversion
  std::string RuleWidth = "800";
  // The line colours kept while black text or single colour is on.
  std::string SavedLineColor1, SavedLineColor2;
  // Caption of the font toggle HtmButton8: "明" for Mincho, "ゴ" otherwise.
  std::string HtmButton8Caption = "明";

  // ---- option check boxes ------------------------------------------------------
  // CheckBox<index>, 1..14; std::out_of_range for any other index.
  bool CheckBoxChecked(int index) const;
  // Sets a box; a change of state runs the box's rule (which may set others).
  void SetCheckBox(int index, bool checked);
  // Called after each change of a box's state (index 1..14), for the tool bar.
  std::function<void(int index)> OnCheckBoxChange;

  void CheckBox1Click();   // black text
  void CheckBox2Click();   // single colour (the first line colour)
  void CheckBox3Click();   // alternating colours
  void CheckBox6Click();   // symbol images
  void CheckBox7Click();   // first column in its own colour
  void CheckBox13Click() {}  // only read by the base and quick settings
  void CheckBox14Click();  // blank lines as text

  // The in-code start values, the boxes set without running their rules
  // (the change notification is kept).
  void ResetToDefaults();
  // The end of start-up: black text wins over single colour only when both
  // came from the settings; the saved line colours become the current ones.
  void AfterRestore();

  // The caption of HtmButton8 for the current page font.
  void UpdateFontCaption();
  // HtmButton8Click: Mincho becomes Gothic, anything else Mincho.
  void ToggleFont();
  // The colours and font of the base settings (HtmButton9, quick settings).
  void ResetColorsAndFont();

 private:
  void RestoreSavedLineColors();
  std::array<bool, kCheckBoxes> boxes_{false, false, false, true, true,  false, false,
                                       true,  false, false, false, false, false, true};
};

}  // namespace hanaroku
