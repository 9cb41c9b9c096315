#pragma once
// The frame of TMainForm1: the top-level window with MainMenu1, the tool
// bars, both panes with the splitter between them, and StatusBar1. It owns
// the platform ports the model works through, forwards window messages to
// the model's handlers and implements IMainWindowHost.
#include "platform/win32/Win32Util.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainForm1.h"
#include "platform/win32/BannerWindow.h"
#include "platform/win32/ClockWindow.h"
#include "platform/win32/FindDialogsWin32.h"
#include "platform/win32/HookableWindow.h"
#include "platform/win32/MainMenu.h"
#include "platform/win32/PrinterWin32.h"
#include "platform/win32/SecondaryWindowsHost.h"
#include "platform/win32/SplashWindow.h"
#include "platform/win32/StatusBar.h"
#include "platform/win32/ToolBar.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {

class PaneSlot;

// Pixel layout of the client area, computed from the model's state.
struct FrameLayout {
  struct Bar {
    int top = 0, height = 0;
    bool visible = false;
  };
  Bar bars[5];  // NNBar1, NNBar3, NNBar4, NNBer5, NNBar2
  RECT left{}, splitter{}, right{}, status{};
  bool leftVisible = false, splitterVisible = false;
};
constexpr int kSplitterWidth = 6;
FrameLayout ComputeLayout(const TMainForm1& form, int clientWidth, int clientHeight, int statusHeight) noexcept;
// The left pane width a splitter drag to x gives (the splitter's minimum
// size on both sides).
int SplitterDragWidth(int x, int grabOffset, int clientWidth) noexcept;

class MainWindow final : public IMainWindowHost, public IToolBarView {
 public:
  MainWindow();
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window (hidden) and the model, and runs FormCreate.
  void Create(const std::string& programFile);
  // The first show: FormShow, then the window appears (maximised if asked).
  void Show(int showCommand);
  // Menu shortcuts; true when msg was handled and must not be dispatched.
  bool PreTranslate(MSG& msg);

  HWND Handle() const noexcept { return wnd_; }
  TMainForm1& Form() noexcept { return *form_; }

  // IMainWindowHost
  void SetCaption(const std::string& utf8) override;
  void ShowSplash(const SplashView& view) override;
  void CloseSplash() override;
  void Maximize() override;
  void CloseWindow() override;
  void Repaint() override;
  void FocusPane(PaneId pane) override;
  void LayoutChanged() override;
  void StatusPanelChanged(int index) override;
  void MenuChecksChanged() override;
  void SetHourglass(bool on) override;
  const ITextMeasurer& StatusBarMeasurer() override;
  FocusOwner FocusedControl() const override;
  bool ApplicationActive() const override;
  IClipboard* Clipboard() override { return &clipboard_; }
  IHookableControl* FindControl(const std::string& name) override;
  IDropAcceptance* DropAcceptance() override { return &dropAcceptance_; }
  IPrinter* Printer() override { return &printer_; }
  PrinterWin32& PrintDialog1() noexcept { return printer_; }
  IFindDialogs* FindDialogs() override { return &findDialogs_; }
  FindDialogsWin32& FindReplaceDialogs() noexcept { return findDialogs_; }

  // IToolBarView
  void ControlChanged(ControlRef c) override;
  std::string EditSelectedText(ControlRef c) const override;
  void EditReplaceSelection(ControlRef c, std::string_view utf8) override;
  void EditAction(ControlRef c, EditBoxAction action) override;
  void FocusControl(ControlRef c) override;

  // The bars, and the window of a control by its design name (null for an
  // unknown name). The clock and the banner put their own windows into
  // their cells with Bar(...).SetCellWindow.
  ToolBarWindow& Bar(ToolBarId id) noexcept { return bars_[static_cast<int>(id)]; }
  const ToolBarWindow& Bar(ToolBarId id) const noexcept { return bars_[static_cast<int>(id)]; }
  HWND ControlWindow(std::string_view name) const;
  SecondaryWindowsHost& SecondaryWindows() noexcept { return *secondary_; }

 private:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  void OnCreate();
  void OnSize();
  void OnMove();
  void OnGetMinMaxInfo(MINMAXINFO& info);
  LRESULT OnSysCommand(WPARAM wp, LPARAM lp);
  void OnClose();
  void OnDestroy();
  void OnCommand(WPARAM wp, LPARAM lp);
  void OnInitMenuPopup(HMENU menu);
  void OnContextMenu(HWND target, int x, int y);
  bool OnSetCursor(HWND target, UINT hitTest);
  void OnPaint();
  void OnLButtonDown(int x, int y);
  void OnMouseMove(int x, int y);
  void OnLButtonUp(int x, int y);
  void OnSetFocus();
  void OnActivate(WPARAM wp);

  void CreateChildren();
  void CreateClock();
  void CreateBanner();
  void ExecuteCommand(Command c);
  void ApplyBounds();
  void UpdateBoundsFromWindow();
  void RefreshStatusBar();
  void RefreshToolBars();
  void ControlHover(ControlRef c, bool inside);
  void HandleHint(const std::string& hint);
  MenuState CurrentMenuState() const;

  HWND wnd_ = nullptr;
  HMENU menuBar_ = nullptr;
  HMENU popup_ = nullptr;
  std::vector<ShortcutBinding> shortcuts_;

  DialogsWin32 dialogs_;
  ShellWin32 shell_;
  ClipboardWin32 clipboard_;
  DropAcceptanceWin32 dropAcceptance_;
  PrinterWin32 printer_;
  std::unique_ptr<TMainForm1> form_;
  std::unique_ptr<SecondaryWindowsHost> secondary_;  // the settings and count-grid windows
  std::unique_ptr<HookableWindow> formHook_;  // the window itself, for the drop targets
  FindDialogsWin32 findDialogs_;  // after the model: its dialogs go first

  ToolBarWindow bars_[kToolBarCount];  // NNBar1, NNBar3, NNBar4, NNBer5, NNBar2
  ClockWindow clock_;  // ClockLabel2, in its cell of NNBar1
  BannerWindow banner_;  // MsgSCR1, in its cell of NNBar3
  StatusBar statusBar_;
  SplashWindow splash_;
  std::unique_ptr<PaneSlot> rightPane_, leftPane_;
  HWND lastFocus_ = nullptr;

  FrameLayout layout_;
  bool shown_ = false;
  bool maximizeOnShow_ = false;
  bool dragging_ = false;
  int grabOffset_ = 0;
  int hourglass_ = 0;
  std::string lastHint_;
  std::optional<ControlRef> hintOwner_;  // the control whose hint shows
};

}  // namespace hanaroku::win32
