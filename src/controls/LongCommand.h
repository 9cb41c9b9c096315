#pragma once
// The frame of the long commands (script conversions, colouring, page
// generation). A command opens a LongCommand when it begins: the window's
// stopwatch StopWatch1 starts from zero, the application shows the
// hourglass and a pane's redrawing is held off. The clean-up resumes the
// redrawing, restores the cursor, stops the watch and writes its elapsed
// time into status panel 1; it runs when the command calls Finish and, if it
// has not, when the frame goes out of scope, so that a command ended by an
// error still leaves the window usable and shows its time.
#include <functional>
#include <string>

namespace hanaroku {

class TRichEditSx;
class TStopWatch;

// The application-wide cursor: hourglass on Begin, default on End.
class IBusyCursor {
 public:
  virtual ~IBusyCursor() = default;
  virtual void Begin() = 0;
  virtual void End() = 0;
};

// Writes a UTF-8 text into a status bar panel (0-based).
using StatusPanelSink = std::function<void(int panel, const std::string& utf8)>;

// What a window lends its long commands; the references outlive the commands.
struct LongCommandEnv {
  TStopWatch& stopWatch;
  IBusyCursor& cursor;
  StatusPanelSink status;
};

class LongCommand {
 public:
  // Starts the stopwatch; shows the hourglass when asked; holds off the
  // redrawing of `suspend` when given.
  explicit LongCommand(LongCommandEnv& env, TRichEditSx* suspend = nullptr, bool hourglass = true);
  // Runs the clean-up if Finish or Abandon has not run; never throws.
  ~LongCommand();
  LongCommand(const LongCommand&) = delete;
  LongCommand& operator=(const LongCommand&) = delete;

  // Holds off the redrawing of `pane` from now until the clean-up (or
  // ResumeRedraw). One pane at a time.
  void SuspendRedraw(TRichEditSx& pane);
  void ResumeRedraw();
  // Runs after the elapsed time is shown, in every case (the line count of
  // the script conversions).
  void AtEnd(std::function<void()> f) { atEnd_ = std::move(f); }

  // The clean-up: redrawing resumed, default cursor, the watch stopped and
  // its time in panel 1, then the AtEnd step. Runs once.
  void Finish();
  // A command that gives up: the same clean-up, but no time is shown.
  void Abandon();

 private:
  void CleanUp(bool showTime);

  LongCommandEnv& env_;
  TRichEditSx* suspended_ = nullptr;
  bool hourglass_ = false;
  bool done_ = false;
  std::function<void()> atEnd_;
};

}  // namespace hanaroku
