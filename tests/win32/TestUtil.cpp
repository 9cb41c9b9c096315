#include "TestUtil.h"

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

}  // namespace

ScratchDir::ScratchDir() {
  wchar_t temp[MAX_PATH + 1] = {};
  ::GetTempPathW(MAX_PATH, temp);
  ::CreateDirectoryW(temp, nullptr);  // a fresh Wine prefix may lack it
  static int serial = 0;
  std::wstring dir = std::wstring(temp) + L"花録テスト_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
                     std::to_wstring(++serial) + L"\\";
  if (!::CreateDirectoryW(dir.c_str(), nullptr)) throw std::runtime_error("cannot create the scratch directory");
  path_ = Narrow(dir);
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
