#pragma once
// TMainForm1: the main window as a portable model. It owns the two panes,
// the status bar texts, the menu check marks, the tool bar and left pane
// visibility and the window state, and runs every command. The Win32 window
// (platform/win32/MainWindow) shows this state and forwards messages to the
// handlers below; what only the real window can do it asks through
// IMainWindowHost.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Commands.h"
#include "app/DocumentEncoding.h"
#include "app/RegManager.h"
#include "app/StoredComponents.h"
#include "app/ToolBars.h"
#include "controls/ClockLabel.h"
#include "controls/DropDst.h"
#include "controls/LongCommand.h"
#include "controls/RichEditSx.h"
#include "controls/StopWatch.h"
#include "convert/ScriptConversions.h"
#include "editing/CountsAndDates.h"
#include "editing/FindReplace.h"
#include "editing/StringColoring.h"
#include "html/HtmlCommands.h"
#include "html/PageSettings.h"
#include "platform/Canvas.h"
#include "verse/MsgSCR.h"
#include "verse/VerseCommands.h"
#include "windows/SecondaryWindows.h"

namespace hanaroku {

class IClipboard;
class IPrinter;
class IClock;
class IDialogs;
class IFileSystem;
class IShell;
class ITimer;
class TForm3;
struct FileDialogSpec;

enum class PaneId : std::uint8_t { Right, Left };

// Which of the window's text fields holds the keyboard focus: a pane or one
// of the tool bars' edit boxes.
enum class FocusOwner : std::uint8_t { Other, RightPane, LeftPane, Edit2, Edit3, Edit4, Edit5 };
// The edit box a focus owner is, and back.
std::optional<ControlRef> EditBoxOf(FocusOwner f);
FocusOwner FocusOwnerOf(ControlRef editBox);

// Window rectangle in screen pixels (outer size).
struct WindowBounds {
  int left = 20, top = 20, width = 780, height = 550;
  bool operator==(const WindowBounds&) const = default;
};

struct SizeLimit {
  int width = 0, height = 0;
};

// What the splash TForm3 shows, for the host to draw.
struct SplashView {
  WindowBounds bounds;           // borderless window
  std::string caption;           // "Loading..."
  TColor color = 0;              // background
  std::string labelText;         // RotateLabel1
  std::string labelFont;         // "Times New Roman"
  int labelHeight = 33;          // pixels
  TColor labelColor = 0;
  int labelLeft = 0, labelTop = 0;  // within the splash
};

// Services of the real window.
class IMainWindowHost {
 public:
  virtual ~IMainWindowHost() = default;
  virtual void SetCaption(const std::string& utf8) = 0;
  // Show the splash and paint it at once (before returning).
  virtual void ShowSplash(const SplashView& view) = 0;
  virtual void CloseSplash() = 0;
  virtual void Maximize() = 0;
  // Ask the window to close; the window calls FormCloseQuery.
  virtual void CloseWindow() = 0;
  virtual void Repaint() = 0;
  virtual void FocusPane(PaneId pane) = 0;
  // Left pane / splitter visibility, left pane width or tool bars changed.
  virtual void LayoutChanged() = 0;
  virtual void StatusPanelChanged(int index) = 0;
  virtual void MenuChecksChanged() = 0;
  virtual void SetHourglass(bool on) = 0;
  // Measures text with the status bar font ("ＭＳ Ｐ明朝").
  virtual const ITextMeasurer& StatusBarMeasurer() = 0;
  // The edit commands act on the focused field, and only while the
  // application is in front.
  virtual FocusOwner FocusedControl() const { return FocusOwner::Other; }
  virtual bool ApplicationActive() const { return true; }
  virtual IClipboard* Clipboard() { return nullptr; }
  // The window's controls that drop targets attach to, by name ("RichEditNx1",
  // "RichEditNx2", "MainForm1"); null when there is no such control.
  virtual IHookableControl* FindControl(const std::string& /*name*/) { return nullptr; }
  // The shell's registration of drop acceptance.
  virtual IDropAcceptance* DropAcceptance() { return nullptr; }
  // The printers and their dialog (PrintDialog1); none: printing does nothing.
  virtual IPrinter* Printer() { return nullptr; }
  // The modeless find and replace dialogs.
  virtual IFindDialogs* FindDialogs() { return nullptr; }
};

using TimerFactory = std::function<std::unique_ptr<ITimer>()>;

struct StatusPanel {
  std::string text;  // UTF-8
  int width = 0;
};

struct TStatusBarModel {
  std::array<StatusPanel, 5> Panels{{{"Left Title", 170},
                                     {"milli & count", 90},
                                     {"Count", 100},
                                     {"Count Right", 120},
                                     {"Hint", 50}}};
  std::string FontName = "ＭＳ Ｐ明朝";
};

// State of a common dialog that lives between runs of its command.
struct DialogState {
  std::string fileName;    // preset / last chosen
  std::string initialDir;
};

// Tool bars and their tabs on NNBar2.
struct ToolBarState {
  bool NNBar1 = true, NNBar3 = true, NNBar4 = false, NNBer5 = false;
  bool NNBar2 = true;  // tab strip
  bool ActiveImage2 = false, ActiveImage4 = false, ActiveImage6 = true, ActiveImage8 = true;
};

class TMainForm1 {
 public:
  TMainForm1(IDialogs& dialogs, IShell& shell, IFileSystem& fs, IClock& clock, TimerFactory timers,
             IMainWindowHost& host);
  ~TMainForm1();
  TMainForm1(const TMainForm1&) = delete;
  TMainForm1& operator=(const TMainForm1&) = delete;

