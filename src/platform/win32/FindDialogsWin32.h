#pragma once
// The modeless common find and replace dialogs (FindTextW / ReplaceTextW)
// behind IFindDialogs. Each TFindDialog gets at most one dialog window at a
// time, owned by the main window; its buttons reach the owner as the
// registered FINDMSGSTRING message, which the owner hands to Dispatch. The
// message loop gives every message to PreTranslate first, so that Tab,
// Enter, Escape and the access keys work inside the dialogs.
#include "platform/win32/Win32Util.h"

#include <commdlg.h>

#include <map>
#include <memory>

#include "platform/FindDialogs.h"

namespace hanaroku::win32 {

class FindDialogsWin32 final : public IFindDialogs {
 public:
  FindDialogsWin32();
  ~FindDialogsWin32() override;
  FindDialogsWin32(const FindDialogsWin32&) = delete;
  FindDialogsWin32& operator=(const FindDialogsWin32&) = delete;

  void SetOwner(HWND owner) noexcept { owner_ = owner; }
  void Execute(TFindDialog& dialog) override;

  // The registered message the dialogs send to their owner.
  UINT Message() const noexcept { return message_; }
  // Handles that message (lParam of it): copies the dialog's texts and
  // choices into its TFindDialog and runs the handler of the button.
  void Dispatch(LPARAM lp);
  // IsDialogMessage for the open dialogs; true when msg was taken.
  bool PreTranslate(MSG& msg);
  // The window of an open dialog, or null.
  HWND Window(const TFindDialog& dialog) const noexcept;

  // TFindOptions <-> FR_ flags.
  static DWORD ToFlags(const TFindOptions& options) noexcept;
  static void FromFlags(DWORD flags, TFindOptions& options) noexcept;

 private:
  struct Open;
  HWND owner_ = nullptr;
  UINT message_ = 0;
  std::map<const TFindDialog*, std::unique_ptr<Open>> open_;
};

}  // namespace hanaroku::win32
