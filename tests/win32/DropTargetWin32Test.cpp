// Files dropped from the shell under Wine: a real WM_DROPFILES, built from a
// DROPFILES block in global memory, reaches the drop targets of the main
// window's panes also after a word wrap switch; three files come in one
// event with the drop point; a window created anew keeps accepting drops.
#include "MainWindowFixture.h"  // first: windows.h

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "controls/DropDst.h"
#include "platform/Encoding.h"
#include "platform/win32/HookableWindow.h"

namespace hanaroku::win32 {
namespace {

void Pump() { test::PumpMain(); }

// Posts what the shell sends when files are dropped at `at` (client
// coordinates); the receiver frees the block with DragFinish.
void PostDrop(HWND target, const std::vector<std::string>& files, POINT at = {5, 6}) {
  std::wstring list;
  for (const std::string& f : files) list += Widen(f) + L'\0';
  list += L'\0';
  HGLOBAL mem = ::GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  ASSERT_NE(mem, nullptr);
  auto* df = static_cast<DROPFILES*>(::GlobalLock(mem));
  df->pFiles = sizeof(DROPFILES);
  df->pt = at;
  df->fNC = FALSE;
  df->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(df) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  ::GlobalUnlock(mem);
  ASSERT_TRUE(::PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(mem), 0));
  Pump();
}

bool AcceptsFiles(HWND wnd) { return (::GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; }

class MainWindowDrops : public test::LeftPaneShownTest {
 protected:
  HWND Pane(int id) { return ::GetDlgItem(Main().Handle(), id); }
  std::string File(const char* name) const { return Dir().File(name); }
};

constexpr int kRightPaneId = 10, kLeftPaneId = 11;

TEST_F(MainWindowDrops, ADropOnTheLeftPaneAfterAWrapSwitchStillLoadsTheFile) {
  const std::string poem = enc::Utf8ToSjis("ひさかたの\r\n光のどけき");
  const std::string file = File("歌.txt");
  test::WriteRaw(file, poem);
  ASSERT_TRUE(AcceptsFiles(Pane(kLeftPaneId)));
  Form().WordWrapHClick();
  Pump();
  HWND left = Pane(kLeftPaneId);
  ASSERT_NE(left, nullptr);
  EXPECT_TRUE(AcceptsFiles(left));
  PostDrop(left, {file});
  EXPECT_EQ(Form().RichEditNx2.Text(), poem);
  EXPECT_EQ(Form().LeftFileName, file);
  EXPECT_TRUE(Form().RichEditNx1.Text().empty());
}

TEST_F(MainWindowDrops, StoredStatesTakeEffectOnTheRealPanes) {
  const std::string file = File("a.txt");
  test::WriteRaw(file, "right");
  Form().DropDst1.SetAcceptDrop(false);
  EXPECT_FALSE(AcceptsFiles(Pane(kRightPaneId)));
  Form().DropDst1.SetAcceptDrop(true);
  EXPECT_TRUE(AcceptsFiles(Pane(kRightPaneId)));
  // Several files: the right pane opens the first.
  PostDrop(Pane(kRightPaneId), {file, File("b.txt"), File("c.txt")});
  EXPECT_EQ(Form().RichEditNx1.Text(), "right");
  EXPECT_EQ(Form().RightFileName, file);
  // Without a handler the drop is swallowed.
  Form().DropDst2.SetOnFileDrop("");
  PostDrop(Pane(kLeftPaneId), {file});
  EXPECT_TRUE(Form().RichEditNx2.Text().empty());
}

// A plain child window that its owner destroys and creates anew, with a
// drop target on it.
class RecreatedWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = ::CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    child_ = MakeChild();
    hookable_ = std::make_unique<HookableWindow>("RichEditNx1", [this] { return child_; });
    TDropDst::Context c;
    c.findControl = [this](const std::string& name) -> IHookableControl* {
      return name == "RichEditNx1" ? hookable_.get() : nullptr;
    };
    c.acceptance = [this] { return &shell_; };
    c.findHandler = [this](const std::string&) -> TFileDropEvent {
      return [this](TDropDst&, const std::vector<std::string>& files, int x, int y) {
        events_.push_back(files);
        at_ = POINT{x, y};
      };
    };
    target_ = std::make_unique<TDropDst>(c, DropDstProperties{"RichEditNx1", THookTarget::htControl, true, "h"});
    target_->Loaded();
  }
  void TearDown() override {
    target_.reset();
    hookable_.reset();
    ::DestroyWindow(parent_);
    Pump();
  }
  HWND MakeChild() {
    return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, parent_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(7)), ::GetModuleHandleW(nullptr), nullptr);
  }

  HWND parent_ = nullptr, child_ = nullptr;
  DropAcceptanceWin32 shell_;
  std::unique_ptr<HookableWindow> hookable_;
  std::unique_ptr<TDropDst> target_;
  std::vector<std::vector<std::string>> events_;
  POINT at_{};
};

TEST_F(RecreatedWindow, ThreeFilesArriveInOneEventWithTheDropPoint) {
  EXPECT_TRUE(AcceptsFiles(child_));
  const std::string longName = "C:\\" + std::string(300, 'x') + ".txt";  // longer than MAX_PATH
  PostDrop(child_, {"C:\\a.txt", "C:\\歌\\百人一首.txt", longName}, {17, 23});
  ASSERT_EQ(events_.size(), 1u);
  EXPECT_EQ(events_[0], (std::vector<std::string>{"C:\\a.txt", "C:\\歌\\百人一首.txt", longName}));
  EXPECT_EQ(at_.x, 17);
  EXPECT_EQ(at_.y, 23);
}

TEST_F(RecreatedWindow, TheNewWindowAcceptsDropsAndDeliversThem) {
  HWND old = child_;
  child_ = nullptr;
  ::DestroyWindow(old);
  EXPECT_EQ(target_->Handle(), 0u);
  child_ = MakeChild();  // the same parent and id
  Pump();
  ASSERT_NE(child_, nullptr);
  EXPECT_EQ(target_->Handle(), ToNative(child_));
  EXPECT_TRUE(AcceptsFiles(child_));
  PostDrop(child_, {"C:\\after.txt"});
  ASSERT_EQ(events_.size(), 1u);
  EXPECT_EQ(events_[0].front(), "C:\\after.txt");
  // Destroyed for good: the control goes, the target forgets it untouched.
  ::DestroyWindow(child_);
  hookable_.reset();
  EXPECT_EQ(target_->Attached(), nullptr);
}

}  // namespace
}  // namespace hanaroku::win32