  // ---- limits -----------------------------------------------------------
  static constexpr int MaxTextLength = 200000000;  // MaxLength of both panes
  static constexpr int SplitterMinSize = 30;

  // ---- the panes ----------------------------------------------------------
  TRichEditSx RichEditNx1;  // right pane, main document
  TRichEditSx RichEditNx2;  // left pane, work pane
  TRichEditSx& Pane(PaneId p) noexcept { return p == PaneId::Right ? RichEditNx1 : RichEditNx2; }

  // ---- window state -------------------------------------------------------
  std::string ProgramFile;      // set by the entry point before FormCreate
  std::string SettingsFileName; // ProgramFile with ".ini" (computed in FormCreate)
  std::string RightFileName;
  std::string LeftFileName;
  // The encoding, byte-order mark and line ends of each pane's document,
  // written back by its saves.
  DocumentFormat RightFormat;
  DocumentFormat LeftFormat;
  DocumentFormat& Format(PaneId p) noexcept { return p == PaneId::Right ? RightFormat : LeftFormat; }
  std::string PendingOpenName;
  std::string LastFileName;
  std::string ExeDir;           // with its trailing separator
  bool ShowSplashOnOpen = false;
  bool WasMaximized = false;
  int SavedLeftWidth = 129;
  TColor RightTextColor = 0;
  TColor LeftTextColor = 0;

  std::string Caption = "Hanaroku";
  WindowBounds Bounds;          // kept current by the host (move and size)
  bool LeftPaneVisible = false; // RichEditNx2
  bool SplitterVisible = false; // Splitter1, directly right of the left pane
  int LeftPaneWidth = 129;
  bool DoubleBuffered = false;
  ToolBarState ToolBars;
  // Captions, hints, enabled and checked states and edit texts of the bars'
  // controls.
  TToolBarControls BarControls;
  TStatusBarModel StatusBar1;

  // Menu check marks.
  bool VH = true, HHV = true, WordWrap = true, WordWrapH = true, N14 = true;
  bool IsChecked(CheckMark m) const noexcept;

  // Dialog states.
  DialogState TextOpenDialog1, TextOpenDialog2, SaveDialog1, SaveDialog2;

  // Remembered left font of Font synchronize.
  TColor SyncFontColor = 0;     // black before the first synchronize
  std::string SyncFontName;     // empty before the first synchronize

  // ---- HTML page settings and options --------------------------------------
  THtmlPageSettings PageSettings;

  // ---- launcher ------------------------------------------------------------
  std::string Expas, Expas2;
  std::string ShineSpeedButton23Hint = "EXE Run1", ShineSpeedButton24Hint = "EXE Run2";

  // ---- clock, banner and drop targets ----------------------------------------
  TMsgSCR MsgSCR1;                               // the banner on NNBar3
  // The drop targets of the panes; the drops reach DropDst1FileDrop and
  // DropDst2FileDrop through them.
  TDropDst DropDst1{DropContext(), {"RichEditNx1", THookTarget::htControl, true, "DropDst1FileDrop"}};
  TDropDst DropDst2{DropContext(), {"RichEditNx2", THookTarget::htControl, true, "DropDst2FileDrop"}};

