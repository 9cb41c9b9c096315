#include "editing/CountsAndDates.h"

#include "controls/RichEditSx.h"
#include "platform/Clock.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

constexpr const char* kUnits[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr const char* kTens[10] = {"", "十", "二十", "三十", "四十", "五十", "六十", "七十", "八十", "九十"};

// A number of two digits in kanji; the tens word exists up to `maxTens`.
std::string KanjiNumber(int value, int maxTens) {
  const int t = value / 10 % 10, u = value % 10;
  const std::string tens = t <= maxTens ? kTens[t] : "";
  if (t == 0) return kUnits[u];
  return u != 0 ? tens + kUnits[u] : tens;
}

}  // namespace

std::string KanjiDate(const TimeOfDay& date) {
  const int yy = (date.year % 100 + 100) % 100;
  return "二千" + KanjiNumber(yy, 9) + "年" + KanjiNumber(date.month, 1) + "月" + KanjiNumber(date.day, 3) + "日";
}

std::size_t CountLineCharacters(std::string_view sjis) {
  std::size_t chars = 0;
  for (const std::string& line : TRichEditLines::Split(sjis)) chars += enc::SjisToUtf16(line).size();
  return chars;
}

TCountsAndDates::TCountsAndDates(TRichEditSx& right, TRichEditSx& left, const IClock& clock, StatusSink status,
                                 std::function<void()> caretMoved)
    : right_(right), left_(left), clock_(clock), status_(std::move(status)), caretMoved_(std::move(caretMoved)) {}

void TCountsAndDates::Count(const TRichEditSx& pane) {
  status_(1, std::to_string(pane.Lines().Count()) + "行");
  status_(2, std::to_string(CountLineCharacters(pane.Text())) + "字");
}

void TCountsAndDates::ShineSpeedButton33Click() { Count(left_); }
void TCountsAndDates::ShineSpeedButton34Click() { Count(right_); }

void TCountsAndDates::Insert(const std::string& utf8) {
  right_.SetSelText(enc::Utf8ToSjis(utf8));
  if (caretMoved_) caretMoved_();
}

void TCountsAndDates::HidukeClick() {
  const TimeOfDay now = clock_.LocalNow();
  Insert(right_.Vertical() ? KanjiDate(now) : ShortDateText(now));
}

void TCountsAndDates::diaryClick() {
  const TimeOfDay now = clock_.LocalNow();
  Insert(ShortDateText(now) + " " + LongTimeText(now));
}

void TCountsAndDates::kuhaku1Click() { Insert("＠＃＆％！\r\n"); }

}  // namespace hanaroku
