#include "platform/Canvas.h"

#include "platform/Encoding.h"

namespace hanaroku {

int FixedMeasurer::TextWidth(std::string_view utf8) const {
  // Half a cell for ASCII and half-width katakana, a cell for the rest.
  int w = 0;
  for (char16_t c : enc::Utf8ToUtf16(utf8)) w += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? cell_ / 2 : cell_;
  return w;
}

}  // namespace hanaroku
