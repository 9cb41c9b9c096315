// The drop target on a control it attaches to without the control's help:
// one event per drop with every path and the drop point, acceptance that
// follows the control's native window through re-creations, AcceptDrop,
// handler errors reported and contained, a destroyed control never touched.
#include "controls/DropDst.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace hanaroku {
namespace {

// A control with a native window that can be destroyed and created anew; its
// own handler records what reaches it.
class FakeControl final : public IHookableControl {
 public:
  FakeControl(std::string name, NativeHandle handle, IHookableControl* form = nullptr)
      : name_(std::move(name)), handle_(handle), form_(form) {
    proc_ = [this](HookMessage& m) { own.push_back(m.kind); };
  }
  ~FakeControl() override {
    const auto observers = observers_;
    for (IControlObserver* o : observers) o->ControlDestroyed(*this);
  }
  std::string Name() const override { return name_; }
  NativeHandle Handle() const override { return handle_; }
  IHookableControl* Form() override { return form_ ? form_ : this; }
  WindowProcHandler WindowProc() const override { return proc_; }
  void SetWindowProc(WindowProcHandler h) override {
    proc_ = std::move(h);
    ++procChanges;
  }
  void AddObserver(IControlObserver* o) override { observers_.push_back(o); }
  void RemoveObserver(IControlObserver* o) override { std::erase(observers_, o); }

  void Send(HookMessageKind kind, IDroppedFiles* drop = nullptr) {
    HookMessage m;
    m.kind = kind;
    m.drop = drop;
    const WindowProcHandler proc = proc_;
    proc(m);
  }
  // What a word wrap switch does to a pane: the window goes, a new one comes.
  void Recreate(NativeHandle next) {
    Send(HookMessageKind::Destroy);
    handle_ = 0;
    handle_ = next;
    Send(HookMessageKind::Create);
    Send(HookMessageKind::Other);  // the new window's next message
  }

  std::vector<HookMessageKind> own;
  int procChanges = 0;

 private:
  std::string name_;
  NativeHandle handle_;
  IHookableControl* form_;
  WindowProcHandler proc_;
  std::vector<IControlObserver*> observers_;
};

struct FakeDrop final : IDroppedFiles {
  std::vector<std::string> files;
  Point at;
  int finished = 0;
  std::vector<std::string> Files() override { return files; }
  Point DropPoint() override { return at; }
  void Finish() override { ++finished; }
};

struct FakeShell final : IDropAcceptance {
  std::map<NativeHandle, bool> accepts;
  int calls = 0;
  void AcceptFiles(NativeHandle w, bool accept) override {
    accepts[w] = accept;
    ++calls;
  }
};

struct Call {
  std::vector<std::string> files;
  int x, y;
};

class DropTarget : public ::testing::Test {
 protected:
  TDropDst::Context Context() {
    TDropDst::Context c;
    c.findControl = [this](const std::string& name) -> IHookableControl* {
      if (name == "RichEditNx1" && pane) return pane.get();
      if (name == "RichEditNx2" && other) return other.get();
      return nullptr;
    };
    c.ownerForm = [this]() -> IHookableControl* { return form.get(); };
    c.acceptance = [this] { return &shell; };
    c.findHandler = [this](const std::string& name) -> TFileDropEvent {
      if (name != "DropDst1FileDrop") return nullptr;
      return [this](TDropDst&, const std::vector<std::string>& files, int x, int y) {
        calls.push_back({files, x, y});
        if (fail) throw std::runtime_error("読めません");
      };
    };
    c.reportError = [this](const std::string& text) { reports.push_back(text); };
    return c;
  }
  void Make(DropDstProperties p = {"RichEditNx1", THookTarget::htControl, true, "DropDst1FileDrop"}) {
    target = std::make_unique<TDropDst>(Context(), p);
    target->Loaded();
  }
  void DropOn(FakeControl& c, std::vector<std::string> files, Point at = {12, 34}) {
    drop.files = std::move(files);
    drop.at = at;
    c.Send(HookMessageKind::FileDrop, &drop);
  }

  std::unique_ptr<FakeControl> form = std::make_unique<FakeControl>("MainForm1", 0x100);
  std::unique_ptr<FakeControl> pane = std::make_unique<FakeControl>("RichEditNx1", 0x200, form.get());
  std::unique_ptr<FakeControl> other = std::make_unique<FakeControl>("RichEditNx2", 0x300, form.get());
  FakeShell shell;
  FakeDrop drop;
  std::vector<Call> calls;
  std::vector<std::string> reports;
  bool fail = false;
  std::unique_ptr<TDropDst> target;
};

TEST_F(DropTarget, ThreeDroppedFilesAreOneEventWithAllPathsAndTheDropPoint) {
  Make();
  EXPECT_EQ(target->Attached(), pane.get());
  EXPECT_TRUE(shell.accepts.at(0x200));
  DropOn(*pane, {"C:\\a.txt", "C:\\b c\\ü.txt", "D:\\歌.htm"}, {7, 9});
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].files, (std::vector<std::string>{"C:\\a.txt", "C:\\b c\\ü.txt", "D:\\歌.htm"}));
  EXPECT_EQ(calls[0].x, 7);
  EXPECT_EQ(calls[0].y, 9);
  EXPECT_EQ(drop.finished, 1);
  EXPECT_TRUE(pane->own.empty());  // the drop is not passed on
  // Other messages reach the control's own handler.
  pane->Send(HookMessageKind::Other);
  EXPECT_EQ(pane->own, std::vector<HookMessageKind>{HookMessageKind::Other});
}

