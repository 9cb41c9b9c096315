#pragma once
// The text of the exception being handled, as the general error report
// shows it. Call from a catch block; never throws.
#include <string>

namespace hanaroku {

std::string CurrentExceptionText() noexcept;

}  // namespace hanaroku
