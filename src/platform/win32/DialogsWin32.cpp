// Message boxes and the common dialogs (open, save, font, colour).
#include "platform/win32/Gdi.h"
#include "platform/win32/TextOpenDialogWin32.h"
#include "platform/win32/Win32Ports.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cwchar>
#include <string>
#include <vector>
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
  int filterIndex;

  explicit FileDialogBuffers(const FileDialogSpec& request)
      : filter(FilterToWin32(request.filter)),
        defExt(Widen(request.defaultExt)),
        initialDir(Widen(request.initialDir)),
        title(Widen(request.title)),
        file(32768, L'\0'),
        filterIndex(request.filterIndex > 0 ? request.filterIndex : 1) {
    std::wstring name = Widen(request.fileName);
    if (name.size() < file.size()) name.copy(file.data(), name.size());
  }

  OPENFILENAMEW Make(HWND owner, DWORD flags) {
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
    ofn.Flags = flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    return ofn;
  }
};

}  // namespace

void CheckDialogError() {
  DWORD err = ::CommDlgExtendedError();
  if (err != 0) throw std::runtime_error("ダイアログを開けません。 (" + std::to_string(err) + ")");
}

bool DialogsWin32::OpenFile(const FileDialogSpec& request, std::string& path) {
  FileDialogBuffers b(request);
  OPENFILENAMEW ofn = b.Make(Owner(), OFN_FILEMUSTEXIST);
  TTextOpenDialog text;
  text.Filter = request.filter;
  text.DefaultExt = request.defaultExt;
  text.Preview = true;
  if (!(request.preview ? ShowTextOpenDialog(ofn, text) : ::GetOpenFileNameW(&ofn))) {
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
  if (request.chosenFilterIndex) *request.chosenFilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}

namespace {

// The family the platform really draws for lf, as it lists its families: the
// name itself on a system that has the font, the substitute's family under
// its listed name ("IPA明朝" for "ＭＳ 明朝" under Wine) elsewhere. The font
// dialog lists only real families.
std::wstring DrawnFamily(const LOGFONTW& lf) {
  FontPtr font(::CreateFontIndirectW(&lf));
  WindowDc dc(nullptr);
  if (!font || !dc.Get()) return lf.lfFaceName;
  SelectGuard select(dc.Get(), font.get());
  const UINT size = ::GetOutlineTextMetricsW(dc.Get(), 0, nullptr);
  if (size < sizeof(OUTLINETEXTMETRICW)) return lf.lfFaceName;
  std::vector<char> buf(size);
  auto* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(buf.data());
  if (!::GetOutlineTextMetricsW(dc.Get(), size, otm)) return lf.lfFaceName;
  const auto offset = reinterpret_cast<std::size_t>(otm->otmpFamilyName);
  if (offset < sizeof(OUTLINETEXTMETRICW) || offset >= size) return lf.lfFaceName;
  const auto* name = reinterpret_cast<const wchar_t*>(buf.data() + offset);
  return std::wstring(name, ::wcsnlen(name, (size - offset) / sizeof(wchar_t)));
}

// What the font dialog showed when it opened: its face and size (tenths of
// a point), so that OK without a change gives the font back unchanged.
struct FontDialogStart {
  std::wstring face;
  int pointSize10 = -1;
};

UINT_PTR CALLBACK FontDialogHook(HWND dialog, UINT msg, WPARAM, LPARAM lp) {
  if (msg != WM_INITDIALOG) return 0;
  auto* start = reinterpret_cast<FontDialogStart*>(reinterpret_cast<CHOOSEFONTW*>(lp)->lCustData);
  wchar_t text[LF_FACESIZE + 8] = {};
  ::GetDlgItemTextW(dialog, cmb1, text, LF_FACESIZE);
  start->face = text;
  text[0] = 0;
  ::GetDlgItemTextW(dialog, cmb3, text, 16);
  wchar_t* end = nullptr;
  const double points = std::wcstod(text, &end);
  if (end != text && points > 0) start->pointSize10 = static_cast<int>(points * 10 + 0.5);
  return 0;
}

}  // namespace

bool DialogsWin32::ChooseFont(FontSpec& font, bool effects) {
  LOGFONTW lf = ToLogFont(font);
  // Open on the face that is drawn, or the dialog falls back to its first
  // entry (a vertical "@" face at its smallest size).
  const std::wstring drawn = DrawnFamily(lf);
  if (!drawn.empty() && drawn != lf.lfFaceName) {
    std::size_t n = drawn.copy(lf.lfFaceName, LF_FACESIZE - 1);
    lf.lfFaceName[n] = 0;
  }
  FontDialogStart start;
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = Owner();
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK | (effects ? CF_EFFECTS : 0);
  cf.rgbColors = font.color;
  cf.lpfnHook = FontDialogHook;
  cf.lCustData = reinterpret_cast<LPARAM>(&start);
  if (!::ChooseFontW(&cf)) {
    CheckDialogError();
    return false;
  }
  FontSpec chosen = FromLogFont(lf, effects ? cf.rgbColors : font.color);
  // The face and size the pane had, when the user left them as they were:
  // the pane keeps its own name ("ＭＳ 明朝", not the substitute) and its
  // exact pixel height (points do not map back to every height).
  if (lf.lfFaceName == drawn) chosen.name = font.name;
  if (cf.iPointSize == start.pointSize10) chosen.height = font.height;
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
