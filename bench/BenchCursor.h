#pragma once
// The cursor of the long commands in the benchmark programs: nothing shown.
#include "controls/LongCommand.h"

namespace hanaroku::bench {

class NoCursor final : public IBusyCursor {
 public:
  void Begin() override {}
  void End() override {}
};

}  // namespace hanaroku::bench
