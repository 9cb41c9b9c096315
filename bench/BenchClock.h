#pragma once
// The wall clock of the benchmark programs.
#include <chrono>

namespace hanaroku::bench {

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

}  // namespace hanaroku::bench