  // ---- settings ------------------------------------------------------------------
  // The store of the settings file, with the items of AppSettings.
  TRegManager RegManager1;
  // Restores every stored setting (FormCreate) / writes them (FormCloseQuery);
  // AppSettings by default.
  std::function<void(TMainForm1&)> RestoreSettings;
  std::function<void(TMainForm1&)> SaveSettings;

  // ---- start-up and window messages ------------------------------------------
  void FormCreate();
  void FormShow();
  // Returns whether the window may close.
  bool FormCloseQuery();
  // The two halves of the close query, for a session end: the question when
  // the session asks, the clearing and writing only once it really ends (a
  // log-off that is cancelled must not have cleared the panes).
  bool ConfirmClose();
  void FinishClose();
  // After the default processing of WM_SYSCOMMAND.
  void WMSysCommand(unsigned code) noexcept;
  // Minimum tracking size (WM_GETMINMAXINFO).
  static SizeLimit MinTrackSize() noexcept { return {780, 270}; }
  void ApplicationHint(const std::string& text);
  void FormResize();            // after Bounds changed
  void Splitter1Moved();        // after LeftPaneWidth was set from the drag
  void GetColRow();             // caret position of the right pane -> panel 3
  void SetIMEcolor();
  // Splash input.
  void SplashClick();

  // ---- commands ----------------------------------------------------------------
  bool Enabled(Command c) const noexcept;
  // Runs the handler of c, then brings the bars' controls in line.
  void Execute(Command c);

  // ---- the bars' controls ------------------------------------------------------
  // A click on a control: a button, grip or tab runs its command; a check box
  // turns over and runs its rule.
  void ControlClicked(ControlRef c);
  // The user changed the text of an edit box.
  void ControlTextEdited(ControlRef c, std::string_view text);
  // Brings the controls in line with the window's fields they show: the check
  // boxes, the tabs of collapsed bars, the font button's caption and the
  // launcher hints.
  void SyncBarControls();
  // Clipboard and undo on the focused edit box; false when no edit box has
  // the focus (or the application is not in front).
  bool FocusedEditBoxAction(EditBoxAction action);

  // Documents.
  static bool IsOpenableTextName(const std::string& name);
  void MyTextFileOpen();
  void New1Click();
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void LastFile1Click();
  void Exit1Click();
  void DropDst1FileDrop(const std::vector<std::string>& names);
  void ShineSpeedButton12Click();
  void ShineSpeedButton5Click();
  void ShineSpeedButton13Click();
  void ShineSpeedButton22Click();
  void DropDst2FileDrop(const std::vector<std::string>& names);
  // The drop handlers by name, for the drop targets.
  TFileDropEvent FindDropHandler(const std::string& name);
  void HtmButton11Click();
  void idou2Click();

  // Clipboard, undo and redo on the focused text field: a pane, an edit box
  // of the bars, or an edit box of a secondary window (redo and select all:
  // the panes only).
  void Undo1Click();
  void Redo1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void SelectAllClick();
  // The places of the secondary windows' edit boxes, set while the windows
  // exist: the settings window's colour boxes (true when one of them has the
  // focus and took the command), then the count-grid window, which hands
  // undo, cut, copy and paste to its cell editor while a cell is edited.
  // Only what no pane or bar edit box took reaches them, so that a cut in a
  // pane never also cuts a cell and takes the clipboard from the pane.
  std::function<bool(EditBoxAction)> SettingsEditAction;
  std::function<void(EditBoxAction)> CountGridEditAction;

  // Find and replace in both panes.
  void Find1Click() { findReplace_.Find1Click(); }
  void FindNextButtonClick() { findReplace_.FindNextButtonClick(); }
  void FindBack1Click() { findReplace_.FindBack1Click(); }
  void Replace1Click() { findReplace_.Replace1Click(); }
  void FindLeftButtonClick() { findReplace_.FindLeftButtonClick(); }
  void FindNextLButtonClick() { findReplace_.FindNextLButtonClick(); }
  void FindBackLButtonClick() { findReplace_.FindBackLButtonClick(); }
  void ShineSpeedButton7Click() { findReplace_.ShineSpeedButton7Click(); }
  TFindReplace& FindReplace() noexcept { return findReplace_; }

