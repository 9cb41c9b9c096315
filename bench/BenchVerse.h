#pragma once
// The text of the benchmark programs: one waka in Shift-JIS, repeated.
#include <string>

#include "platform/Encoding.h"

namespace hanaroku::bench {

// At least `bytes` bytes of verse, whole poems with CR LF line ends.
inline std::string Verse(std::size_t bytes) {
  const std::string poem = enc::Utf8ToSjis("ひさかたの\r\n光のどけき\r\n春の日に\r\nしづ心なく\r\n花の散るらむ\r\n\r\n");
  std::string s;
  while (s.size() < bytes) s += poem;
  return s;
}

}  // namespace hanaroku::bench
