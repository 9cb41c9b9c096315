// Shell services: resolving shell links, opening a file or address with its
// default handler, starting a program.
#include "platform/win32/Win32Ports.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

namespace hanaroku::win32 {

ShortcutTarget ShellWin32::ResolveShortcut(const std::string& lnkPath) {
  ShortcutTarget result;
  ComInit com;  // balanced; the UI thread is usually initialised already
  IShellLinkW* rawLink = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&rawLink))))
    return result;
  ComPtr<IShellLinkW> link(rawLink);
  IPersistFile* rawFile = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) return result;
  ComPtr<IPersistFile> file(rawFile);
  std::wstring wide = Widen(lnkPath);
  if (FAILED(file->Load(wide.c_str(), STGM_READ))) return result;
  // Without UI the high word is the search timeout in milliseconds.
  DWORD flags = allowUi_ ? DWORD{SLR_ANY_MATCH} : DWORD{SLR_NO_UI | SLR_ANY_MATCH | (1000u << 16)};
  if (FAILED(link->Resolve(allowUi_ ? ::GetActiveWindow() : nullptr, flags))) return result;

  std::vector<wchar_t> buf(MAX_PATH * 4, L'\0');
  WIN32_FIND_DATAW fd{};
  if (link->GetPath(buf.data(), static_cast<int>(buf.size()), &fd, 0) == S_OK) result.path = Narrow(buf.data());
  buf.assign(buf.size(), L'\0');
  if (SUCCEEDED(link->GetWorkingDirectory(buf.data(), static_cast<int>(buf.size()))))
    result.workingDir = Narrow(buf.data());
  buf.assign(buf.size(), L'\0');
  if (SUCCEEDED(link->GetArguments(buf.data(), static_cast<int>(buf.size())))) result.arguments = Narrow(buf.data());
  if (result.path.empty()) {
    result.workingDir.clear();
    result.arguments.clear();
  }
  return result;
}

bool ShellWin32::ShellOpen(const std::string& fileOrAddress) {
  if (fileOrAddress.empty()) return false;
  std::wstring wide = Widen(fileOrAddress);
  HINSTANCE r = ::ShellExecuteW(::GetActiveWindow(), L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(r) > 32;
}

bool ShellWin32::StartProcess(const std::string& exePath, const std::string& args) {
  if (exePath.empty()) return false;
  std::wstring app = Widen(exePath);
  std::wstring cmd = L"\"" + app + L"\"";
  if (!args.empty()) cmd += L" " + Widen(args);
  std::vector<wchar_t> cmdLine(cmd.begin(), cmd.end());
  cmdLine.push_back(L'\0');
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(app.c_str(), cmdLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  UniqueHandle process(pi.hProcess);
  UniqueHandle thread(pi.hThread);
  return true;
}

}  // namespace hanaroku::win32