  // String colouring: the popup's colours on the right pane, the colour
  // buttons and "彩" on the left, the colour-string bar's boxes.
  void N24Click() { coloring_.RightColorRun(0); }
  void N25Click() { coloring_.RightColorRun(1); }
  void N26Click() { coloring_.RightColorRun(2); }
  void N27Click() { coloring_.RightColorRun(3); }
  void N28Click() { coloring_.RightColorRun(4); }
  void N29Click() { coloring_.RightColorRun(5); }
  void N30Click() { coloring_.RightColorRun(6); }
  void N31Click() { coloring_.RightColorRun(7); }
  void N32Click() { coloring_.RightColorRun(8); }
  void N33Click() { coloring_.RightColorRun(9); }
  void N34Click() { coloring_.RightColorRun(10); }
  void N35Click() { coloring_.RightColorRun(11); }
  void SCButton1Click() { coloring_.LeftColorRun(0); }
  void SCButton2Click() { coloring_.LeftColorRun(1); }
  void SCButton3Click() { coloring_.LeftColorRun(2); }
  void SCButton4Click() { coloring_.LeftColorRun(3); }
  void SCButton5Click() { coloring_.LeftColorRun(4); }
  void SCButton6Click() { coloring_.LeftColorRun(5); }
  void SCButton7Click() { coloring_.LeftColorRun(6); }
  void SCButton8Click() { coloring_.LeftColorRun(7); }
  void SCButton9Click() { coloring_.LeftColorRun(8); }
  void SCButton10Click() { coloring_.LeftColorRun(9); }
  void SCButton11Click() { coloring_.LeftColorRun(10); }
  void SCButton12Click() { coloring_.LeftColorRun(11); }
  void NNButton2Click() { coloring_.NNButton2Click(); }
  void NNButton3Click() { coloring_.NNButton3Click(); }
  void NNButton4Click() { coloring_.NNButton4Click(); }
  void NNButton5Click() { coloring_.NNButton5Click(); }
  void NNButton8Click() { coloring_.NNButton8Click(); }
  void NNButton9Click() {}  // PopupMenu1 pops up
  void Edit2Change() { coloring_.Edit2Change(); }
  void Edit3Change() { coloring_.Edit3Change(); }
  TStringColoring& Coloring() noexcept { return coloring_; }

  // Counts, dates and the blank symbol.
  void ShineSpeedButton33Click() { counts_.ShineSpeedButton33Click(); }
  void ShineSpeedButton34Click() { counts_.ShineSpeedButton34Click(); }
  void HidukeClick() { counts_.HidukeClick(); }
  void diaryClick() { counts_.diaryClick(); }
  void kuhaku1Click() { counts_.kuhaku1Click(); }

  // Script conversions of the left pane, and the replace-all primitive on it.
  void ShineSpeedButton21Click() { conversions_.ShineSpeedButton21Click(); }
  void KatakanaButton1Click() { conversions_.KatakanaButton1Click(); }
  void KatakanaButton2Click() { conversions_.KatakanaButton2Click(); }
  void HiraganaButton1Click() { conversions_.HiraganaButton1Click(); }
  void DoReplaceAll2(std::string_view search, std::string_view replacement) {
    conversions_.DoReplaceAll2(search, replacement);
  }

  // Verse collections and the banner.
  void ShineSpeedButton3Click() { verse_.ShineSpeedButton3Click(); }
  void ShineSpeedButton18Click() { verse_.ShineSpeedButton18Click(); }
  void ShineSpeedButton17Click() { verse_.ShineSpeedButton17Click(); }
  void ShineSpeedButton14Click() { verse_.ShineSpeedButton14Click(); }
  void ShineSpeedButton15Click() { verse_.ShineSpeedButton15Click(); }
  void ShineSpeedButton16Click() { verse_.ShineSpeedButton16Click(); }
  void SoundCountButtonClick() { verse_.SoundCountButtonClick(); }
  TVerseCommands& Verse() noexcept { return verse_; }

  // The settings window, the count-grid window and the mini launcher.
  void About1Click() { windows_.About1Click(); }
  void ShineSpeedButton25Click() { windows_.ShineSpeedButton25Click(); }
  void NNButton1Click() { windows_.NNButton1Click(); }
  void ShineSpeedButton23Click() { windows_.ShineSpeedButton23Click(); }
  void ShineSpeedButton24Click() { windows_.ShineSpeedButton24Click(); }
  TSecondaryWindows& Windows() noexcept { return windows_; }

