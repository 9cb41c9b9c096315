#include "platform/ErrorText.h"

#include <exception>
#include <new>

namespace hanaroku {

std::string CurrentExceptionText() noexcept {
  const char* text = nullptr;
  try {
    throw;
  } catch (const std::bad_alloc&) {
    text = "メモリが足りません。";
  } catch (const std::exception& e) {
    text = e.what();
  } catch (...) {
    text = "予期しないエラーが発生しました。";
  }
  if (!text || !*text) text = "エラーが発生しました。";
  try {
    return text;
  } catch (...) {
    return {};
  }
}

}  // namespace hanaroku
