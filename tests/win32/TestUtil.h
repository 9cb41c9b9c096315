#pragma once
// Helpers of the Win32 adapter tests: a scratch directory with a Japanese
// name under the temporary directory, removed with everything in it.
#include "platform/win32/Win32Util.h"

#include <string>

namespace hanaroku::win32::test {

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& Path() const noexcept { return path_; }  // UTF-8, ends with "\"
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Raw helpers that do not go through the code under test.
void WriteRaw(const std::string& path, const std::string& bytes);
std::string ReadRaw(const std::string& path);
bool Exists(const std::string& path);
int CountFiles(const std::string& dir);

}  // namespace hanaroku::win32::test
