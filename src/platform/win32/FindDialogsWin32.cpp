#include "platform/win32/FindDialogsWin32.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace hanaroku::win32 {
namespace {

constexpr std::size_t kTextLength = 256;  // characters the dialog's boxes take, with the terminator

struct FlagOf {
  TFindOption option;
  DWORD flag;
};
constexpr FlagOf kFlags[] = {
    {TFindOption::frDown, FR_DOWN},
    {TFindOption::frFindNext, FR_FINDNEXT},
    {TFindOption::frHideMatchCase, FR_HIDEMATCHCASE},
    {TFindOption::frHideWholeWord, FR_HIDEWHOLEWORD},
    {TFindOption::frHideUpDown, FR_HIDEUPDOWN},
    {TFindOption::frMatchCase, FR_MATCHCASE},
    {TFindOption::frDisableMatchCase, FR_NOMATCHCASE},
    {TFindOption::frDisableUpDown, FR_NOUPDOWN},
    {TFindOption::frDisableWholeWord, FR_NOWHOLEWORD},
    {TFindOption::frReplace, FR_REPLACE},
    {TFindOption::frReplaceAll, FR_REPLACEALL},
    {TFindOption::frWholeWord, FR_WHOLEWORD},
    {TFindOption::frShowHelp, FR_SHOWHELP},
};

// What the dialog reports on every press: its choices and which button.
constexpr DWORD kReported = FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD | FR_FINDNEXT | FR_REPLACE | FR_REPLACEALL;

void CopyInto(std::vector<wchar_t>& buffer, const std::string& utf8) {
  std::wstring text = Widen(utf8);
  if (text.size() >= buffer.size()) text.resize(buffer.size() - 1);
  std::fill(buffer.begin(), buffer.end(), L'\0');
  text.copy(buffer.data(), text.size());
}

}  // namespace

// The state of one open dialog: the structure and the buffers the dialog
// reads and writes as long as it lives.
struct FindDialogsWin32::Open {
  TFindDialog* model = nullptr;
  FINDREPLACEW fr{};
  std::vector<wchar_t> findWhat = std::vector<wchar_t>(kTextLength, L'\0');
  std::vector<wchar_t> replaceWith = std::vector<wchar_t>(kTextLength, L'\0');
  HWND wnd = nullptr;
};

FindDialogsWin32::FindDialogsWin32() : message_(::RegisterWindowMessageW(FINDMSGSTRINGW)) {}

FindDialogsWin32::~FindDialogsWin32() {
  for (auto& [model, open] : open_)
    if (open->wnd && ::IsWindow(open->wnd)) ::DestroyWindow(open->wnd);
}

DWORD FindDialogsWin32::ToFlags(const TFindOptions& options) noexcept {
  DWORD flags = 0;
  for (const FlagOf& f : kFlags)
    if (options.Contains(f.option)) flags |= f.flag;
  return flags;
}

void FindDialogsWin32::FromFlags(DWORD flags, TFindOptions& options) noexcept {
  for (const FlagOf& f : kFlags)
    if (f.flag & kReported) options.Set(f.option, (flags & f.flag) != 0);
}

HWND FindDialogsWin32::Window(const TFindDialog& dialog) const noexcept {
  auto it = open_.find(&dialog);
  return it == open_.end() ? nullptr : it->second->wnd;
}

void FindDialogsWin32::Execute(TFindDialog& dialog) {
  if (HWND wnd = Window(dialog); wnd && ::IsWindow(wnd)) {
    ::SetDlgItemTextW(wnd, edt1, Widen(dialog.FindText).c_str());
    ::ShowWindow(wnd, SW_SHOW);
    ::SetActiveWindow(wnd);
    ::SetFocus(::GetDlgItem(wnd, edt1));
    return;
  }
  auto open = std::make_unique<Open>();
  open->model = &dialog;
  CopyInto(open->findWhat, dialog.FindText);
  CopyInto(open->replaceWith, dialog.ReplaceText);
  FINDREPLACEW& fr = open->fr;
  fr.lStructSize = sizeof fr;
  fr.hwndOwner = owner_;
  fr.Flags = ToFlags(dialog.Options);
  fr.lpstrFindWhat = open->findWhat.data();
  fr.wFindWhatLen = static_cast<WORD>(open->findWhat.size() * sizeof(wchar_t));
  fr.lCustData = reinterpret_cast<LPARAM>(open.get());
  if (dialog.Kind == FindDialogKind::Replace) {
    fr.lpstrReplaceWith = open->replaceWith.data();
    fr.wReplaceWithLen = static_cast<WORD>(open->replaceWith.size() * sizeof(wchar_t));
    open->wnd = ::ReplaceTextW(&fr);
  } else {
    open->wnd = ::FindTextW(&fr);
  }
  if (!open->wnd)
    throw std::runtime_error("検索ダイアログを開けません。 (" + std::to_string(::CommDlgExtendedError()) + ")");
  open_[&dialog] = std::move(open);
}

void FindDialogsWin32::Dispatch(LPARAM lp) {
  const auto* fr = reinterpret_cast<const FINDREPLACEW*>(lp);
  if (!fr) return;
  auto it = open_.begin();
  while (it != open_.end() && reinterpret_cast<LPARAM>(it->second.get()) != fr->lCustData) ++it;
  if (it == open_.end()) return;
  if (fr->Flags & FR_DIALOGTERM) {
    open_.erase(it);  // the dialog is going; its structure is not read again
    return;
  }
  Open& open = *it->second;
  TFindDialog& d = *open.model;
  d.FindText = Narrow(open.findWhat.data());
  if (d.Kind == FindDialogKind::Replace) d.ReplaceText = Narrow(open.replaceWith.data());
  FromFlags(fr->Flags, d.Options);
  if ((fr->Flags & FR_FINDNEXT) && d.OnFind)
    d.OnFind();
  else if ((fr->Flags & (FR_REPLACE | FR_REPLACEALL)) && d.OnReplace)
    d.OnReplace();
}

bool FindDialogsWin32::PreTranslate(MSG& msg) {
  for (auto& [model, open] : open_)
    if (open->wnd && ::IsWindow(open->wnd) && ::IsDialogMessageW(open->wnd, &msg)) return true;
  return false;
}

}  // namespace hanaroku::win32
