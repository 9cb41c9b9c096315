// File access with the wide Win32 calls. Writing goes to a temporary file
// beside the target, is flushed, and only then replaces the target, so the
// old file survives any failure on the way.
#include <windows.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/win32/Win32Util.h"

namespace hanaroku {
namespace {

using win32::UniqueHandle;
using win32::Widen;

[[noreturn]] void Fail(const std::string& path, DWORD err) {
  throw FileError(path + "\n" + win32::SystemErrorText(err));
}

// Name of the temporary file written beside the target.
std::wstring TempNameBeside(const std::wstring& target) {
  return target + L".~hr" + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
}

class Win32FileSystem final : public IFileSystem {
 public:
  std::string ReadFile(const std::string& path) override {
    std::wstring wide = Widen(path);
    UniqueHandle file(::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) Fail(path, ::GetLastError());
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) Fail(path, ::GetLastError());
    // A 32-bit process cannot hold more; the pane refuses far less anyway.
    if (size.QuadPart > 0x40000000LL) Fail(path, ERROR_FILE_TOO_LARGE);
    std::string data;
    data.reserve(static_cast<std::size_t>(size.QuadPart));
    char buf[65536];
    for (;;) {
      DWORD got = 0;
      if (!::ReadFile(file.Get(), buf, sizeof buf, &got, nullptr)) Fail(path, ::GetLastError());
      if (got == 0) break;
      data.append(buf, got);
    }
    return data;
  }

  void WriteFileAtomic(const std::string& path, const std::string& bytes) override {
    std::wstring target = Widen(path);
    // Replacing by a move would go through a read-only file's protection
    // (Windows refuses it; Wine does not): refuse it the way Windows does.
    DWORD attr = ::GetFileAttributesW(target.c_str());
    if (attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_READONLY)) Fail(path, ERROR_ACCESS_DENIED);
    std::wstring temp = TempNameBeside(target);
    UniqueHandle file(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) Fail(path, ::GetLastError());
    auto abandon = [&](DWORD err) {
      file.Reset();
      ::DeleteFileW(temp.c_str());
      Fail(path, err);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
      DWORD chunk = static_cast<DWORD>(bytes.size() - done > 0x100000 ? 0x100000 : bytes.size() - done);
      DWORD put = 0;
      if (!::WriteFile(file.Get(), bytes.data() + done, chunk, &put, nullptr)) abandon(::GetLastError());
      if (put == 0) abandon(ERROR_WRITE_FAULT);
      done += put;
    }
    if (!::FlushFileBuffers(file.Get())) abandon(::GetLastError());
    if (!file.Reset()) abandon(::GetLastError());
    if (!::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      DWORD err = ::GetLastError();
      ::DeleteFileW(temp.c_str());
      Fail(path, err);
    }
  }

  bool FileExists(const std::string& path) override {
    DWORD attr = ::GetFileAttributesW(Widen(path).c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
  }

  long long FileSize(const std::string& path) override {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }

  bool DirectoryExists(const std::string& path) override {
    DWORD attr = ::GetFileAttributesW(Widen(path).c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
  }

  void MakeDirectory(const std::string& path) override {
    if (::CreateDirectoryW(Widen(path).c_str(), nullptr)) return;
    const DWORD err = ::GetLastError();
    if (!DirectoryExists(path)) Fail(path, err);
  }
};

}  // namespace

IFileSystem& SystemFileSystem() {
  static Win32FileSystem fs;
  return fs;
}

}  // namespace hanaroku
