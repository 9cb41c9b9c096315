#include "platform/LocaleWords.h"

namespace hanaroku {

const ILocaleWords& SystemLocaleWords() { return JapaneseWords(); }

}  // namespace hanaroku
