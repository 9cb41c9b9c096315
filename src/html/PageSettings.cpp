#include "html/PageSettings.h"

#include <stdexcept>
#include <string>

namespace hanaroku {
namespace {

constexpr const char* kBlack = "Black";

}  // namespace

bool THtmlPageSettings::CheckBoxChecked(int index) const {
  if (index < 1 || index > kCheckBoxes) throw std::out_of_range("CheckBox" + std::to_string(index));
  return boxes_[static_cast<std::size_t>(index - 1)];
}

void THtmlPageSettings::SetCheckBox(int index, bool checked) {
  if (CheckBoxChecked(index) == checked) return;
  boxes_[static_cast<std::size_t>(index - 1)] = checked;
  if (OnCheckBoxChange) OnCheckBoxChange(index);
  switch (index) {
    case 1: CheckBox1Click(); break;
    case 2: CheckBox2Click(); break;
    case 3: CheckBox3Click(); break;
    case 6: CheckBox6Click(); break;
    case 7: CheckBox7Click(); break;
    case 13: CheckBox13Click(); break;
    case 14: CheckBox14Click(); break;
    default: break;  // no rule of its own
  }
}

void THtmlPageSettings::RestoreSavedLineColors() {
  mclo = SavedLineColor1;
  mclt = SavedLineColor2;
}

void THtmlPageSettings::CheckBox1Click() {
  if (CheckBoxChecked(1)) {
    if (CheckBoxChecked(2)) SetCheckBox(2, false);
    if (CheckBoxChecked(3)) SetCheckBox(3, false);
  }
  if (CheckBoxChecked(1)) {
    SavedLineColor1 = mclo;
    SavedLineColor2 = mclt;
    mclo = mclt = kBlack;
  } else if (!SavedLineColor1.empty()) {
    RestoreSavedLineColors();
  } else {
    mclo = kDefaultLineColor1;
    mclt = kDefaultLineColor2;
  }
}

void THtmlPageSettings::CheckBox2Click() {
  if (CheckBoxChecked(1) && CheckBoxChecked(2)) SetCheckBox(1, false);
  if (CheckBoxChecked(3) && CheckBoxChecked(2)) SetCheckBox(3, false);
  if (!CheckBoxChecked(1)) RestoreSavedLineColors();
  if (mclt != mclo) {
    SavedLineColor2 = mclt;
    mclt = mclo;
  }
  if (!CheckBoxChecked(2)) mclt = SavedLineColor2.empty() ? kDefaultLineColor2 : SavedLineColor2;
}

void THtmlPageSettings::CheckBox3Click() {
  if (CheckBoxChecked(3)) {
    if (CheckBoxChecked(7)) SetCheckBox(7, false);
    if (CheckBoxChecked(2)) SetCheckBox(2, false);
  }
  if (CheckBoxChecked(1) && CheckBoxChecked(3)) SetCheckBox(1, false);
  RestoreSavedLineColors();
}

void THtmlPageSettings::CheckBox7Click() {
  if (CheckBoxChecked(3) && CheckBoxChecked(7)) SetCheckBox(3, false);
}

void THtmlPageSettings::CheckBox6Click() {
  if (CheckBoxChecked(6) && !CheckBoxChecked(1) && !CheckBoxChecked(2)) SetCheckBox(1, true);
  if (CheckBoxChecked(6)) SetCheckBox(14, false);
}

void THtmlPageSettings::CheckBox14Click() {
  if (CheckBoxChecked(14)) SetCheckBox(6, false);
}

void THtmlPageSettings::ResetToDefaults() {
  auto notify = std::move(OnCheckBoxChange);
  *this = THtmlPageSettings{};
  OnCheckBoxChange = std::move(notify);
}

void THtmlPageSettings::AfterRestore() {
  if (CheckBoxChecked(1) && CheckBoxChecked(2)) SetCheckBox(1, false);
  SavedLineColor1 = mclo;
  SavedLineColor2 = mclt;
}

void THtmlPageSettings::UpdateFontCaption() { HtmButton8Caption = Mfn == kMincho ? "明" : "ゴ"; }

void THtmlPageSettings::ToggleFont() {
  Mfn = Mfn == kMincho ? kGothic : kMincho;
  UpdateFontCaption();
}

void THtmlPageSettings::ResetColorsAndFont() {
  bgc = "#fff8dc";
  mclo = kDefaultLineColor1;
  mclt = kDefaultLineColor2;
  Lcl = "#CDC0A5";
  Mfn = kMincho;
  UpdateFontCaption();
  Dai = "#8E8571";
}

}  // namespace hanaroku
