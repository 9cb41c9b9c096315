#pragma once
// Window timers delivered through the event loop.
#include <functional>

namespace hanaroku {

class ITimer {
 public:
  virtual ~ITimer() = default;
  // Interval 0 stops the timer. The callback runs on the UI thread.
  virtual void SetInterval(unsigned ms) = 0;
  virtual unsigned Interval() const = 0;
  virtual void SetCallback(std::function<void()> tick) = 0;
};

}  // namespace hanaroku
