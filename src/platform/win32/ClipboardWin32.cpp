// The clipboard as Unicode text (CF_UNICODETEXT).
#include <cstring>
#include <stdexcept>

#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

// Open for the scope; another program may hold the clipboard for a moment,
// so opening is tried a few times (at most about 100 ms in all).
class ClipboardOpen {
 public:
  explicit ClipboardOpen(HWND owner) noexcept {
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
      open_ = ::OpenClipboard(owner) != 0;
      if (!open_) ::Sleep(10);
    }
  }
  ~ClipboardOpen() {
    if (open_) ::CloseClipboard();
  }
  ClipboardOpen(const ClipboardOpen&) = delete;
  ClipboardOpen& operator=(const ClipboardOpen&) = delete;
  bool Ok() const noexcept { return open_; }

 private:
  bool open_ = false;
};

class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL mem) noexcept : mem_(mem), data_(mem ? ::GlobalLock(mem) : nullptr) {}
  ~GlobalLockGuard() {
    if (data_) ::GlobalUnlock(mem_);
  }
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  void* Data() const noexcept { return data_; }

 private:
  HGLOBAL mem_;
  void* data_;
};

}  // namespace

bool ClipboardWin32::GetText(std::u16string& text) {
  text.clear();
  if (!::IsClipboardFormatAvailable(CF_UNICODETEXT)) return false;
  ClipboardOpen open(UtilityWindow());
  if (!open.Ok()) return false;
  HGLOBAL mem = ::GetClipboardData(CF_UNICODETEXT);
  if (!mem) return false;
  GlobalLockGuard lock(mem);
  if (!lock.Data()) return false;
  // The text ends at its NUL, but never beyond the memory block.
  const char16_t* chars = static_cast<const char16_t*>(lock.Data());
  std::size_t limit = ::GlobalSize(mem) / sizeof(char16_t);
  std::size_t n = 0;
  while (n < limit && chars[n] != 0) ++n;
  text.assign(chars, n);
  return true;
}

void ClipboardWin32::SetText(const std::u16string& text) {
  ClipboardOpen open(UtilityWindow());
  if (!open.Ok()) throw std::runtime_error("クリップボードを開けません。");
  std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!mem) throw std::bad_alloc();
  {
    GlobalLockGuard lock(mem);
    if (!lock.Data()) {
      ::GlobalFree(mem);
      throw std::bad_alloc();
    }
    std::memcpy(lock.Data(), text.c_str(), bytes);
  }
  if (!::EmptyClipboard() || !::SetClipboardData(CF_UNICODETEXT, mem)) {
    DWORD err = ::GetLastError();
    ::GlobalFree(mem);
    throw std::runtime_error("クリップボードに書き込めません。\n" + SystemErrorText(err));
  }
  // The clipboard owns the memory now.
}

}  // namespace hanaroku::win32
