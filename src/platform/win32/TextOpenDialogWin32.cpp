// The text open dialog: a hook on the explorer-style open dialog that places
// the preview panel below the standard controls, shows the selected file in
// the memo and changes the extension with the file type.
#include "platform/win32/TextOpenDialogWin32.h"

#include <dlgs.h>

#include <algorithm>
#include <vector>

#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {

std::optional<std::string> ReadFileHead(const std::string& path, std::size_t most) {
  const std::wstring wide = Widen(path);
  const DWORD attrs = ::GetFileAttributesW(wide.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES || (attrs & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0)
    return std::nullopt;
  UniqueHandle file(::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid() || ::GetFileType(file.Get()) != FILE_TYPE_DISK) return std::nullopt;
  std::string bytes(most, '\0');
  std::size_t got = 0;
  while (got < most) {
    DWORD n = 0;
    if (!::ReadFile(file.Get(), bytes.data() + got, static_cast<DWORD>(most - got), &n, nullptr)) return std::nullopt;
    if (n == 0) break;
    got += n;
  }
  bytes.resize(got);
  return bytes;
}

namespace {

// A default extension with a wildcard ("*" of "All(*.*)") would make the
// dialog look for "name.*"; the running dialog gets none instead.
std::wstring PlatformDefaultExt(const std::string& ext) {
  return ext.find_first_of("*?") == std::string::npos ? Widen(ext) : std::wstring();
}

// The panel passes its controls' notifications on to the template's dialog.
LRESULT CALLBACK PreviewPanelProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND) return ::SendMessageW(::GetParent(wnd), msg, wp, lp);
  return ::DefWindowProcW(wnd, msg, wp, lp);
}

void RegisterPreviewPanel(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (::GetClassInfoExW(instance, kPreviewPanelClass, &wc)) return;
  wc.lpfnWndProc = PreviewPanelProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kPreviewPanelClass;
  ::RegisterClassExW(&wc);
}