  // HTML pages and their settings.
  void HtmButton1Click() { html_.HtmButton1Click(); }
  void ShineSpeedButton35Click() { html_.ShineSpeedButton35Click(); }
  void ShineSpeedButton40Click() { html_.ShineSpeedButton40Click(); }
  void ShineSpeedButton36Click() { html_.ShineSpeedButton36Click(); }
  void ShineSpeedButton38Click() { html_.ShineSpeedButton38Click(); }
  void ShineSpeedButton39Click() { html_.ShineSpeedButton39Click(); }
  void HtmButton3Click() { html_.HtmButton3Click(); }
  void HtmButton4Click() { html_.HtmButton4Click(); }
  void HtmButton13Click() { html_.HtmButton13Click(); }
  void HtmButton5Click() { html_.HtmButton5Click(); }
  void HtmButton6Click() { html_.HtmButton6Click(); }
  void HtmButton7Click() { html_.HtmButton7Click(); }
  void HtmButton12Click() { html_.HtmButton12Click(); }
  void HtmButton10Click() { html_.HtmButton10Click(); }
  void HtmButton8Click() { html_.HtmButton8Click(); }
  void HtmButton9Click() { html_.HtmButton9Click(); }
  void Edit4Change();  // the title from the text of Edit4
  void Edit5Change();  // the page title from the text of Edit5
  THtmlCommands& Html() noexcept { return html_; }

  // Layout and display.
  void ShineSpeedButton2Click();
  void VHClick();
  void HHVClick();
  void WordWrapClick();
  void WordWrapHClick();
  void Font1Click();
  void ShineSpeedButton4Click();
  void N7Click();
  void ShineSpeedButton8Click();
  void N8Click();
  void N9Click();
  void ShineSpeedButton28Click();
  void ShineSpeedButton37Click();
  void ActiveImage1Click();
  void ActiveImage2Click();
  void ActiveImage3Click();
  void ActiveImage4Click();
  void ActiveImage5Click();
  void ActiveImage6Click();
  void ActiveImage7Click();
  void ActiveImage8Click();
  void NNButton6Click() { N9Click(); }
  void NNButton7Click() { N8Click(); }
  void ToolbarYokoCheck();
  void ToolbarTateCheck();

  // Path shortening with the status bar font.
  std::string ShortenForPanel(const std::string& path, int panel) const;

  TForm3* Splash() const noexcept { return form3_.get(); }

 private:
  struct Handler {
    Command command;
    void (TMainForm1::*run)();
  };
  static const Handler* FindHandler(Command c) noexcept;

  // Reads path into pane; false (and the error reported) when it cannot be
  // read or is too large. The pane and file names are untouched on failure.
  bool LoadPane(PaneId pane, const std::string& path);
  // Runs a file dialog preset from its remembered state; on OK the dialog
  // remembers the chosen path, which is returned in `path`.
  enum class FileDialogKind { Open, Save };
  bool RunFileDialog(FileDialogKind kind, DialogState& dialog, const char* filter, const char* defaultExt,
                     std::string& path, int* filterIndex = nullptr);
  // Save As of a pane: the dialog also offers the encoding; on OK the pane's
  // document takes the chosen one.
  bool SaveAsDialog(PaneId pane, DialogState& dialog, std::string& path);
  // Writes the pane; false (and the error reported) on failure.
  bool SavePane(PaneId pane, const std::string& path);
  void CopyWholeText(PaneId to);
  TRichEditSx* FocusedPane() noexcept;
  void SecondaryEditAction(EditBoxAction action);
  void ClipboardCommand(EditBoxAction action, const std::function<void(TRichEditSx&, IClipboard&)>& paneOp);
  bool ConfirmCharacterLoss(const std::u16string& lost);
  void ReportFileError(const std::string& text);
  bool AskDiscard();
  void SetCaptionText(const std::string& text);
  void SetPanel(int index, const std::string& text);
  void SyncChecks();
  void ShowSplash();
  void ApplyDesignProperties();
  void BindBarControls();
  TDropDst::Context DropContext();
  void LoadDropTargets();

