#pragma once
// TStopWatch: a non-visual component that measures the wall-clock time of one
// long-running command in milliseconds of the system tick (which wraps at
// 2^32 ms; differences are taken modulo 2^32). The main window owns one,
// StopWatch1; commands start it when they begin and stop it in their clean-up
// path, then show ElapsedText ("hh:mm:ss:mmm") in the status bar.
#include <cstdint>
#include <string>

namespace hanaroku {

class IClock;

// A label the stopwatch writes its elapsed-time text into on Stop.
class IStopWatchLabel {
 public:
  virtual ~IStopWatchLabel() = default;
  virtual void SetCaption(const std::string& utf8) = 0;
};

class TStopWatch {
 public:
  // The tick source is the clock's TickMs; it must outlive the stopwatch.
  explicit TStopWatch(const IClock& clock) noexcept;
  TStopWatch();  // the system clock

  // Restarts from zero (also when running).
  void Start() noexcept;
  // Freezes the measured value; writes ElapsedText into DisplayLabel when set.
  void Stop();

  bool Running() const noexcept { return running_; }
  // Milliseconds so far while running, else the frozen value.
  std::int32_t Elapsed() const noexcept;
  // Elapsed as "%2.2d:%2.2d:%2.2d:%3.3d": hours, minutes, seconds, milliseconds.
  std::string ElapsedText() const;
  static std::string FormatElapsed(std::int32_t ms);

  IStopWatchLabel* DisplayLabel() const noexcept { return displayLabel_; }
  void SetDisplayLabel(IStopWatchLabel* label) noexcept { displayLabel_ = label; }
  // Removal notification: the owner of a label calls this before destroying
  // it; DisplayLabel is cleared when it names that label.
  void Notification(const IStopWatchLabel* removed) noexcept;

  // Raw fields, for inspection.
  std::uint32_t StartTick() const noexcept { return startTick_; }
  std::int32_t BaseMs() const noexcept { return baseMs_; }
  std::int32_t StoppedMs() const noexcept { return stoppedMs_; }

 private:
  const IClock& clock_;
  bool running_ = false;
  std::uint32_t startTick_ = 0;
  std::int32_t baseMs_ = 0;
  std::int32_t stoppedMs_ = 0;
  IStopWatchLabel* displayLabel_ = nullptr;
};

}  // namespace hanaroku