TEST_F(DropTarget, ADropAfterTheWindowWasCreatedAnewStillArrives) {
  Make();
  pane->Recreate(0x201);
  EXPECT_EQ(target->Handle(), 0x201u);
  EXPECT_TRUE(target->HandleLive());
  EXPECT_TRUE(shell.accepts.at(0x201));
  DropOn(*pane, {"C:\\after.txt"});
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].files.front(), "C:\\after.txt");
  // The control's own handler saw the re-creation as always.
  EXPECT_EQ(pane->own, (std::vector<HookMessageKind>{HookMessageKind::Destroy, HookMessageKind::Create,
                                                     HookMessageKind::Other}));
  // Twice over, and with AcceptDrop off in between: the new window follows.
  target->SetAcceptDrop(false);
  pane->Recreate(0x202);
  EXPECT_FALSE(shell.accepts.at(0x202));
}

TEST_F(DropTarget, AcceptDropRegistersAtOnceWithoutAttachingAgain) {
  Make();
  const int changes = pane->procChanges;
  target->SetAcceptDrop(false);
  EXPECT_FALSE(shell.accepts.at(0x200));
  const int calls0 = shell.calls;
  target->SetAcceptDrop(false);  // the same value: nothing
  EXPECT_EQ(shell.calls, calls0);
  target->SetAcceptDrop(true);
  EXPECT_TRUE(shell.accepts.at(0x200));
  EXPECT_EQ(pane->procChanges, changes);
}

TEST_F(DropTarget, WithoutAHandlerADropIsConsumedWithoutEffect) {
  Make({"RichEditNx1", THookTarget::htControl, true, ""});
  DropOn(*pane, {"C:\\a.txt"});
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(drop.finished, 1);
  EXPECT_TRUE(pane->own.empty());
  // A handler name that names nothing is the same.
  target->SetOnFileDrop("FormDestroy");
  DropOn(*pane, {"C:\\a.txt"});
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(drop.finished, 2);
}

TEST_F(DropTarget, AnErrorOfTheHandlerIsReportedAndGoesNoFurther) {
  Make();
  fail = true;
  EXPECT_NO_THROW(DropOn(*pane, {"C:\\locked.txt"}));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "読めません");
  EXPECT_EQ(drop.finished, 1);
  // The target keeps working.
  fail = false;
  DropOn(*pane, {"C:\\ok.txt"});
  EXPECT_EQ(calls.size(), 2u);
}

TEST_F(DropTarget, ADestroyedControlIsForgottenAndNeverTouched) {
  Make();
  pane->Send(HookMessageKind::Destroy);  // its window goes first, as when the main window closes
  EXPECT_EQ(target->Handle(), 0u);
  pane.reset();                          // then the control; ASan watches the rest
  EXPECT_EQ(target->Attached(), nullptr);
  target->SetAcceptDrop(false);
  target.reset();
  SUCCEED();
}

TEST_F(DropTarget, SettingControlMovesTheTargetAndTheOldControlGetsItsHandlerBack) {
  Make();
  target->SetControl("RichEditNx2");
  EXPECT_EQ(target->Attached(), other.get());
  EXPECT_FALSE(shell.accepts.at(0x200));  // withdrawn from the old window
  EXPECT_TRUE(shell.accepts.at(0x300));
  pane->Send(HookMessageKind::Other);
  DropOn(*pane, {"C:\\a.txt"});
  EXPECT_TRUE(calls.empty());  // the old control handles its own messages again
  EXPECT_EQ(pane->own.size(), 2u);
  DropOn(*other, {"C:\\b.txt"});
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(DropTarget, ControlsThatCannotBeFoundLeaveTheTargetDetached) {
  Make({"Memo1", THookTarget::htControl, true, "DropDst1FileDrop"});
  EXPECT_EQ(target->Attached(), nullptr);
  pane = std::make_unique<FakeControl>("RichEditNx1", 0, form.get());  // no native window
  EXPECT_NO_THROW(target->SetControl("RichEditNx1"));
  EXPECT_EQ(target->Attached(), nullptr);
  EXPECT_EQ(shell.calls, 0);
}

TEST_F(DropTarget, FormTargetsTheWindowHoldingTheControlOrTheOwnersForm) {
  Make({"RichEditNx1", THookTarget::htForm, true, "DropDst1FileDrop"});
  EXPECT_EQ(target->Attached(), form.get());
  EXPECT_TRUE(shell.accepts.at(0x100));
  target->SetControl("");
  EXPECT_EQ(target->Attached(), form.get());
  form.reset();
  pane.reset();
  other.reset();
  EXPECT_THROW(
      {
        try {
          target->SetControl("RichEditNx1");
        } catch (const std::runtime_error& e) {
          EXPECT_STREQ(e.what(), "フック先を特定できません。");
          throw;
        }
      },
      std::runtime_error);
  EXPECT_EQ(target->Control(), "RichEditNx1");
}

TEST_F(DropTarget, PropertiesComeBackAsTheyWereSet) {
  Make();
  const DropDstProperties p{"RichEditNx2", THookTarget::htForm, false, ""};
  target->SetProperties(p);
  EXPECT_EQ(target->Properties(), p);
  EXPECT_EQ(target->Attached(), nullptr);  // until loaded
  target->Loaded();
  EXPECT_EQ(target->Attached(), form.get());
  EXPECT_FALSE(shell.accepts.at(0x100));
}

}  // namespace
}  // namespace hanaroku
