#pragma once
// TColorEdit: a single-line edit box that shows EnterColor as its background
// while it has the focus and its own colour again when it loses it. The
// platform's edit box holds the text; this model keeps the text the window
// works with, its hint and its colours.
#include <functional>
#include <string>

#include "platform/Paint.h"

namespace hanaroku {

class TColorEdit {
 public:
  static constexpr TColor kDefaultEnterColor = 11988967;  // 0xB6EFE7

  TColor EnterColor = kDefaultEnterColor;
  std::string Hint;  // UTF-8

  // The background now: EnterColor while focused.
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor color) noexcept { color_ = color; }
  bool Focused() const noexcept { return focused_; }
  // The focus came (the colour is put aside and EnterColor shown) or went
  // (the colour put aside comes back).
  void DoEnter();
  void DoExit();

  const std::string& Text() const noexcept { return text_; }
  // A different text, typed or set by the program, fires OnChange.
  void SetText(std::string utf8);
  std::function<void()> OnChange;

 private:
  TColor color_ = kSysColorFlag | static_cast<TColor>(SysColor::Window);
  TColor saved_ = color_;
  bool focused_ = false;
  std::string text_;
};

}  // namespace hanaroku
