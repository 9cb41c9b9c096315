#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace hanaroku {
namespace {

TEST(FileSystem, FoldersAreMadeOnceAndTold) {
  char pattern[] = "/tmp/hanaroku-fs-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::string root = pattern;
  IFileSystem& fs = SystemFileSystem();
  const std::string folder = root + "/kigou";
  EXPECT_TRUE(fs.DirectoryExists(root));
  EXPECT_FALSE(fs.DirectoryExists(folder));
  fs.MakeDirectory(folder);
  fs.MakeDirectory(folder);  // standing already: fine
  EXPECT_TRUE(fs.DirectoryExists(folder));
  fs.WriteFileAtomic(folder + "/a.gif", "GIF89a");
  EXPECT_FALSE(fs.DirectoryExists(folder + "/a.gif"));
  EXPECT_THROW(fs.MakeDirectory(folder + "/a.gif"), FileError);  // a file of that name
  EXPECT_THROW(fs.MakeDirectory(root + "/missing/kigou"), FileError);
  std::system(("rm -rf '" + root + "'").c_str());
}

}  // namespace
}  // namespace hanaroku