RECT ChildRect(HWND wnd, HWND parent) noexcept {
  RECT r{};
  ::GetWindowRect(wnd, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void MoveTo(HWND wnd, const Rect& r) noexcept { ::MoveWindow(wnd, r.left, r.top, r.Width(), r.Height(), TRUE); }

// A string the open dialog hands out through one of its CDM_ messages.
std::string DialogString(HWND dialog, UINT msg) {
  std::vector<wchar_t> buf(32768, L'\0');
  const LRESULT n = ::SendMessageW(dialog, msg, buf.size() - 1, reinterpret_cast<LPARAM>(buf.data()));
  if (n <= 0) return {};
  return Narrow(buf.data());
}

// The dialog's side of one run: the template's dialog, the panel and its
// controls. Lives on the stack of ShowTextOpenDialog.
class TextOpenDialogHost {
 public:
  static constexpr UINT kRelayout = WM_APP + 1, kMeasure = WM_APP + 2;

  TextOpenDialogHost(TTextOpenDialog& model, bool withPanel, bool resizable) noexcept
      : model_(model), withPanel_(withPanel), resizable_(resizable) {}

  void Attach(HWND child) noexcept { child_ = child; }

  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_NOTIFY: OnNotify(*reinterpret_cast<const OFNOTIFYW*>(lp)); return 0;
      case WM_SIZE:
        // The dialog moves its standard controls after sizing this one: lay
        // out now and once more when it is done.
        Layout();
        ::PostMessageW(child_, kRelayout, 0, 0);
        return 0;
      case kRelayout: Layout(); return 0;
      case kMeasure:
        MeasureStandardArea();
        Layout();
        return 0;
      case WM_COMMAND:
        if (LOWORD(wp) == kPreviewCheckId && HIWORD(wp) == BN_CLICKED) OnPreviewClick();
        return 0;
      case WM_DESTROY: panel_ = check_ = memo_ = nullptr; return 0;
      default: return 0;
    }
  }

 private:
  HWND Dialog() const noexcept { return ::GetParent(child_); }

  void OnNotify(const OFNOTIFYW& n) {
    switch (n.hdr.code) {
      case CDN_INITDONE:
        CreatePanel();
        Layout();
        ::PostMessageW(child_, kMeasure, 0, 0);
        RefreshPreview();
        break;
      case CDN_SELCHANGE: RefreshPreview(); break;
      case CDN_TYPECHANGE: OnTypeChange(static_cast<int>(n.lpOFN->nFilterIndex)); break;
      default: break;
    }
  }

  void CreatePanel() {
    if (!withPanel_ || panel_) return;
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterPreviewPanel(instance);
    panel_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kPreviewPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                               0, 0, 0, 0, child_, IdMenu(kPreviewPanelId), instance, nullptr);
    if (!panel_) return;
    const std::wstring caption = Widen(TTextOpenDialog::kPreviewCaption);
    check_ = ::CreateWindowExW(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0,
                               0, 0, 0, panel_, IdMenu(kPreviewCheckId), instance, nullptr);
    memo_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                                  ES_AUTOVSCROLL,
                              0, 0, 0, 0, panel_, IdMenu(kPreviewMemoId), instance, nullptr);
    const auto dialogFont = static_cast<WPARAM>(::SendMessageW(Dialog(), WM_GETFONT, 0, 0));
    if (check_) {
      ::SendMessageW(check_, WM_SETFONT, dialogFont, FALSE);
      ::SendMessageW(check_, BM_SETCHECK, model_.Preview ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    // Arial for the Latin letters; the Shift-JIS character set brings the
    // Japanese ones.
    constexpr int kMemoFontHeight = -12;
    memoFont_ = MakeFont(Widen(TTextOpenDialog::kMemoFont), kMemoFontHeight, SHIFTJIS_CHARSET);
    if (memo_ && memoFont_) ::SendMessageW(memo_, WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.get()), FALSE);
    gripWidth_ = resizable_ ? SizeGripWidth(kMemoFontHeight) : 0;
  }

  static HMENU IdMenu(int id) noexcept { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

  // The size grip is the letter "o" of the Marlett font.
  int SizeGripWidth(int fontHeight) const {
    FontPtr marlett = MakeFont(L"Marlett", fontHeight, SYMBOL_CHARSET);
    WindowDc dc(child_);
    INT width = 0;
    if (marlett && dc.Get()) {
      SelectGuard select(dc.Get(), marlett.get());
      if (!::GetCharWidth32W(dc.Get(), L'o', L'o', &width)) width = 0;
    }
    return width > 0 ? width : ::GetSystemMetrics(SM_CXVSCROLL);
  }

  // The lowest bottom edge of the dialog's own visible controls, in the
  // template's coordinates.
  int StandardControlsBottom() const noexcept {
    int bottom = 0;
    for (HWND w = ::GetWindow(Dialog(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
      if (w != child_ && (::GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) != 0)
        bottom = std::max(bottom, static_cast<int>(ChildRect(w, child_).bottom));
    }
    return bottom;
  }

  int PlaceholderBottom() const noexcept {
    HWND standard = ::GetDlgItem(child_, stc32);
    return standard ? static_cast<int>(ChildRect(standard, child_).bottom) : 0;
  }

  // The standard controls' area ends at the placeholder's bottom when the
  // dialog has opened; it then follows the controls as the dialog is
  // resized (the platform need not resize the placeholder). Measured once
  // the dialog has placed its controls.
  void MeasureStandardArea() noexcept { standardMargin_ = PlaceholderBottom() - StandardControlsBottom(); }

  void Layout() {
    if (!panel_) return;
    const RECT client = ClientRect(child_);
    const int standardBottom =
        standardMargin_ ? StandardControlsBottom() + *standardMargin_ : PlaceholderBottom();
    const Rect panel = TEnhOpenDialog::PanelRect({client.right, client.bottom}, standardBottom);
    MoveTo(panel_, panel);
    if (check_) MoveTo(check_, TTextOpenDialog::CheckBoxRect());
    if (memo_) MoveTo(memo_, TTextOpenDialog::MemoRect({panel.Width(), panel.Height()}, gripWidth_));
  }

  void OnPreviewClick() {
    model_.Preview = ::SendMessageW(check_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    RefreshPreview();
  }

  void RefreshPreview() {
    if (!memo_) return;
    const std::string selected = DialogString(Dialog(), CDM_GETFILEPATH);
    const std::wstring text = ToWide(model_.PreviewText(selected, ReadFileHead));
    ::SetWindowTextW(memo_, text.c_str());
  }

  void OnTypeChange(int index) {
    HWND dialog = Dialog();
    const std::optional<std::string> box = model_.TypeChanged(index, DialogString(dialog, CDM_GETSPEC));
    if (!box) return;
    const std::wstring text = Widen(*box);
    const int boxId = ::GetDlgItem(dialog, cmb13) ? cmb13 : edt1;
    ::SendMessageW(dialog, CDM_SETCONTROLTEXT, boxId, reinterpret_cast<LPARAM>(text.c_str()));
    defExt_ = PlatformDefaultExt(model_.DefaultExt);
    ::SendMessageW(dialog, CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(defExt_.c_str()));
  }

  TTextOpenDialog& model_;
  const bool withPanel_, resizable_;
  HWND child_ = nullptr, panel_ = nullptr, check_ = nullptr, memo_ = nullptr;
  FontPtr memoFont_;
  int gripWidth_ = 0;
  std::optional<int> standardMargin_;  // from the lowest standard control to the area's bottom
  std::wstring defExt_;
};

UINT_PTR CALLBACK TextOpenDialogHook(HWND child, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* host = reinterpret_cast<TextOpenDialogHost*>(reinterpret_cast<const OPENFILENAMEW*>(lp)->lCustData);
    ::SetWindowLongPtrW(child, DWLP_USER, reinterpret_cast<LONG_PTR>(host));
    if (host) host->Attach(child);
    return TRUE;
  }
  auto* host = reinterpret_cast<TextOpenDialogHost*>(::GetWindowLongPtrW(child, DWLP_USER));
  if (!host) return 0;
  try {
    return static_cast<UINT_PTR>(host->OnMessage(msg, wp, lp));
  } catch (...) {
    ReportCurrentException(::GetAncestor(child, GA_ROOT));
    return 0;
  }
}

}  // namespace

BOOL ShowTextOpenDialog(OPENFILENAMEW& ofn, TTextOpenDialog& dialog) {
  dialog.BeforeShow();
  const std::wstring defExt = PlatformDefaultExt(dialog.DefaultExt);
  ofn.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(dialog.FilterIndex);
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const std::wstring templateName = Widen(TEnhOpenDialog::kTemplateName);
  const bool withTemplate = ::FindResourceW(instance, templateName.c_str(), RT_DIALOG) != nullptr;
  ofn.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING | (withTemplate ? OFN_ENABLETEMPLATE : 0);
  ofn.hInstance = instance;
  ofn.lpTemplateName = withTemplate ? templateName.c_str() : nullptr;
  TextOpenDialogHost host(dialog, withTemplate, (ofn.Flags & OFN_ENABLESIZING) != 0);
  ofn.lpfnHook = TextOpenDialogHook;
  ofn.lCustData = reinterpret_cast<LPARAM>(&host);
  const BOOL ok = ::GetOpenFileNameW(&ofn);
  dialog.FilterIndex = static_cast<int>(ofn.nFilterIndex);
  return ok;
}

}  // namespace hanaroku::win32
