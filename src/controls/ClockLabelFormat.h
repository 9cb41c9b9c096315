#pragma once
// Date and time formatting with the specifiers Delphi's FormatDateTime
// knows, as the clock label's styles are written in them:
//   y yy yyyy        two- or four-digit year
//   m mm mmm mmmm    month, month name ("m" right after an hour: minutes)
//   d dd ddd dddd    day, weekday name; ddddd / dddddd the short / long date
//   aaa aaaa         weekday name (short / long)
//   g gg e ee        era name (first character / whole), year in the era
//   h hh n nn s ss   hour, minute, second; z zzz milliseconds
//   t tt c           short / long time, date and time
//   AM/PM am/pm A/P a/p   the marker as written; ampm the locale's word.
//                    Any of them, before the hour or after it up to the
//                    next hour, makes the hour a 12-hour one.
//   / :              the date and time separators ("/" and ":")
//   "..." '...'      literal; an unclosed quote runs to the end
// Anything else is copied as it is, so UTF-8 text passes through.
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace hanaroku {

class ILocaleWords;

std::string FormatDateTime(std::string_view format, const TimeOfDay& t, const ILocaleWords& words);

}  // namespace hanaroku
