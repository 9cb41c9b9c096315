#pragma once
// Small helpers of the Win32 adapter: UTF-8 <-> wide strings, RAII owners of
// handles, GDI objects and COM interfaces, and the system's error text.
#include <windows.h>

// windows.h renames these to their W forms; the core has members of the same
// names (IDialogs::MessageBox, TRichEditSx::FindText ...), which must keep
// their own names in adapter code.
#undef MessageBox
#undef ChooseFont
#undef ChooseColor
#undef FindText
#undef ReplaceText
#undef GetObject
#undef DrawText

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/Encoding.h"

namespace hanaroku::win32 {

// wchar_t is 16 bits on Windows, so char16_t and wchar_t strings share a layout.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring Widen(std::string_view utf8) {
  std::u16string u = enc::Utf8ToUtf16(utf8);
  return std::wstring(u.begin(), u.end());
}

inline std::string Narrow(std::wstring_view wide) {
  return enc::Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

inline std::wstring ToWide(std::u16string_view u) { return std::wstring(u.begin(), u.end()); }
inline std::u16string ToU16(std::wstring_view w) { return std::u16string(w.begin(), w.end()); }

// Shift-JIS bytes <-> wide text.
inline std::wstring SjisToWide(std::string_view sjis) { return ToWide(enc::SjisToUtf16(sjis)); }

// The system's text for an error code, UTF-8, without the trailing line break.
std::string SystemErrorText(DWORD code);

// Owner of a kernel handle (files, processes); INVALID_HANDLE_VALUE and null
// both mean "none".
class UniqueHandle {
 public:
  UniqueHandle() noexcept = default;
  explicit UniqueHandle(HANDLE h) noexcept : h_(h) {}
  UniqueHandle(UniqueHandle&& o) noexcept : h_(o.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) Reset(o.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  HANDLE Get() const noexcept { return h_; }
  bool Valid() const noexcept { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
  HANDLE Release() noexcept {
    HANDLE h = h_;
    h_ = nullptr;
    return h;
  }
  // Closes the handle; returns false when CloseHandle failed.
  bool Reset(HANDLE h = nullptr) noexcept {
    bool ok = true;
    if (Valid()) ok = ::CloseHandle(h_) != 0;
    h_ = h;
    return ok;
  }

 private:
  HANDLE h_ = nullptr;
};

// Owner of a GDI object (font, brush, pen, bitmap, region).
struct GdiDeleter {
  void operator()(void* obj) const noexcept {
    if (obj) ::DeleteObject(static_cast<HGDIOBJ>(obj));
  }
};
template <class T>
using GdiPtr = std::unique_ptr<std::remove_pointer_t<T>, GdiDeleter>;
using FontPtr = GdiPtr<HFONT>;
using BrushPtr = GdiPtr<HBRUSH>;
using PenPtr = GdiPtr<HPEN>;

// Selects an object into a device context for the scope.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(obj ? ::SelectObject(dc, obj) : nullptr) {}
  ~SelectGuard() {
    if (old_) ::SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// The device context of a window, released at the end of the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND wnd) noexcept : wnd_(wnd), dc_(::GetDC(wnd)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(wnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const noexcept { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// Owner of a COM interface pointer.
struct ComReleaser {
  void operator()(IUnknown* p) const noexcept {
    if (p) p->Release();
  }
};
template <class T>
using ComPtr = std::unique_ptr<T, ComReleaser>;

// COM apartment for the calling thread for the scope (S_FALSE counts: the
// thread was initialised already, and is balanced the same way).
class ComInit {
 public:
  ComInit() noexcept : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComInit() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ComInit(const ComInit&) = delete;
  ComInit& operator=(const ComInit&) = delete;
  bool Ok() const noexcept { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

// A font made from a face name and a pixel height (negative: character height).
FontPtr MakeFont(std::wstring_view face, int pixelHeight, int charset = SHIFTJIS_CHARSET, int weight = FW_NORMAL,
                 int escapement = 0);

// Opens the window's input method in hiragana mode (native, full-width).
void SetHiraganaMode(HWND wnd);

inline RECT ClientRect(HWND wnd) noexcept {
  RECT r{};
  ::GetClientRect(wnd, &r);
  return r;
}

}  // namespace hanaroku::win32
