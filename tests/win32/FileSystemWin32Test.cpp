// File access through the Win32 port: UTF-8 paths, whole-file reads, and the
// atomic write that leaves the old file alone when anything fails.
#include <gtest/gtest.h>

#include "TestUtil.h"
#include "platform/FileSystem.h"

namespace hanaroku::win32 {
namespace {

using test::ScratchDir;

const std::string kJapaneseName = "百人一首_和歌.txt";
// "春の夜の" in Shift-JIS, with a CR LF and a byte that is a trail byte.
const std::string kSjisText = "\x8f\x74\x82\xcc\x96\xe9\x82\xcc\r\n\x95\x5c";

TEST(FileSystemWin32, JapanesePathRoundTrips) {
  ScratchDir dir;
  IFileSystem& fs = SystemFileSystem();
  std::string path = dir.File(kJapaneseName);
  fs.WriteFileAtomic(path, kSjisText);
  EXPECT_TRUE(fs.FileExists(path));
  EXPECT_EQ(fs.FileSize(path), static_cast<long long>(kSjisText.size()));
  EXPECT_EQ(fs.ReadFile(path), kSjisText);
  EXPECT_EQ(test::ReadRaw(path), kSjisText);
  // Only the target is left: the temporary file is gone.
  EXPECT_EQ(test::CountFiles(dir.Path()), 1);
}

TEST(FileSystemWin32, WriteReplacesAnExistingFileAndKeepsEmptyContent) {
  ScratchDir dir;
  IFileSystem& fs = SystemFileSystem();
  std::string path = dir.File("a.txt");
  test::WriteRaw(path, "old contents that are longer");
  fs.WriteFileAtomic(path, "new");
  EXPECT_EQ(fs.ReadFile(path), "new");
  fs.WriteFileAtomic(path, "");
  EXPECT_EQ(fs.ReadFile(path), "");
  EXPECT_EQ(fs.FileSize(path), 0);
  EXPECT_EQ(test::CountFiles(dir.Path()), 1);
}

TEST(FileSystemWin32, LargeWriteIsComplete) {
  ScratchDir dir;
  IFileSystem& fs = SystemFileSystem();
  std::string big(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  std::string path = dir.File("big.txt");
  fs.WriteFileAtomic(path, big);
  EXPECT_EQ(fs.ReadFile(path), big);
}

TEST(FileSystemWin32, WriteIntoMissingDirectoryFailsWithoutTrace) {
  ScratchDir dir;
  std::string path = dir.File("無い\\x.txt");
  EXPECT_THROW(SystemFileSystem().WriteFileAtomic(path, "x"), FileError);
  EXPECT_FALSE(test::Exists(path));
  EXPECT_EQ(test::CountFiles(dir.Path()), 0);
}

TEST(FileSystemWin32, NameThatCannotBeCreatedFails) {
  ScratchDir dir;
  EXPECT_THROW(SystemFileSystem().WriteFileAtomic(dir.File("a<b>?.txt"), "x"), FileError);
  EXPECT_EQ(test::CountFiles(dir.Path()), 0);
}

TEST(FileSystemWin32, ReadOnlyTargetKeepsItsOldContent) {
  ScratchDir dir;
  std::string path = dir.File("読み取り専用.txt");
  test::WriteRaw(path, "old");
  ASSERT_TRUE(::SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_THROW(SystemFileSystem().WriteFileAtomic(path, "new"), FileError);
  EXPECT_EQ(test::ReadRaw(path), "old");
  EXPECT_EQ(test::CountFiles(dir.Path()), 1);  // no temporary file left behind
}

TEST(FileSystemWin32, TargetHeldOpenKeepsItsOldContent) {
  ScratchDir dir;
  std::string path = dir.File("locked.txt");
  test::WriteRaw(path, "old");
  // Another program holds the file open without sharing.
  UniqueHandle lock(::CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock.Valid());
  EXPECT_THROW(SystemFileSystem().WriteFileAtomic(path, "new"), FileError);
  lock.Reset();
  EXPECT_EQ(test::ReadRaw(path), "old");
  EXPECT_EQ(test::CountFiles(dir.Path()), 1);
}

TEST(FileSystemWin32, TargetThatIsADirectoryIsRefused) {
  ScratchDir dir;
  std::string sub = dir.File("sub");
  ASSERT_TRUE(::CreateDirectoryW(Widen(sub).c_str(), nullptr));
  EXPECT_THROW(SystemFileSystem().WriteFileAtomic(sub, "x"), FileError);
  EXPECT_FALSE(SystemFileSystem().FileExists(sub));
  EXPECT_EQ(SystemFileSystem().FileSize(sub), -1);
  EXPECT_EQ(test::CountFiles(dir.Path()), 1);
}

TEST(FileSystemWin32, MissingFileReportsPathAndSystemText) {
  ScratchDir dir;
  std::string path = dir.File("存在しない.txt");
  IFileSystem& fs = SystemFileSystem();
  EXPECT_FALSE(fs.FileExists(path));
  EXPECT_EQ(fs.FileSize(path), -1);
  try {
    fs.ReadFile(path);
    FAIL() << "no error";
  } catch (const FileError& e) {
    std::string what = e.what();
    EXPECT_EQ(what.rfind(path, 0), 0u) << what;      // starts with the path
    EXPECT_GT(what.size(), path.size() + 2) << what;  // and has the system's text
  }
}

TEST(FileSystemWin32, FoldersWithJapaneseNamesAreMadeOnce) {
  ScratchDir dir;
  IFileSystem& fs = SystemFileSystem();
  const std::string folder = dir.File("記号");
  EXPECT_TRUE(fs.DirectoryExists(dir.Path()));
  EXPECT_FALSE(fs.DirectoryExists(folder));
  fs.MakeDirectory(folder);
  fs.MakeDirectory(folder);  // standing already: fine
  EXPECT_TRUE(fs.DirectoryExists(folder));
  fs.WriteFileAtomic(folder + "\\a.gif", "GIF89a");
  EXPECT_FALSE(fs.DirectoryExists(folder + "\\a.gif"));
  EXPECT_THROW(fs.MakeDirectory(folder + "\\a.gif"), FileError);
  EXPECT_THROW(fs.MakeDirectory(dir.File("missing\\kigou")), FileError);
}

}  // namespace
}  // namespace hanaroku::win32
