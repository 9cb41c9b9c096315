// The option check boxes of the HTML tool bar and their click rules: black
// text, single colour and alternating colours exclude one another;
// alternating colours and the own-colour first line exclude each other;
// symbol images and blank-as-text exclude each other, and symbol images
// switch black text on. Every change of a box's state, by the user, by
// another box's rule or by the settings read at start, runs its rule.
#include <stdexcept>
#include <string>

#include "app/MainForm1.h"

namespace hanaroku {
namespace {

constexpr const char* kDefaultLineColor1 = "#8080FF";
constexpr const char* kDefaultLineColor2 = "#D0A2A2";
constexpr const char* kBlack = "Black";

}  // namespace

bool TMainForm1::*TMainForm1::CheckBoxField(int index) {
  static constexpr bool TMainForm1::*kBoxes[] = {
      &TMainForm1::CheckBox1,  &TMainForm1::CheckBox2,  &TMainForm1::CheckBox3,  &TMainForm1::CheckBox4,
      &TMainForm1::CheckBox5,  &TMainForm1::CheckBox6,  &TMainForm1::CheckBox7,  &TMainForm1::CheckBox8,
      &TMainForm1::CheckBox9,  &TMainForm1::CheckBox10, &TMainForm1::CheckBox11, &TMainForm1::CheckBox12,
      &TMainForm1::CheckBox13, &TMainForm1::CheckBox14};
  if (index < 1 || index > 14) throw std::out_of_range("CheckBox" + std::to_string(index));
  return kBoxes[index - 1];
}

bool TMainForm1::CheckBoxChecked(int index) const { return this->*CheckBoxField(index); }

void TMainForm1::SetCheckBox(int index, bool checked) {
  bool& box = this->*CheckBoxField(index);
  if (box == checked) return;
  box = checked;
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

void TMainForm1::RestoreSavedLineColors() {
  mclo = SavedLineColor1;
  mclt = SavedLineColor2;
}

void TMainForm1::CheckBox1Click() {
  if (CheckBox1) {
    if (CheckBox2) SetCheckBox(2, false);
    if (CheckBox3) SetCheckBox(3, false);
  }
  if (CheckBox1) {
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

void TMainForm1::CheckBox2Click() {
  if (CheckBox1 && CheckBox2) SetCheckBox(1, false);
  if (CheckBox3 && CheckBox2) SetCheckBox(3, false);
  if (!CheckBox1) RestoreSavedLineColors();
  if (mclt != mclo) {
    SavedLineColor2 = mclt;
    mclt = mclo;
  }
  if (!CheckBox2) mclt = SavedLineColor2.empty() ? kDefaultLineColor2 : SavedLineColor2;
}

void TMainForm1::CheckBox3Click() {
  if (CheckBox3) {
    if (CheckBox7) SetCheckBox(7, false);
    if (CheckBox2) SetCheckBox(2, false);
  }
  if (CheckBox1 && CheckBox3) SetCheckBox(1, false);
  RestoreSavedLineColors();
}

void TMainForm1::CheckBox7Click() {
  if (CheckBox3 && CheckBox7) SetCheckBox(3, false);
}

void TMainForm1::CheckBox6Click() {
  if (CheckBox6 && !CheckBox1 && !CheckBox2) SetCheckBox(1, true);
  if (CheckBox6) SetCheckBox(14, false);
}

void TMainForm1::CheckBox13Click() {}

void TMainForm1::CheckBox14Click() {
  if (CheckBox14) SetCheckBox(6, false);
}

}  // namespace hanaroku
