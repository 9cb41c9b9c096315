#pragma once
// TStringColoring: colouring every occurrence of a string in a pane, and the
// colour-string bar around it. The right pane is coloured from the pane's
// popup menu (N24..N35), the left pane from the bar's twelve colour buttons
// (SCButton1..SCButton12) and from "彩", which steps through ten colours.
// Each run reports its time and the number of occurrences it coloured; "書記"
// writes that count into the count box and hands the result to the
// count-grid window.
//
// Colours are display only: both panes hold plain text, and undo, redo, a
// new font and loading a file drop them.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "app/ToolBars.h"
#include "platform/Canvas.h"

namespace hanaroku {

class IClipboard;
class TRichEditSx;
struct LongCommandEnv;

inline constexpr int kStringColorCount = 12;
inline constexpr std::array<TColor, kStringColorCount> kStringColors = {
    0x2548C2, 0xFFA2A2, 0x1BC8D6, 0x376F3F, 0x7272B8, 0x84DC23, 0xB59159, 0x6C5F55, 0x5094EF, 0x9E2392, 0xF4E90F, 0xB7ABA8};
// Colour row 0..11: popup item N24 + row and button SCButton1 + row.
constexpr TColor StringColor(int row) noexcept {
  return row >= 0 && row < kStringColorCount ? kStringColors[static_cast<std::size_t>(row)] : 0;
}
// The colour of "彩" for its step counter (after the increase).
TColor StepColor(int counter) noexcept;

class TStringColoring {
 public:
  using FocusPane = std::function<void(TRichEditSx&)>;
  using ClipboardSource = std::function<IClipboard*()>;
  // The colour string and the count are the edit boxes Edit2 and Edit3 of
  // `bars`; a run times itself with the window's long-command frame `env`
  // (stopwatch and status bar; no hourglass).
  TStringColoring(TRichEditSx& right, TRichEditSx& left, TToolBarControls& bars, LongCommandEnv& env,
                  FocusPane focus, ClipboardSource clipboard);
  TStringColoring(const TStringColoring&) = delete;
  TStringColoring& operator=(const TStringColoring&) = delete;

  // The hints of the colour string (Edit2) and the count box (Edit3) follow
  // their texts, so that the tool tip shows the whole text.
  void Edit2Change();
  void Edit3Change();

  int HitCount = 0;        // occurrences coloured by the last RichEdColorStr
  int LastColorCount = 0;  // the count of the last colour run
  int StepCounter = 0;     // presses of "彩"; never reset

  // The count-grid window's record of a result (colour string, count box,
  // elapsed time); set while that window is open and visible.
  std::function<void(const std::string& colorString, const std::string& count, const std::string& elapsed)>
      RecordResult;

  // Colour runs: row 0..11 of the colour table on the right pane (N24Click
  // .. N35Click) or on the left pane (SCButton1Click .. SCButton12Click).
  void RightColorRun(int row);
  void LeftColorRun(int row);
  void NNButton2Click();  // "彩": the left pane in the next step colour
  void NNButton3Click();  // "書記": the last count into Edit3 and the count grid
  void NNButton4Click();  // "貼": Edit2 := the clipboard's text
  void NNButton5Click();  // "選": Edit2 := the left pane's selection
  void NNButton8Click();  // "選", N13: Edit2 := the right pane's selection

  // Colours the occurrences of `text` (Shift-JIS) in the pane left to
  // right, never overlapping, and leaves the caret at the end of the text,
  // where typed text takes `restore`. HitCount := the occurrences coloured.
  void RichEdColorStr(TRichEditSx& pane, std::string_view text, TColor color, TColor restore);

 private:
  // Under a long-command frame (stopwatch from now, the pane's redrawing
  // held off), RichEdColorStr with Edit2 and the pane's font colour; then
  // time and count in the status bar.
  void ColorRun(TRichEditSx& pane, TColor color);
  void TakeSelection(const TRichEditSx& pane);
  void SetEdit2(const std::string& text);

  TRichEditSx& right_;
  TRichEditSx& left_;
  TToolBarControls& bars_;
  ControlRef edit2_, edit3_;
  LongCommandEnv& env_;
  FocusPane focus_;
  ClipboardSource clipboard_;
};

}  // namespace hanaroku
