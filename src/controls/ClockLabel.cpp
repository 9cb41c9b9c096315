#include "controls/ClockLabel.h"

#include <cstdio>

#include "controls/ClockLabelFormat.h"
#include "platform/Dialogs.h"
#include "platform/LocaleWords.h"
#include "platform/Timer.h"

namespace hanaroku {
namespace {

// "hh:mm" on a 24-hour clock.
bool IsTimeOfDay(std::string_view s) noexcept {
  if (s.size() < 5 || s[2] != ':') return false;
  for (std::size_t i : {0u, 1u, 3u, 4u})
    if (s[i] < '0' || s[i] > '9') return false;
  int h = (s[0] - '0') * 10 + (s[1] - '0'), m = (s[3] - '0') * 10 + (s[4] - '0');
  return h < 24 && m < 60;
}

std::string HourMinute(const TimeOfDay& t) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", t.hour, t.minute);
  return buf;
}

// Stands in when no timer was given: it keeps the interval and never fires.
class StillTimer final : public ITimer {
 public:
  void SetInterval(unsigned ms) override { interval_ = ms; }
  unsigned Interval() const override { return interval_; }
  void SetCallback(std::function<void()>) override {}

 private:
  unsigned interval_ = 0;
};

}  // namespace

void PaintLabel(IPaintCanvas& canvas, const Rect& client, const std::string& caption, const TLabelLook& look) {
  if (!look.Transparent) canvas.FillRect(client, ResolveColor(canvas, look.Color));
  if (caption.empty()) return;
  const Size text = canvas.TextExtent(caption, look.Font.face);
  int x = client.left, y = client.top;
  switch (look.Alignment) {
    case TLabelAlignment::taLeftJustify: break;
    case TLabelAlignment::taRightJustify: x = client.right - text.width; break;
    case TLabelAlignment::taCenter: x = client.left + (client.Width() - text.width) / 2; break;
  }
  switch (look.Layout) {
    case TTextLayout::tlTop: break;
    case TTextLayout::tlCenter: y = client.top + (client.Height() - text.height) / 2; break;
    case TTextLayout::tlBottom: y = client.bottom - text.height; break;
  }
  ClipScope clip(canvas, client);
  canvas.DrawText({x, y}, caption, look.Font.face, ResolveColor(canvas, look.Font.color));
}

TClockLabel::TClockLabel(IClock& clock, std::unique_ptr<ITimer> timer, IDialogs* dialogs)
    : TClockLabel(clock, std::move(timer), dialogs, SystemLocaleWords()) {}

TClockLabel::TClockLabel(IClock& clock, std::unique_ptr<ITimer> timer, IDialogs* dialogs, const ILocaleWords& words)
    : clock_(clock), timer_(timer ? std::move(timer) : std::make_unique<StillTimer>()), dialogs_(dialogs), words_(words) {
  timer_->SetInterval(0);
  timer_->SetCallback([this] { Tick(); });
  Tick();
}

TClockLabel::~TClockLabel() {
  timer_->SetInterval(0);
  timer_->SetCallback(nullptr);
}

std::string_view TClockLabel::StyleFormat(TTimeStyle style) noexcept {
  switch (style) {
    case TTimeStyle::ts12Hours: return "AM/PM hh:nn:ss";
    case TTimeStyle::ts12HoursJ: return "ampmhh\"時\"nn\"分\"ss\"秒\"\"";
    case TTimeStyle::ts24Hours: return "hh:nn:ss";
    case TTimeStyle::ts24HoursJ: return "hh\"時\" nn\"分\" ss\"秒\"\"";
    case TTimeStyle::tsCustom: break;
  }
  return {};
}

std::string_view TClockLabel::DateStyleFormat(TDateStyle style) noexcept {
  switch (style) {
    case TDateStyle::dsShort: return "yy/mm/dd";
    case TDateStyle::dsJap: return "yyyy\"年\"m\"月\"d\"日\"";
    case TDateStyle::dsJapW: return "yyyy\"年\"m\"月\"d\"日(\"aaa\")\"\"";
    case TDateStyle::dsGengo: return "ggge\"年\"m\"月\"d\"日\"";
    case TDateStyle::dsGengoW: return "ggge\"年\"m\"月\"d\"日(\"aaa\")\"\"";
  }
  return {};
}

std::string TClockLabel::TimeText(const TimeOfDay& t) const {
  std::string_view format = style_ == TTimeStyle::tsCustom ? std::string_view(format_) : StyleFormat(style_);
  return format.empty() ? std::string() : FormatDateTime(format, t, words_);
}

std::string TClockLabel::DateText(const TimeOfDay& t) const {
  return FormatDateTime(DateStyleFormat(DateStyle), t, words_);
}

void TClockLabel::SetEventList(std::vector<std::string> lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (IsTimeOfDay(lines[i])) continue;
    if (dialogs_)
      dialogs_->MessageBox(std::to_string(i + 1) + "番目のデータが不正です。\rhh:mm形式で入力し直してください。",
                           "Hanaroku", MsgButtons::Ok, MsgIcon::None);
    break;
  }
  eventList_ = std::move(lines);
}

unsigned TClockLabel::Interval() const noexcept { return timer_->Interval(); }

void TClockLabel::SetInterval(unsigned ms) { timer_->SetInterval(ms); }

void TClockLabel::SetStyle(TTimeStyle style) {
  style_ = style;
  Tick();
}

void TClockLabel::SetFormat(std::string format) {
  format_ = std::move(format);
  Tick();
}

void TClockLabel::Notification(const TDateLabel* removed) noexcept {
  if (removed && removed == dateLabel_) dateLabel_ = nullptr;
}

void TClockLabel::SetCaption(std::string text) {
  if (text == caption_) return;
  caption_ = std::move(text);
  if (OnChange) OnChange();
}

void TClockLabel::Tick() {
  const TimeOfDay now = clock_.LocalNow();
  SetCaption(TimeText(now));
  if (dateLabel_) {
    std::string date = DateText(now);
    if (date != dateLabel_->Caption) {
      dateLabel_->Caption = std::move(date);
      if (OnChange) OnChange();
    }
  }
  CheckMinute(now);
}

void TClockLabel::CheckMinute(const TimeOfDay& t) {
  std::string minute = HourMinute(t);
  if (minute == lastMinute_) return;
  lastMinute_ = std::move(minute);
  // The handlers may change the list or stop the clock: look everything up
  // before calling them.
  int alarm = -1;
  for (std::size_t i = 0; i < eventList_.size(); ++i)
    if (std::string_view(eventList_[i]).substr(0, 5) == lastMinute_) {
      alarm = static_cast<int>(i);
      break;
    }
  const int mark = t.minute % 5 == 0 ? t.minute / 5 : -1;
  const bool cast = TimeCast.Has(mark);
  if (alarm >= 0 && OnAlarm) OnAlarm(*this, alarm);
  if (cast && OnTimeCast) OnTimeCast(*this, mark);
}

void TClockLabel::Click() {
  if (OnClick) OnClick(*this);
}

void TClockLabel::Paint(IPaintCanvas& canvas, const Rect& client) const { PaintLabel(canvas, client, caption_, *this); }

}  // namespace hanaroku
