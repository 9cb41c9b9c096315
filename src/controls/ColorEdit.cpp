#include "controls/ColorEdit.h"

namespace hanaroku {

void TColorEdit::DoEnter() {
  if (focused_) return;
  focused_ = true;
  saved_ = color_;
  color_ = EnterColor;
}

void TColorEdit::DoExit() {
  if (!focused_) return;
  focused_ = false;
  color_ = saved_;
}

void TColorEdit::SetText(std::string utf8) {
  if (utf8 == text_) return;
  text_ = std::move(utf8);
  if (OnChange) OnChange();
}

}  // namespace hanaroku
