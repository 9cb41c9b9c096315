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
#include <functional>
#include <string>
#include <string_view>

#include "platform/Canvas.h"

namespace hanaroku {

class IClipboard;
class TRichEditSx;
class TStopWatch;

inline constexpr int kStringColorCount = 12;
// Colour row 0..11: popup item N24 + row and button SCButton1 + row.
TColor StringColor(int row) noexcept;
// The face of SCButton1 + row: its colour, except SCButton3's.
TColor SCButtonFaceColor(int row) noexcept;
// The colour of "彩" for its step counter (after the increase).
TColor StepColor(int counter) noexcept;

class TStringColoring {
 public:
  using StatusSink = std::function<void(int panel, const std::string& utf8)>;
  using FocusPane = std::function<void(TRichEditSx&)>;
  using ClipboardSource = std::function<IClipboard*()>;
  TStringColoring(TRichEditSx& right, TRichEditSx& left, TStopWatch& stopWatch, StatusSink status, FocusPane focus,
                  ClipboardSource clipboard);
  TStringColoring(const TStringColoring&) = delete;
  TStringColoring& operator=(const TStringColoring&) = delete;

  // The colour string (Edit2) and the count box (Edit3), UTF-8, with their
  // hints; the hints follow the texts (Edit2Change, Edit3Change).
  std::string Edit2, Edit3;
  std::string Edit2Hint = "彩色文字列入力", Edit3Hint = "文字列カウント";
  void Edit2Change() { Edit2Hint = Edit2; }
  void Edit3Change() { Edit3Hint = Edit3; }

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
  // Redrawing held off, RichEdColorStr with Edit2 and the pane's font
  // colour, time and count in the status bar; the stopwatch is started by
  // the caller.
  void ColorRun(TRichEditSx& pane, TColor color);
  void TakeSelection(const TRichEditSx& pane);
  void SetEdit2(std::string text);

  TRichEditSx& right_;
  TRichEditSx& left_;
  TStopWatch& stopWatch_;
  StatusSink status_;
  FocusPane focus_;
  ClipboardSource clipboard_;
};

}  // namespace hanaroku
