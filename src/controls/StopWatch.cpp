#include "controls/StopWatch.h"

#include <cstdio>

#include "platform/Clock.h"

namespace hanaroku {

TStopWatch::TStopWatch(const IClock& clock) noexcept : clock_(clock) {}

TStopWatch::TStopWatch() : TStopWatch(SystemClock()) {}

void TStopWatch::Start() noexcept {
  stoppedMs_ = 0;
  baseMs_ = 0;
  running_ = true;
  startTick_ = clock_.TickMs();
}

void TStopWatch::Stop() {
  const std::int32_t m = Elapsed();
  stoppedMs_ = m;
  baseMs_ = m;
  running_ = false;
  if (displayLabel_ != nullptr) displayLabel_->SetCaption(ElapsedText());
}

std::int32_t TStopWatch::Elapsed() const noexcept {
  if (!running_) return stoppedMs_;
  // Unsigned arithmetic wraps modulo 2^32, so a tick count that wrapped
  // since Start still gives the right difference.
  const std::uint32_t ms = clock_.TickMs() + static_cast<std::uint32_t>(baseMs_) - startTick_;
  return static_cast<std::int32_t>(ms);
}

std::string TStopWatch::FormatElapsed(std::int32_t e) {
  // Signed division and remainder truncate towards zero.
  const std::int32_t ms = e % 1000;
  const std::int32_t s = e / 1000;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%2.2d:%2.2d:%2.2d:%3.3d", static_cast<int>(s / 3600),
                static_cast<int>((s / 60) % 60), static_cast<int>(s % 60), static_cast<int>(ms));
  return buf;
}

std::string TStopWatch::ElapsedText() const { return FormatElapsed(Elapsed()); }

void TStopWatch::Notification(const IStopWatchLabel* removed) noexcept {
  if (removed != nullptr && removed == displayLabel_) displayLabel_ = nullptr;
}

}  // namespace hanaroku
