#pragma once
// The Win32 implementations of the platform ports: clipboard, dialogs, shell
// and window timers. File access and the clock are reached through
// SystemFileSystem() and SystemClock().
#include "platform/win32/Win32Util.h"

#include <functional>
#include <string>
#include <string_view>

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"

namespace hanaroku::win32 {

// A hidden message-only window of the UI thread: owner of the clipboard and
// of the window timers.
HWND UtilityWindow();

// "desc|pattern|desc|pattern" -> "desc\0pattern\0desc\0pattern\0\0" as the
// common file dialogs take it. A description without a pattern is dropped;
// an empty filter gives an empty string (no filter).
std::wstring FilterToWin32(std::string_view filter);

// FontSpec <-> LOGFONTW. The height in a FontSpec is the character height in
// pixels (a negative lfHeight).
LOGFONTW ToLogFont(const FontSpec& font);
FontSpec FromLogFont(const LOGFONTW& lf, TColor color);

// CF_UNICODETEXT. Opening the clipboard is retried for a short, bounded while
// when another program holds it; SetText throws std::runtime_error when the
// clipboard cannot be written.
class ClipboardWin32 final : public IClipboard {
 public:
  bool GetText(std::u16string& text) override;
  void SetText(const std::u16string& text) override;
};

// Message boxes and common dialogs owned by a window (the main window, or the
// active window when none is set).
class DialogsWin32 final : public IDialogs {
 public:
  explicit DialogsWin32(HWND owner = nullptr) noexcept : owner_(owner) {}
  void SetOwner(HWND owner) noexcept { owner_ = owner; }

  MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  bool OpenFile(const FileDialogSpec& request, std::string& path) override;
  bool SaveFile(const FileDialogSpec& request, std::string& path) override;
  bool ChooseFont(FontSpec& font, bool effects) override;
  bool ChooseColor(TColor& color) override;
  void Beep() override;

 private:
  HWND Owner() const noexcept;
  HWND owner_;
  COLORREF customColors_[16] = {};
};

// Shell links, opening with the default handler, starting programs.
class ShellWin32 final : public IShell {
 public:
  // allowUi: whether resolving a broken link may show the shell's search
  // prompt (owned by the active window). Tests turn it off.
  explicit ShellWin32(bool allowUi = true) noexcept : allowUi_(allowUi) {}
  ShortcutTarget ResolveShortcut(const std::string& lnkPath) override;
  bool ShellOpen(const std::string& fileOrAddress) override;
  bool StartProcess(const std::string& exePath, const std::string& args) override;

 private:
  bool allowUi_;
};

// SetTimer on the utility window; the callback runs from the message loop.
// An exception from the callback goes to the general error report.
class TimerWin32 final : public ITimer {
 public:
  TimerWin32();
  ~TimerWin32() override;
  TimerWin32(const TimerWin32&) = delete;
  TimerWin32& operator=(const TimerWin32&) = delete;

  void SetInterval(unsigned ms) override;
  unsigned Interval() const override { return interval_; }
  void SetCallback(std::function<void()> tick) override { tick_ = std::move(tick); }

  // Called by the utility window.
  void Fire();

 private:
  UINT_PTR id_;
  unsigned interval_ = 0;
  std::function<void()> tick_;
};

// After a common dialog returned FALSE: throws std::runtime_error when it
// failed rather than being cancelled (an error the user should see).
void CheckDialogError();

// The application's general error report: a message box with the error's
// text, owned by the active window. Call from a catch block; never throws.
void ReportCurrentException(HWND owner = nullptr) noexcept;
// The box itself (UTF-8 text), for errors found without an exception.
void ReportError(const std::string& text, HWND owner = nullptr) noexcept;

}  // namespace hanaroku::win32
