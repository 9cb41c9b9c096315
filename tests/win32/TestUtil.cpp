#include "TestUtil.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace hanaroku::win32::test {
namespace {

void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW fd{};
  HANDLE find = ::FindFirstFileW((dir + L"*").c_str(), &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = dir + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full + L"\\");
      } else {
        ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(full.c_str());
      }
    } while (::FindNextFileW(find, &fd));
    ::FindClose(find);
  }
  ::RemoveDirectoryW(dir.c_str());
}

// The dialog DriveDialog is driving, and what it does with it.
struct DialogDriver {
  const std::function<void(HWND)>* onDialog = nullptr;
  DWORD start = 0, limit = 0;
  HWND dialog = nullptr;
  bool cancelled = false;
};
DialogDriver* g_driver = nullptr;

BOOL CALLBACK TakeDialog(HWND w, LPARAM out) {
  wchar_t cls[16] = {};
  ::GetClassNameW(w, cls, 16);
  if (std::wstring(cls) != L"#32770" || !::IsWindowVisible(w)) return TRUE;
  *reinterpret_cast<HWND*>(out) = w;
  return FALSE;
}

void CALLBACK DriveTimer(HWND, UINT, UINT_PTR, DWORD) {
  DialogDriver* d = g_driver;
  if (!d) return;
  if (d->dialog) {
    if (::GetTickCount() - d->start > d->limit && ::IsWindow(d->dialog) && !d->cancelled) {
      d->cancelled = true;
      PressButton(d->dialog, IDCANCEL);
    }
    return;
  }
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), TakeDialog, reinterpret_cast<LPARAM>(&found));
  if (!found) return;
  d->dialog = found;
  (*d->onDialog)(found);
}

// A message box or dialog that a test did not expect would wait for a click
// until the suite's time limit: fail the test at once and dismiss the box.
LRESULT CALLBACK UnexpectedDialogHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE && !g_driver) {
    HWND wnd = reinterpret_cast<HWND>(wp);
    wchar_t cls[16] = {};
    ::GetClassNameW(wnd, cls, 16);
    if (std::wstring(cls) == L"#32770") {
      wchar_t caption[256] = {};
      ::GetWindowTextW(wnd, caption, 256);
      std::wstring text;
      for (HWND child = ::GetWindow(wnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t part[512] = {};
        ::GetWindowTextW(child, part, 512);
        text += part;
        text += L" | ";
      }
      ADD_FAILURE() << "unexpected dialog \"" << Narrow(caption) << "\": " << Narrow(text);
      // Whichever of these the box has closes it; the others find it gone.
      for (WPARAM id : {IDCANCEL, IDNO, IDOK}) ::PostMessageW(wnd, WM_COMMAND, id, 0);
    }
  }
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

class NoUnexpectedDialogs final : public ::testing::Environment {
 public:
  void SetUp() override {
    hook_ = ::SetWindowsHookExW(WH_CBT, &UnexpectedDialogHook, nullptr, ::GetCurrentThreadId());
  }
  void TearDown() override {
    if (hook_) ::UnhookWindowsHookEx(hook_);
  }

 private:
  HHOOK hook_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kNoUnexpectedDialogs =
    ::testing::AddGlobalTestEnvironment(new NoUnexpectedDialogs);

}  // namespace

bool DriveDialog(const std::function<void()>& open, const std::function<void(HWND)>& onDialog, DWORD limitMs) {
  DialogDriver d;
  d.onDialog = &onDialog;
  d.start = ::GetTickCount();
  d.limit = limitMs;
  g_driver = &d;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, DriveTimer);
  try {
    open();
  } catch (...) {
    ::KillTimer(nullptr, timer);
    g_driver = nullptr;
    throw;
  }
  ::KillTimer(nullptr, timer);
  g_driver = nullptr;
  return d.dialog && !d.cancelled;
}

std::string ControlText(HWND dialog, int id) {
  wchar_t buf[256] = {};
  ::GetDlgItemTextW(dialog, id, buf, 256);
  return Narrow(buf);
}

void PressButton(HWND dialog, int id) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

ScratchDir::ScratchDir() {
  wchar_t temp[MAX_PATH + 1] = {};
  ::GetTempPathW(MAX_PATH, temp);
  ::CreateDirectoryW(temp, nullptr);  // a fresh Wine prefix may lack it
  // A folder left behind by a killed run may carry the same name: take the next.
  static int serial = 0;
  for (int tries = 0; tries < 1000; ++tries) {
    std::wstring dir = std::wstring(temp) + L"花録テスト_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
                       std::to_wstring(++serial) + L"\\";
    if (::CreateDirectoryW(dir.c_str(), nullptr)) {
      path_ = Narrow(dir);
      return;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw std::runtime_error("cannot create the scratch directory");
}

ScratchDir::~ScratchDir() { RemoveTree(Widen(path_)); }

void WriteRaw(const std::string& path, const std::string& bytes) {
  UniqueHandle f(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!f.Valid()) throw std::runtime_error("WriteRaw: cannot create " + path);
  DWORD put = 0;
  ::WriteFile(f.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
}

std::string ReadRaw(const std::string& path) {
  UniqueHandle f(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr));
  if (!f.Valid()) throw std::runtime_error("ReadRaw: cannot open " + path);
  std::string data;
  char buf[4096];
  DWORD got = 0;
  while (::ReadFile(f.Get(), buf, sizeof buf, &got, nullptr) && got) data.append(buf, got);
  return data;
}

bool Exists(const std::string& path) { return ::GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

int CountFiles(const std::string& dir) {
  int n = 0;
  WIN32_FIND_DATAW fd{};
  HANDLE find = ::FindFirstFileW((Widen(dir) + L"*").c_str(), &fd);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    std::wstring name = fd.cFileName;
    if (name != L"." && name != L"..") ++n;
  } while (::FindNextFileW(find, &fd));
  ::FindClose(find);
  return n;
}

}  // namespace hanaroku::win32::test
