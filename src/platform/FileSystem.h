#pragma once
// File access port. Paths are UTF-8 in the core.
#include <stdexcept>
#include <string>

namespace hanaroku {

// A failed file operation; what() is the system's own error text, with the path.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  // Whole file as bytes. Throws FileError.
  virtual std::string ReadFile(const std::string& path) = 0;
  // Writes a temporary file beside path and replaces path only once the new
  // content is complete and flushed; on failure the old file is untouched.
  // Throws FileError.
  virtual void WriteFileAtomic(const std::string& path, const std::string& bytes) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual long long FileSize(const std::string& path) = 0;  // -1 when unknown
  // Folders (the symbol images beside a saved page). MakeDirectory creates
  // one folder whose parent exists; throws FileError.
  virtual bool DirectoryExists(const std::string& path) {
    static_cast<void>(path);
    return false;
  }
  virtual void MakeDirectory(const std::string& path) { throw FileError(path + "\nフォルダを作成できません。"); }
};

// The platform's implementation (posix natively, Win32 in the program).
IFileSystem& SystemFileSystem();

}  // namespace hanaroku