  IDialogs& dialogs_;
  IShell& shell_;
  IFileSystem& fs_;
  IClock& clock_;
  TimerFactory timers_;
  IMainWindowHost& host_;
  std::unique_ptr<TForm3> form3_;

 public:
  // The stopwatch of the long commands (declared after the clock it reads).
  TStopWatch StopWatch1{clock_};
  // The clock on NNBar1: 300 ms while running; its colours follow the right
  // pane's text and background.
  TClockLabel ClockLabel2{clock_, timers_ ? timers_() : nullptr, &dialogs_};
  TColor& ClockColor = ClockLabel2.Color;
  TColor& ClockFontColor = ClockLabel2.Font.color;
  // Stops the clock, or starts it again.
  void ClockLabel2Click();
  // Prints the right pane through the print dialog, titled RightFileName.
  void Print1Click();

 private:
  // The application-wide hourglass of the conversions.
  class HourglassCursor final : public IBusyCursor {
   public:
    explicit HourglassCursor(IMainWindowHost& host) noexcept : host_(host) {}
    void Begin() override { host_.SetHourglass(true); }
    void End() override { host_.SetHourglass(false); }

   private:
    IMainWindowHost& host_;
  };
  HourglassCursor hourglass_{host_};

 public:
  // Stopwatch, hourglass and status panel of every long command.
  LongCommandEnv LongCommands{StopWatch1, hourglass_,
                              [this](int panel, const std::string& text) { SetPanel(panel, text); }};

 private:
  TScriptConversions conversions_{RichEditNx2, LongCommands, clock_};
  TVerseCommands verse_{RichEditNx2,
                        MsgSCR1,
                        fs_,
                        dialogs_,
                        {LeftPaneVisible, ExeDir, LeftTextColor},
                        [this](const std::string& path) { return LoadPane(PaneId::Left, path); },
                        [this](int panel, const std::string& text) { SetPanel(panel, text); },
                        [this](const std::string& path, int panel) { return ShortenForPanel(path, panel); }};
  TSecondaryWindows windows_{AboutBoxSettings{PageSettings.bgc, PageSettings.Dai, PageSettings.mclo, PageSettings.mclt,
                                              PageSettings.Lcl, PageSettings.Mfn, PageSettings.fze, PageSettings.Lint,
                                              PageSettings.Linu, PageSettings.FLink, ExeDir},
                             TLauncher::Fields{Expas, Expas2, ShineSpeedButton23Hint, ShineSpeedButton24Hint},
                             dialogs_,
                             shell_,
                             fs_,
                             [this](const std::string& path) { return ShortenForPanel(path, 4); }};
  void FocusPaneOf(const TRichEditSx& pane) { host_.FocusPane(&pane == &RichEditNx1 ? PaneId::Right : PaneId::Left); }
  TFindReplace findReplace_{RichEditNx1, RichEditNx2, dialogs_, [this] { return host_.FindDialogs(); },
                            [this](TRichEditSx& pane) { FocusPaneOf(pane); }};
  TStringColoring coloring_{RichEditNx1,
                            RichEditNx2,
                            BarControls,
                            LongCommands,
                            [this](TRichEditSx& pane) { FocusPaneOf(pane); },
                            [this] { return host_.Clipboard(); }};
  TCountsAndDates counts_{RichEditNx1, RichEditNx2, clock_,
                          [this](int panel, const std::string& text) { SetPanel(panel, text); },
                          [this] { GetColRow(); }};


  // What the HTML commands ask of the window.
  class HtmlHost final : public IHtmlCommandsHost {
   public:
    explicit HtmlHost(TMainForm1& form) noexcept : form_(form) {}
    bool LeftPaneVisible() const override { return form_.LeftPaneVisible; }
    void ShowLeftPane() override { form_.ShineSpeedButton2Click(); }
    void CopyRightToLeft() override { form_.HtmButton11Click(); }
    void WordWrapChanged() override { form_.SyncChecks(); }
    void PageControlsChanged() override { form_.SyncBarControls(); }
    std::string ProgramDir() const override { return form_.ExeDir; }

   private:
    TMainForm1& form_;
  };
  HtmlHost htmlHost_{*this};
  THtmlCommands html_{RichEditNx1, RichEditNx2, PageSettings, LongCommands, dialogs_, fs_, shell_, htmlHost_};
};

}  // namespace hanaroku
