// Shell links made with IShellLinkW resolve to their targets.
#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include "TestUtil.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

using test::ScratchDir;

void MakeLink(const std::string& lnk, const std::string& target, const std::string& args, const std::string& dir) {
  IShellLinkW* rawLink = nullptr;
  ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&rawLink))));
  ComPtr<IShellLinkW> link(rawLink);
  ASSERT_TRUE(SUCCEEDED(link->SetPath(Widen(target).c_str())));
  if (!args.empty()) link->SetArguments(Widen(args).c_str());
  if (!dir.empty()) link->SetWorkingDirectory(Widen(dir).c_str());
  IPersistFile* rawFile = nullptr;
  ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile))));
  ComPtr<IPersistFile> file(rawFile);
  ASSERT_TRUE(SUCCEEDED(file->Save(Widen(lnk).c_str(), TRUE)));
}

// Paths compare without regard to case, as the file system does.
std::string Lower(const std::string& utf8) {
  std::wstring w = Widen(utf8);
  ::CharLowerBuffW(w.data(), static_cast<DWORD>(w.size()));
  return Narrow(w);
}

class ShellWin32Test : public ::testing::Test {
 protected:
  ComInit com_;
  ScratchDir dir_;
  ShellWin32 shell_{false};
};

TEST_F(ShellWin32Test, LinkResolvesToItsTarget) {
  std::string target = dir_.File("歌集.txt");
  test::WriteRaw(target, "x");
  std::string lnk = dir_.File("歌集へのショートカット.lnk");
  MakeLink(lnk, target, "/a b", dir_.Path());
  ShortcutTarget t = shell_.ResolveShortcut(lnk);
  EXPECT_EQ(Lower(t.path), Lower(target));
  EXPECT_EQ(t.arguments, "/a b");
  EXPECT_FALSE(t.workingDir.empty());
}

TEST_F(ShellWin32Test, NonLinksGiveAnEmptyTarget) {
  std::string plain = dir_.File("plain.lnk");
  test::WriteRaw(plain, "this is not a shell link");
  EXPECT_TRUE(shell_.ResolveShortcut(plain).path.empty());
  EXPECT_TRUE(shell_.ResolveShortcut(dir_.File("missing.lnk")).path.empty());
  EXPECT_TRUE(shell_.ResolveShortcut("").path.empty());
}

TEST_F(ShellWin32Test, EmptyPathsStartNothing) {
  EXPECT_FALSE(shell_.StartProcess("", ""));
  EXPECT_FALSE(shell_.StartProcess(dir_.File("missing.exe"), ""));
  EXPECT_FALSE(shell_.ShellOpen(""));
}

}  // namespace
}  // namespace hanaroku::win32
