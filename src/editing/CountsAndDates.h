#pragma once
// TCountsAndDates: small aids for verse. The line and character counts of a
// pane ("L" and "R"), and inserting into the right pane today's date in
// kanji numerals (in vertical writing; the short date otherwise), the date
// and time, and the blank-symbol line that the page generation takes for a
// blank line. Every insertion replaces the right pane's selection and
// refreshes the caret position in the status bar.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace hanaroku {

class IClock;
class TRichEditSx;
struct TimeOfDay;

// "二千" + year + "年" + month + "月" + day + "日" of the two-digit year,
// the month and the day, in kanji numerals (UTF-8): 二千一年一月一日.
std::string KanjiDate(const TimeOfDay& date);
// Characters of the lines of a text, line breaks not counted; a
// double-byte character counts one.
std::size_t CountLineCharacters(std::string_view sjis);

class TCountsAndDates {
 public:
  using StatusSink = std::function<void(int panel, const std::string& utf8)>;
  TCountsAndDates(TRichEditSx& right, TRichEditSx& left, const IClock& clock, StatusSink status,
                  std::function<void()> caretMoved);

  void ShineSpeedButton33Click();  // "L": counts of the left pane
  void ShineSpeedButton34Click();  // "R": counts of the right pane
  void HidukeClick();              // the date in kanji
  void diaryClick();               // the date and time
  void kuhaku1Click();             // the blank symbol "＠＃＆％！"

 private:
  void Count(const TRichEditSx& pane);
  void Insert(const std::string& utf8);

  TRichEditSx& right_;
  TRichEditSx& left_;
  const IClock& clock_;
  StatusSink status_;
  std::function<void()> caretMoved_;
};

}  // namespace hanaroku
