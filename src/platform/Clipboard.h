#pragma once
// Clipboard port: Unicode text only (CF_UNICODETEXT on Windows).
#include <string>

namespace hanaroku {

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  virtual bool GetText(std::u16string& text) = 0;  // false when no text is there
  virtual void SetText(const std::u16string& text) = 0;
};

}  // namespace hanaroku
