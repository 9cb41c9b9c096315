// File access natively (tests, tools): POSIX calls with an atomic replace.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/FileSystem.h"

namespace hanaroku {
namespace {

[[noreturn]] void Fail(const std::string& path, int err) {
  throw FileError(path + "\n" + std::strerror(err));
}

class PosixFileSystem final : public IFileSystem {
 public:
  std::string ReadFile(const std::string& path) override {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Fail(path, errno);
    std::string data;
    char buf[65536];
    for (;;) {
      ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0) {
        if (errno == EINTR) continue;
        int err = errno;
        ::close(fd);
        Fail(path, err);
      }
      if (n == 0) break;
      data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
  }

  void WriteFileAtomic(const std::string& path, const std::string& bytes) override {
    std::string tmp = path + ".~hanaroku-tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Fail(path, errno);
    size_t done = 0;
    while (done < bytes.size()) {
      ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0) {
        if (errno == EINTR) continue;
        int err = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        Fail(path, err);
      }
      done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
      int err = errno;
      ::unlink(tmp.c_str());
      Fail(path, err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
      int err = errno;
      ::unlink(tmp.c_str());
      Fail(path, err);
    }
  }

  bool FileExists(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  }

  long long FileSize(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
  }

  bool DirectoryExists(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  void MakeDirectory(const std::string& path) override {
    if (::mkdir(path.c_str(), 0755) == 0) return;
    const int err = errno;
    if (!DirectoryExists(path)) Fail(path, err);
  }
};

}  // namespace

IFileSystem& SystemFileSystem() {
  static PosixFileSystem fs;
  return fs;
}

}  // namespace hanaroku
