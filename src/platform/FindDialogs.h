#pragma once
// The platform's modeless find and replace dialogs. A TFindDialog holds what
// one dialog shows and reports: its texts, its options and the handlers of
// its events. Execute shows it and returns at once; while it is open the
// user works on in the window, and each press of one of its buttons copies
// the dialog's texts and choices into the TFindDialog and calls its handler.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

namespace hanaroku {

enum class TFindOption : std::uint8_t {
  frDown,
  frFindNext,
  frHideMatchCase,
  frHideWholeWord,
  frHideUpDown,
  frMatchCase,
  frDisableMatchCase,
  frDisableUpDown,
  frDisableWholeWord,
  frReplace,
  frReplaceAll,
  frWholeWord,
  frShowHelp,
};

// A set of options.
class TFindOptions {
 public:
  constexpr TFindOptions() noexcept = default;
  constexpr TFindOptions(std::initializer_list<TFindOption> options) noexcept {
    for (TFindOption o : options) Include(o);
  }
  constexpr bool Contains(TFindOption o) const noexcept { return (bits_ & Bit(o)) != 0; }
  constexpr void Include(TFindOption o) noexcept { bits_ |= Bit(o); }
  constexpr void Exclude(TFindOption o) noexcept { bits_ &= ~Bit(o); }
  constexpr void Set(TFindOption o, bool on) noexcept { on ? Include(o) : Exclude(o); }
  constexpr bool operator==(const TFindOptions&) const noexcept = default;

 private:
  static constexpr std::uint32_t Bit(TFindOption o) noexcept { return 1u << static_cast<unsigned>(o); }
  std::uint32_t bits_ = 0;
};

enum class FindDialogKind : std::uint8_t { Find, Replace };

struct TFindDialog {
  FindDialogKind Kind = FindDialogKind::Find;
  std::string Name;         // "FindDialog1"
  TFindOptions Options;
  std::string FindText;     // UTF-8
  std::string ReplaceText;  // UTF-8; replace dialogs only
  // "Find next" pressed: Options holds frFindNext and the direction.
  std::function<void()> OnFind;
  // "Replace" or "Replace all" pressed: Options holds frReplace or frReplaceAll.
  std::function<void()> OnReplace;
};

class IFindDialogs {
 public:
  virtual ~IFindDialogs() = default;
  // Shows the dialog with its FindText (and ReplaceText), or brings it to
  // the front, showing the present FindText, when it is open already.
  virtual void Execute(TFindDialog& dialog) = 0;
};

}  // namespace hanaroku
