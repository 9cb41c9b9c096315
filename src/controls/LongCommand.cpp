#include "controls/LongCommand.h"

#include <exception>

#include "controls/RichEditSx.h"
#include "controls/StopWatch.h"

namespace hanaroku {

LongCommand::LongCommand(LongCommandEnv& env, TRichEditSx* suspend, bool hourglass) : env_(env) {
  env_.stopWatch.Start();
  if (suspend) SuspendRedraw(*suspend);
  if (hourglass) {
    env_.cursor.Begin();
    hourglass_ = true;
  }
}

LongCommand::~LongCommand() {
  if (done_) return;
  try {
    CleanUp(true);
  } catch (...) {
    // Unwinding already; the first error is the one reported.
  }
}

void LongCommand::SuspendRedraw(TRichEditSx& pane) {
  if (suspended_ == &pane) return;
  ResumeRedraw();
  pane.Lines().BeginUpdate();
  suspended_ = &pane;
}

void LongCommand::ResumeRedraw() {
  if (!suspended_) return;
  TRichEditSx* pane = suspended_;
  suspended_ = nullptr;
  pane->Lines().EndUpdate();
}

void LongCommand::Finish() {
  if (!done_) CleanUp(true);
}

void LongCommand::Abandon() {
  if (!done_) CleanUp(false);
}

void LongCommand::CleanUp(bool showTime) {
  done_ = true;
  // Each step runs even when an earlier one fails; the first failure is
  // passed on at the end.
  std::exception_ptr failure;
  auto step = [&failure](auto&& f) {
    try {
      f();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  };
  step([&] { ResumeRedraw(); });
  if (hourglass_) {
    hourglass_ = false;
    step([&] { env_.cursor.End(); });
  }
  step([&] { env_.stopWatch.Stop(); });
  if (showTime && env_.status) step([&] { env_.status(1, env_.stopWatch.ElapsedText()); });
  if (atEnd_) step(atEnd_);
  if (failure) std::rethrow_exception(failure);
}

}  // namespace hanaroku
