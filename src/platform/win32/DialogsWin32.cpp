// Message boxes and the common dialogs (open, save, font, colour).
#include "platform/win32/Gdi.h"
#include "platform/win32/Win32Ports.h"

#include <commdlg.h>

#include <cwchar>
#include <vector>

namespace hanaroku::win32 {

std::wstring FilterToWin32(std::string_view filter) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start <= filter.size()) {
    std::size_t bar = filter.find('|', start);
    if (bar == std::string_view::npos) bar = filter.size();
    parts.push_back(Widen(filter.substr(start, bar - start)));
    start = bar + 1;
  }
  std::wstring out;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i + 1].empty()) continue;  // a pattern is needed for the entry to mean anything
    out += parts[i];
    out.push_back(L'\0');
    out += parts[i + 1];
    out.push_back(L'\0');
  }
  if (!out.empty()) out.push_back(L'\0');
  return out;
}

LOGFONTW ToLogFont(const FontSpec& font) { return PaneLogFont(font, false); }

FontSpec FromLogFont(const LOGFONTW& lf, TColor color) {
  FontSpec f;
  f.name = Narrow(lf.lfFaceName);
  f.height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
  f.bold = lf.lfWeight >= FW_BOLD;
  f.italic = lf.lfItalic != 0;
  f.underline = lf.lfUnderline != 0;
  f.strikeOut = lf.lfStrikeOut != 0;
  f.charset = lf.lfCharSet;
  f.color = color;
  return f;
}

HWND DialogsWin32::Owner() const noexcept { return owner_ ? owner_ : ::GetActiveWindow(); }

MsgResult DialogsWin32::MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                                   MsgIcon icon) {
  UINT type = 0;
  switch (buttons) {
    case MsgButtons::Ok: type = MB_OK; break;
    case MsgButtons::YesNo: type = MB_YESNO; break;
    case MsgButtons::YesNoCancel: type = MB_YESNOCANCEL; break;
    case MsgButtons::OkCancel: type = MB_OKCANCEL; break;
  }
  switch (icon) {
    case MsgIcon::None: break;
    case MsgIcon::Information: type |= MB_ICONINFORMATION; break;
    case MsgIcon::Question: type |= MB_ICONQUESTION; break;
    case MsgIcon::Warning: type |= MB_ICONWARNING; break;
    case MsgIcon::Error: type |= MB_ICONERROR; break;
  }
  HWND owner = Owner();
  if (!owner) type |= MB_TASKMODAL;
  std::wstring wtext = Widen(text), wcaption = Widen(caption);
  switch (::MessageBoxW(owner, wtext.c_str(), wcaption.c_str(), type)) {
    case IDYES: return MsgResult::Yes;
    case IDNO: return MsgResult::No;
    case IDOK: return MsgResult::Ok;
    default: return MsgResult::Cancel;
  }
}

namespace {

// Everything the file dialogs share: buffers that must outlive the call.
struct FileDialogBuffers {
  std::wstring filter, defExt, initialDir, title;
  std::vector<wchar_t> file;

  explicit FileDialogBuffers(const FileDialogSpec& request)
      : filter(FilterToWin32(request.filter)),
        defExt(Widen(request.defaultExt)),
        initialDir(Widen(request.initialDir)),
        title(Widen(request.title)),
        file(32768, L'\0') {
    std::wstring name = Widen(request.fileName);
    if (name.size() < file.size()) name.copy(file.data(), name.size());
  }

  OPENFILENAMEW Make(HWND owner, DWORD flags) {
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
    ofn.Flags = flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    return ofn;
  }
};

// A failed dialog (not a cancel) is an error the user should see.
void CheckDialogError() {
  DWORD err = ::CommDlgExtendedError();
  if (err != 0) throw std::runtime_error("ダイアログを開けません。 (" + std::to_string(err) + ")");
}

}  // namespace

bool DialogsWin32::OpenFile(const FileDialogSpec& request, std::string& path) {
  FileDialogBuffers b(request);
  OPENFILENAMEW ofn = b.Make(Owner(), OFN_FILEMUSTEXIST);
  if (!::GetOpenFileNameW(&ofn)) {
    CheckDialogError();
    return false;
  }
  path = Narrow(b.file.data());
  return true;
}

bool DialogsWin32::SaveFile(const FileDialogSpec& request, std::string& path) {
  FileDialogBuffers b(request);
  OPENFILENAMEW ofn = b.Make(Owner(), 0);
  if (!::GetSaveFileNameW(&ofn)) {
    CheckDialogError();
    return false;
  }
  path = Narrow(b.file.data());
  return true;
}

bool DialogsWin32::ChooseFont(FontSpec& font, bool effects) {
  LOGFONTW lf = ToLogFont(font);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = Owner();
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | (effects ? CF_EFFECTS : 0);
  cf.rgbColors = font.color;
  if (!::ChooseFontW(&cf)) {
    CheckDialogError();
    return false;
  }
  FontSpec chosen = FromLogFont(lf, effects ? cf.rgbColors : font.color);
  if (!effects) {
    chosen.underline = font.underline;
    chosen.strikeOut = font.strikeOut;
  }
  font = chosen;
  return true;
}

bool DialogsWin32::ChooseColor(TColor& color) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = Owner();
  cc.rgbResult = color;
  cc.lpCustColors = customColors_;
  cc.Flags = CC_RGBINIT | CC_ANYCOLOR;
  if (!::ChooseColorW(&cc)) {
    CheckDialogError();
    return false;
  }
  color = cc.rgbResult & 0x00FFFFFF;
  return true;
}

void DialogsWin32::Beep() { ::MessageBeep(0); }

}  // namespace hanaroku::win32
