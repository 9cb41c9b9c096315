#include "editing/StringColoring.h"

#include <cstdio>

#include "controls/LongCommand.h"
#include "controls/RichEditSx.h"
#include "controls/StopWatch.h"
#include "convert/ReplaceEngine.h"
#include "platform/Clipboard.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

// By the step counter modulo 10.
constexpr std::array<TColor, 10> kStepColors = {0x800000, 0x0000FF, 0xFF8080, 0x00FF00, 0x00FFFF,
                                                0xFFFF00, 0x008000, 0xFF00FF, 0x008080, 0x000080};

// A single-line edit box takes a pasted text up to its first line break.
std::u16string FirstLine(const std::u16string& text) {
  const std::size_t end = text.find_first_of(u"\r\n");
  return end == std::u16string::npos ? text : text.substr(0, end);
}

}  // namespace

TColor StepColor(int counter) noexcept {
  const int i = counter % 10;
  return kStepColors[static_cast<std::size_t>(i < 0 ? i + 10 : i)];
}

TStringColoring::TStringColoring(TRichEditSx& right, TRichEditSx& left, TToolBarControls& bars, LongCommandEnv& env,
                                 FocusPane focus, ClipboardSource clipboard)
    : right_(right),
      left_(left),
      bars_(bars),
      edit2_(BarControl("Edit2")),
      edit3_(BarControl("Edit3")),
      env_(env),
      focus_(std::move(focus)),
      clipboard_(std::move(clipboard)) {}

void TStringColoring::RichEdColorStr(TRichEditSx& pane, std::string_view text, TColor color, TColor restore) {
  // An empty pane colours nothing: its count is 0, not the previous run's.
  HitCount = 0;
  if (pane.Lines().Count() == 0 || text.empty()) return;
  const std::vector<std::size_t> hits = FindAllWholeChars(pane.Text(), text);
  if (!hits.empty()) {
    if (focus_) focus_(pane);
    pane.SetColorEach(hits, text.size(), color);
    HitCount = static_cast<int>(hits.size());
  }
  pane.SetSelStart(pane.TextLength());
  pane.SetSelColor(restore);
}

void TStringColoring::ColorRun(TRichEditSx& pane, TColor color) {
  LongCommand frame(env_, &pane, false);
  std::u16string lost;
  const std::string text = enc::Utf8ToSjis(bars_.Text(edit2_), &lost);
  // A string that code page 932 cannot hold occurs nowhere in a pane.
  RichEdColorStr(pane, lost.empty() ? std::string_view(text) : std::string_view(), color, pane.Font().color);
  LastColorCount = HitCount;
  // After the time in panel 1: the count in panel 2.
  frame.AtEnd([this] {
    if (env_.status) env_.status(2, std::to_string(HitCount) + "文字列");
  });
  frame.Finish();
}

void TStringColoring::Edit2Change() { bars_.SetHint(edit2_, bars_.Text(edit2_)); }
void TStringColoring::Edit3Change() { bars_.SetHint(edit3_, bars_.Text(edit3_)); }

void TStringColoring::RightColorRun(int row) {
  if (bars_.Text(edit2_).empty()) return;
  ColorRun(right_, StringColor(row));
}

void TStringColoring::LeftColorRun(int row) {
  if (bars_.Text(edit2_).empty()) return;
  ColorRun(left_, StringColor(row));
}

// No test for an empty colour string here: it colours nothing and shows 0.
void TStringColoring::NNButton2Click() {
  ++StepCounter;
  ColorRun(left_, StepColor(StepCounter));
}

void TStringColoring::NNButton3Click() {
  char count[32];
  std::snprintf(count, sizeof count, "%.6d", LastColorCount);
  bars_.SetText(edit3_, count);  // its change handler takes the hint along
  if (RecordResult) RecordResult(bars_.Text(edit2_), bars_.Text(edit3_), env_.stopWatch.ElapsedText());
}

void TStringColoring::SetEdit2(const std::string& text) {
  bars_.SetText(edit2_, "");
  bars_.SetText(edit2_, text);
}

void TStringColoring::NNButton4Click() {
  std::u16string text;
  IClipboard* clipboard = clipboard_ ? clipboard_() : nullptr;
  SetEdit2(clipboard && clipboard->GetText(text) ? enc::Utf16ToUtf8(FirstLine(text)) : std::string());
}

void TStringColoring::TakeSelection(const TRichEditSx& pane) { SetEdit2(enc::SjisToUtf8(pane.SelText())); }
void TStringColoring::NNButton5Click() { TakeSelection(left_); }
void TStringColoring::NNButton8Click() { TakeSelection(right_); }

}  // namespace hanaroku
