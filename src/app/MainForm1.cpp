#include "app/MainForm1.h"

#include <algorithm>
#include <exception>

#include "app/AppSettings.h"
#include "app/FileNames.h"
#include "app/PathShortening.h"
#include "app/Splash.h"
#include "controls/PanePrint.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Printer.h"
#include "platform/Timer.h"

namespace hanaroku {
namespace {

constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) noexcept { return (b << 16) | (g << 8) | r; }

constexpr const char* kCloseQuestion = "現在の内容を廃棄します。よろしいですか";
constexpr const char* kConfirm = "確認";
constexpr std::uint32_t kImeUnderline = 0x4;  // CFE_UNDERLINE
constexpr unsigned kClockInterval = 300;       // ms, ClockLabel2 while running

// The hourglass for the scope of a long command.
class BusyScope {
 public:
  explicit BusyScope(IBusyCursor& cursor) : cursor_(cursor) { cursor_.Begin(); }
  ~BusyScope() { cursor_.End(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  IBusyCursor& cursor_;
};

}  // namespace

TMainForm1::TMainForm1(IDialogs& dialogs, IShell& shell, IFileSystem& fs, IClock& clock, TimerFactory timers,
                       IMainWindowHost& host)
    : RegManager1(fs, &dialogs),
      dialogs_(dialogs),
      shell_(shell),
      fs_(fs),
      clock_(clock),
      timers_(std::move(timers)),
      host_(host) {
  ApplyDesignProperties();
  BindBarControls();
  FillSettingsItems(RegManager1.RegItems);
  RestoreSettings = [](TMainForm1& f) { RestoreAppSettings(f, f.RegManager1); };
  SaveSettings = [](TMainForm1& f) { StoreAppSettings(f, f.RegManager1); };
  // The right pane's caret position follows keys, clicks and changes.
  RichEditNx1.OnKeyDown = RichEditNx1.OnKeyUp = [this](int, bool, bool) { GetColRow(); };
  RichEditNx1.OnMouseDown = RichEditNx1.OnMouseUp = RichEditNx1.OnChange = [this] { GetColRow(); };
  for (TRichEditSx* pane : {&RichEditNx1, &RichEditNx2})
    pane->ConfirmLoss = [this](const std::u16string& lost) { return ConfirmCharacterLoss(lost); };
  if (timers_) MsgSCR1.SetTimer(timers_());
}

TMainForm1::~TMainForm1() = default;

void TMainForm1::ApplyDesignProperties() {
  TFont right;
  right.name = "ＭＳ 明朝";
  right.height = 18;
  right.charset = 128;
  right.color = Rgb(0x39, 0x42, 0x55);
  RichEditNx1.SetFont(right);
  RichEditNx1.SetColor(Rgb(0xF4, 0xF5, 0xE9));
  RichEditNx1.SetMaxLength(MaxTextLength);
  TFont left = right;
  left.color = 0xFF0000;  // blue
  RichEditNx2.SetFont(left);
  RichEditNx2.SetColor(Rgb(0xD5, 0xE3, 0xDD));
  RichEditNx2.SetMaxLength(MaxTextLength);
  RightTextColor = right.color;
  LeftTextColor = left.color;
  ClockLabel2.Hint = "クロック";
  ClockLabel2.Font = TLabelFont{PaintFont{"Times New Roman", 11, false, false, false, false, 0}, 0xFFFFFF};
  ClockLabel2.Alignment = TLabelAlignment::taCenter;
  ClockLabel2.Layout = TTextLayout::tlCenter;
  ClockLabel2.SetInterval(kClockInterval);
  static const MsgSCRProperties kBannerDesign;
  MsgSCR1.SetProperties(kBannerDesign);
}

bool TMainForm1::IsChecked(CheckMark m) const noexcept {
  switch (m) {
    case CheckMark::VH: return VH;
    case CheckMark::HHV: return HHV;
    case CheckMark::WordWrap: return WordWrap;
    case CheckMark::WordWrapH: return WordWrapH;
    case CheckMark::N14: return N14;
    case CheckMark::None: break;
  }
  return false;
}

// ---- start-up ------------------------------------------------------------

void TMainForm1::FormCreate() {
  DoubleBuffered = true;
  PageSettings.ResetToDefaults();
  coloring_.HitCount = 0;
  RichEditNx1.SetVertical(true);
  RichEditNx2.SetVertical(true);
  LeftPaneVisible = false;
  LastFileName.clear();
  StatusBar1.FontName = "ＭＳ Ｐ明朝";
  ExeDir = ExtractFilePath(ProgramFile);
  {
    const std::string ext = ExtractFileExt(ProgramFile);
    SettingsFileName = ProgramFile.substr(0, ProgramFile.size() - ext.size()) + ".ini";
  }
  RegManager1.IniFileName = SettingsFileName;
  RegManager1.Reread();  // read once, now
  if (RestoreSettings) RestoreSettings(*this);
  LoadDropTargets();
  if (WasMaximized) Bounds = WindowBounds{16, 16, 780, 550};
  ShineSpeedButton23Hint = ShortenForPanel(Expas, 4);
  ShineSpeedButton24Hint = ShortenForPanel(Expas2, 4);
  RichEditNx1.ClearAll();
  RichEditNx2.ClearAll();
  RightFileName.clear();
  LeftFileName.clear();
  html_.RightHtmlFileName.clear();
  html_.LeftHtmlFileName.clear();
  RichEditNx1.SetModified(false);
  RichEditNx2.SetModified(false);
  TextOpenDialog1.fileName = TextOpenDialog2.fileName = "*.txt";
  SaveDialog1.fileName = SaveDialog2.fileName = "*.txt";
  SetIMEcolor();
  ClockColor = RichEditNx1.Color();
  ClockFontColor = RichEditNx1.Font().color;
  MsgSCR1.SetColor(RichEditNx2.Color());
  MsgSCR1.SetFontColor(RichEditNx2.Font().color);
  MsgSCR1.SetInterval(0);
  LeftPaneVisible = false;
  SplitterVisible = false;
  TextOpenDialog1.initialDir = TextOpenDialog2.initialDir = ExeDir;
  ActiveImage2Click();
  SyncChecks();
  RightTextColor = RichEditNx1.Font().color;
  LeftTextColor = RichEditNx2.Font().color;
  PageSettings.AfterRestore();
  LeftPaneWidth = SavedLeftWidth;
  SyncBarControls();
  host_.SetCaption(Caption);
}

TDropDst::Context TMainForm1::DropContext() {
  TDropDst::Context c;
  c.findControl = [this](const std::string& name) { return host_.FindControl(name); };
  c.ownerForm = [this] { return host_.FindControl("MainForm1"); };
  c.acceptance = [this] { return host_.DropAcceptance(); };
  c.findHandler = [this](const std::string& name) { return FindDropHandler(name); };
  c.reportError = [this](const std::string& text) { ReportFileError(text); };
  return c;
}

// The drop targets attach to the restored panes; one that cannot is
// reported and stays detached.
void TMainForm1::LoadDropTargets() {
  for (TDropDst* target : {&DropDst1, &DropDst2}) {
    try {
      target->Loaded();
    } catch (const std::exception& e) {
      ReportFileError(e.what());
    }
  }
}

void TMainForm1::SyncChecks() {
  VH = RichEditNx1.Vertical();
  HHV = RichEditNx2.Vertical();
  WordWrap = N14 = RichEditNx1.WordWrap();
  WordWrapH = RichEditNx2.WordWrap();
  host_.MenuChecksChanged();
}

void TMainForm1::FormShow() {
  // In 64 bits: a stored width comes from a file and may be any integer.
  const long long w = SavedLeftWidth;
  long long width = w < 40 ? w + 40 : w;
  if (Bounds.width - w < 40) width = Bounds.width - 150LL;
  LeftPaneWidth = static_cast<int>(std::clamp(width, 0LL, static_cast<long long>(std::max(Bounds.width, 0))));
  host_.LayoutChanged();
  if (WasMaximized) host_.Maximize();
}

bool TMainForm1::FormCloseQuery() {
  if (!ConfirmClose()) return false;
  FinishClose();
  return true;
}

bool TMainForm1::ConfirmClose() {
  if (!RichEditNx1.Modified() && !RichEditNx2.Modified()) return true;
  return dialogs_.MessageBox(kCloseQuestion, kConfirm, MsgButtons::YesNo, MsgIcon::Information) == MsgResult::Yes;
}

void TMainForm1::FinishClose() {
  // The user has agreed to discard the text: nothing is left to ask about.
  for (TRichEditSx* pane : {&RichEditNx1, &RichEditNx2}) {
    pane->ClearAll();
    pane->SetModified(false);
  }
  if (SaveSettings) {
    try {
      SaveSettings(*this);
    } catch (const std::exception& e) {
      // The settings are lost for this run, but the window still closes.
      ReportFileError(e.what());
    }
  }
}

void TMainForm1::WMSysCommand(unsigned code) noexcept {
  const unsigned c = code & 0xFFF0u;
  if (c == 0xF030u) WasMaximized = true;
  else if (c == 0xF120u) WasMaximized = false;
}

void TMainForm1::ApplicationHint(const std::string& text) { SetPanel(4, text); }

void TMainForm1::FormResize() {
  if (LeftPaneWidth < 40) LeftPaneWidth += 40;
  if (Bounds.width - LeftPaneWidth < 40) LeftPaneWidth = std::max(Bounds.width - 100, 0);
  host_.LayoutChanged();
}

void TMainForm1::Splitter1Moved() {
  if (LeftPaneWidth < 20) {
    LeftPaneWidth = 20;
    host_.LayoutChanged();
  }
}

void TMainForm1::GetColRow() {
  const int start = RichEditNx1.SelStart();
  const int line = RichEditNx1.LineFromChar(start);
  const int col = start - std::max(RichEditNx1.LineIndex(line), 0);
  const std::string encoding = RightFormat.Name();
  SetPanel(3, std::to_string(line + 1) + "行" + std::to_string(col) + "列" + (encoding.empty() ? "" : " " + encoding));
}

void TMainForm1::SetIMEcolor() {
  const ImeColor entries[4] = {{Rgb(0, 0, 0xFF), Rgb(0xF3, 0xF4, 0xFE), 0},
                               {Rgb(0xFF, 0xFF, 0xFF), Rgb(0x80, 0x80, 0xFF), 0},
                               {Rgb(0, 0, 0xFF), Rgb(0xF0, 0xF3, 0xDC), kImeUnderline},
                               {Rgb(0, 0, 0), Rgb(0xDD, 0xF2, 0xE2), kImeUnderline}};
  RichEditNx1.SetImeColors(entries);
  RichEditNx2.SetImeColors(entries);
}

void TMainForm1::SplashClick() {
  if (form3_) form3_->FormClick();
}

void TMainForm1::SetCaptionText(const std::string& text) {
  Caption = text;
  host_.SetCaption(Caption);
}

void TMainForm1::SetPanel(int index, const std::string& text) {
  StatusBar1.Panels[static_cast<std::size_t>(index)].text = text;
  host_.StatusPanelChanged(index);
}

std::string TMainForm1::ShortenForPanel(const std::string& path, int panel) const {
  return ShortenPathToWidth(path, host_.StatusBarMeasurer(),
                            StatusBar1.Panels[static_cast<std::size_t>(panel)].width);
}

// ---- layout and display ------------------------------------------------------

void TMainForm1::ShineSpeedButton2Click() {
  LeftPaneVisible = !LeftPaneVisible;
  SplitterVisible = LeftPaneVisible;
  host_.LayoutChanged();
}

void TMainForm1::VHClick() {
  RichEditNx1.SetVertical(!RichEditNx1.Vertical());
  VH = RichEditNx1.Vertical();
  SetIMEcolor();
  host_.MenuChecksChanged();
  host_.FocusPane(PaneId::Right);
}

void TMainForm1::HHVClick() {
  RichEditNx2.SetVertical(!RichEditNx2.Vertical());
  HHV = RichEditNx2.Vertical();
  SetIMEcolor();
  host_.MenuChecksChanged();
  host_.FocusPane(PaneId::Left);
}

void TMainForm1::WordWrapClick() {
  RichEditNx1.SetWordWrap(!RichEditNx1.WordWrap());
  WordWrap = N14 = RichEditNx1.WordWrap();
  host_.MenuChecksChanged();
}

void TMainForm1::WordWrapHClick() {
  RichEditNx2.SetWordWrap(!RichEditNx2.WordWrap());
  WordWrapH = RichEditNx2.WordWrap();
  host_.MenuChecksChanged();
}

void TMainForm1::Font1Click() {
  TFont f = RichEditNx1.Font();
  if (!dialogs_.ChooseFont(f, false)) return;
  RichEditNx1.ResetColors();
  RichEditNx1.SetFont(f);
  RightTextColor = RichEditNx1.Font().color;
  ClockFontColor = RightTextColor;
  host_.Repaint();
}

void TMainForm1::ShineSpeedButton4Click() {
  TFont f = RichEditNx2.Font();
  if (!dialogs_.ChooseFont(f, false)) return;
  RichEditNx2.ResetColors();
  RichEditNx2.SetFont(f);
  LeftTextColor = RichEditNx2.Font().color;
  MsgSCR1.SetFontColor(LeftTextColor);
  host_.Repaint();
}

void TMainForm1::N7Click() {
  TColor c = RichEditNx1.Color();
  if (!dialogs_.ChooseColor(c)) return;
  RichEditNx1.SetColor(c);
  ClockColor = c;
  host_.Repaint();
}

void TMainForm1::ShineSpeedButton8Click() {
  TColor c = RichEditNx2.Color();
  if (!dialogs_.ChooseColor(c)) return;
  RichEditNx2.SetColor(c);
  MsgSCR1.SetColor(c);
  host_.Repaint();
}

void TMainForm1::N8Click() {
  TColor c = RichEditNx1.Font().color;
  if (!dialogs_.ChooseColor(c)) return;
  RichEditNx1.SetFontColor(c);
  RightTextColor = c;
  ClockFontColor = c;
  host_.Repaint();
}

void TMainForm1::N9Click() {
  TColor c = RichEditNx2.Font().color;
  if (!dialogs_.ChooseColor(c)) return;
  RichEditNx2.SetFontColor(c);
  LeftTextColor = c;
  MsgSCR1.SetFontColor(c);
  host_.Repaint();
}

void TMainForm1::ShineSpeedButton28Click() {
  SyncFontColor = RichEditNx2.Font().color;
  SyncFontName = RichEditNx2.Font().name;
  RichEditNx2.SetFont(RichEditNx1.Font());
  MsgSCR1.SetFontColor(RichEditNx2.Font().color);
  host_.Repaint();
}

void TMainForm1::ShineSpeedButton37Click() {
  TFont f = RichEditNx2.Font();
  f.color = SyncFontColor;
  if (!SyncFontName.empty()) f.name = SyncFontName;
  RichEditNx2.SetFont(f);
  host_.Repaint();
}

void TMainForm1::ActiveImage1Click() {
  ToolBars.NNBar1 = false;
  ToolBars.NNBar2 = true;
  ToolBars.ActiveImage2 = true;
  ToolbarYokoCheck();
}
void TMainForm1::ActiveImage3Click() {
  ToolBars.NNBar3 = false;
  ToolBars.NNBar2 = true;
  ToolBars.ActiveImage4 = true;
  ToolbarYokoCheck();
  if (ToolBars.NNBar1) ActiveImage2Click();
}
void TMainForm1::ActiveImage5Click() {
  ToolBars.NNBar4 = false;
  ToolBars.NNBar2 = true;
  ToolBars.ActiveImage6 = true;
  ToolbarYokoCheck();
}
void TMainForm1::ActiveImage7Click() {
  ToolBars.NNBer5 = false;
  ToolBars.NNBar2 = true;
  ToolBars.ActiveImage8 = true;
  ToolbarYokoCheck();
}
void TMainForm1::ActiveImage2Click() {
  ToolBars.ActiveImage2 = false;
  ToolBars.NNBar1 = true;
  ToolbarTateCheck();
}
void TMainForm1::ActiveImage4Click() {
  ToolBars.ActiveImage4 = false;
  ToolBars.NNBar3 = true;
  ToolbarTateCheck();
}
void TMainForm1::ActiveImage6Click() {
  ToolBars.ActiveImage6 = false;
  ToolBars.NNBar4 = true;
  ToolbarTateCheck();
}
void TMainForm1::ActiveImage8Click() {
  ToolBars.ActiveImage8 = false;
  ToolBars.NNBer5 = true;
  ToolbarTateCheck();
}

// Tabs and bars are placed in their fixed order by the host; only the tab
// strip's own visibility is decided here.
void TMainForm1::ClockLabel2Click() {
  ClockLabel2.SetInterval(ClockLabel2.Interval() == kClockInterval ? 0 : kClockInterval);
}

void TMainForm1::Print1Click() {
  IPrinter* printer = host_.Printer();
  if (!printer) return;
  std::unique_ptr<IPrintDevice> device = printer->PrintDialog();
  if (!device) return;
  BusyScope busy(hourglass_);
  PrintPane(*device, RichEditNx1, RightFileName);
}

void TMainForm1::ToolbarYokoCheck() { host_.LayoutChanged(); }

void TMainForm1::ToolbarTateCheck() {
  if (!ToolBars.ActiveImage2 && !ToolBars.ActiveImage4 && !ToolBars.ActiveImage6 && !ToolBars.ActiveImage8)
    ToolBars.NNBar2 = false;
  host_.LayoutChanged();
}

// ---- command dispatch ----------------------------------------------------------

// The commands built so far, each with its handler; the others stay
// disabled until their handlers exist.
const TMainForm1::Handler* TMainForm1::FindHandler(Command c) noexcept {
  static constexpr Handler kHandlers[] = {
    {Command::New1Click, &TMainForm1::New1Click},
    {Command::Open1Click, &TMainForm1::Open1Click},
    {Command::Save1Click, &TMainForm1::Save1Click},
    {Command::SaveAs1Click, &TMainForm1::SaveAs1Click},
    {Command::LastFile1Click, &TMainForm1::LastFile1Click},
    {Command::Exit1Click, &TMainForm1::Exit1Click},
    {Command::Undo1Click, &TMainForm1::Undo1Click},
    {Command::Redo1Click, &TMainForm1::Redo1Click},
    {Command::Cut1Click, &TMainForm1::Cut1Click},
    {Command::Copy1Click, &TMainForm1::Copy1Click},
    {Command::Paste1Click, &TMainForm1::Paste1Click},
    {Command::SelectAllClick, &TMainForm1::SelectAllClick},
    {Command::Find1Click, &TMainForm1::Find1Click},
    {Command::FindNextButtonClick, &TMainForm1::FindNextButtonClick},
    {Command::FindBack1Click, &TMainForm1::FindBack1Click},
    {Command::Replace1Click, &TMainForm1::Replace1Click},
    {Command::FindLeftButtonClick, &TMainForm1::FindLeftButtonClick},
    {Command::FindNextLButtonClick, &TMainForm1::FindNextLButtonClick},
    {Command::FindBackLButtonClick, &TMainForm1::FindBackLButtonClick},
    {Command::ShineSpeedButton7Click, &TMainForm1::ShineSpeedButton7Click},
    {Command::HidukeClick, &TMainForm1::HidukeClick},
    {Command::diaryClick, &TMainForm1::diaryClick},
    {Command::kuhaku1Click, &TMainForm1::kuhaku1Click},
    {Command::ShineSpeedButton33Click, &TMainForm1::ShineSpeedButton33Click},
    {Command::ShineSpeedButton34Click, &TMainForm1::ShineSpeedButton34Click},
    {Command::NNButton8Click, &TMainForm1::NNButton8Click},
    {Command::NNButton2Click, &TMainForm1::NNButton2Click},
    {Command::NNButton3Click, &TMainForm1::NNButton3Click},
    {Command::NNButton4Click, &TMainForm1::NNButton4Click},
    {Command::NNButton5Click, &TMainForm1::NNButton5Click},
    {Command::Edit2Change, &TMainForm1::Edit2Change},
    {Command::Edit3Change, &TMainForm1::Edit3Change},
    {Command::SCButton1Click, &TMainForm1::SCButton1Click},
    {Command::SCButton2Click, &TMainForm1::SCButton2Click},
    {Command::SCButton3Click, &TMainForm1::SCButton3Click},
    {Command::SCButton4Click, &TMainForm1::SCButton4Click},
    {Command::SCButton5Click, &TMainForm1::SCButton5Click},
    {Command::SCButton6Click, &TMainForm1::SCButton6Click},
    {Command::SCButton7Click, &TMainForm1::SCButton7Click},
    {Command::SCButton8Click, &TMainForm1::SCButton8Click},
    {Command::SCButton9Click, &TMainForm1::SCButton9Click},
    {Command::SCButton10Click, &TMainForm1::SCButton10Click},
    {Command::SCButton11Click, &TMainForm1::SCButton11Click},
    {Command::SCButton12Click, &TMainForm1::SCButton12Click},
    {Command::N24Click, &TMainForm1::N24Click},
    {Command::N25Click, &TMainForm1::N25Click},
    {Command::N26Click, &TMainForm1::N26Click},
    {Command::N27Click, &TMainForm1::N27Click},
    {Command::N28Click, &TMainForm1::N28Click},
    {Command::N29Click, &TMainForm1::N29Click},
    {Command::N30Click, &TMainForm1::N30Click},
    {Command::N31Click, &TMainForm1::N31Click},
    {Command::N32Click, &TMainForm1::N32Click},
    {Command::N33Click, &TMainForm1::N33Click},
    {Command::N34Click, &TMainForm1::N34Click},
    {Command::N35Click, &TMainForm1::N35Click},
    {Command::ShineSpeedButton12Click, &TMainForm1::ShineSpeedButton12Click},
    {Command::ShineSpeedButton5Click, &TMainForm1::ShineSpeedButton5Click},
    {Command::ShineSpeedButton13Click, &TMainForm1::ShineSpeedButton13Click},
    {Command::ShineSpeedButton22Click, &TMainForm1::ShineSpeedButton22Click},
    {Command::HtmButton11Click, &TMainForm1::HtmButton11Click},
    {Command::idou2Click, &TMainForm1::idou2Click},
    {Command::KatakanaButton1Click, &TMainForm1::KatakanaButton1Click},
    {Command::KatakanaButton2Click, &TMainForm1::KatakanaButton2Click},
    {Command::ShineSpeedButton21Click, &TMainForm1::ShineSpeedButton21Click},
    {Command::HiraganaButton1Click, &TMainForm1::HiraganaButton1Click},
    {Command::ShineSpeedButton35Click, &TMainForm1::ShineSpeedButton35Click},
    {Command::ShineSpeedButton40Click, &TMainForm1::ShineSpeedButton40Click},
    {Command::ShineSpeedButton36Click, &TMainForm1::ShineSpeedButton36Click},
    {Command::ShineSpeedButton38Click, &TMainForm1::ShineSpeedButton38Click},
    {Command::ShineSpeedButton39Click, &TMainForm1::ShineSpeedButton39Click},
    {Command::HtmButton1Click, &TMainForm1::HtmButton1Click},
    {Command::HtmButton3Click, &TMainForm1::HtmButton3Click},
    {Command::HtmButton4Click, &TMainForm1::HtmButton4Click},
    {Command::HtmButton5Click, &TMainForm1::HtmButton5Click},
    {Command::HtmButton6Click, &TMainForm1::HtmButton6Click},
    {Command::HtmButton7Click, &TMainForm1::HtmButton7Click},
    {Command::HtmButton8Click, &TMainForm1::HtmButton8Click},
    {Command::HtmButton9Click, &TMainForm1::HtmButton9Click},
    {Command::HtmButton10Click, &TMainForm1::HtmButton10Click},
    {Command::HtmButton12Click, &TMainForm1::HtmButton12Click},
    {Command::HtmButton13Click, &TMainForm1::HtmButton13Click},
    {Command::Edit4Change, &TMainForm1::Edit4Change},
    {Command::Edit5Change, &TMainForm1::Edit5Change},
    {Command::VHClick, &TMainForm1::VHClick},
    {Command::Font1Click, &TMainForm1::Font1Click},
    {Command::N7Click, &TMainForm1::N7Click},
    {Command::WordWrapClick, &TMainForm1::WordWrapClick},
    {Command::N8Click, &TMainForm1::N8Click},
    {Command::HHVClick, &TMainForm1::HHVClick},
    {Command::ShineSpeedButton4Click, &TMainForm1::ShineSpeedButton4Click},
    {Command::ShineSpeedButton8Click, &TMainForm1::ShineSpeedButton8Click},
    {Command::WordWrapHClick, &TMainForm1::WordWrapHClick},
    {Command::N9Click, &TMainForm1::N9Click},
    {Command::ShineSpeedButton28Click, &TMainForm1::ShineSpeedButton28Click},
    {Command::ShineSpeedButton37Click, &TMainForm1::ShineSpeedButton37Click},
    {Command::ShineSpeedButton2Click, &TMainForm1::ShineSpeedButton2Click},
    {Command::ActiveImage1Click, &TMainForm1::ActiveImage1Click},
    {Command::ActiveImage2Click, &TMainForm1::ActiveImage2Click},
    {Command::ActiveImage3Click, &TMainForm1::ActiveImage3Click},
    {Command::ActiveImage4Click, &TMainForm1::ActiveImage4Click},
    {Command::ActiveImage5Click, &TMainForm1::ActiveImage5Click},
    {Command::ActiveImage6Click, &TMainForm1::ActiveImage6Click},
    {Command::ActiveImage7Click, &TMainForm1::ActiveImage7Click},
    {Command::ActiveImage8Click, &TMainForm1::ActiveImage8Click},
    {Command::ClockLabel2Click, &TMainForm1::ClockLabel2Click},
    {Command::Print1Click, &TMainForm1::Print1Click},
    {Command::ShineSpeedButton3Click, &TMainForm1::ShineSpeedButton3Click},
    {Command::ShineSpeedButton18Click, &TMainForm1::ShineSpeedButton18Click},
    {Command::ShineSpeedButton17Click, &TMainForm1::ShineSpeedButton17Click},
    {Command::ShineSpeedButton14Click, &TMainForm1::ShineSpeedButton14Click},
    {Command::ShineSpeedButton15Click, &TMainForm1::ShineSpeedButton15Click},
    {Command::ShineSpeedButton16Click, &TMainForm1::ShineSpeedButton16Click},
    {Command::SoundCountButtonClick, &TMainForm1::SoundCountButtonClick},
    {Command::NNButton6Click, &TMainForm1::NNButton6Click},
    {Command::NNButton7Click, &TMainForm1::NNButton7Click},
    {Command::About1Click, &TMainForm1::About1Click},
    {Command::ShineSpeedButton25Click, &TMainForm1::ShineSpeedButton25Click},
    {Command::NNButton1Click, &TMainForm1::NNButton1Click},
    {Command::ShineSpeedButton23Click, &TMainForm1::ShineSpeedButton23Click},
    {Command::ShineSpeedButton24Click, &TMainForm1::ShineSpeedButton24Click},
  };
  for (const Handler& h : kHandlers)
    if (h.command == c) return &h;
  return nullptr;
}

bool TMainForm1::Enabled(Command c) const noexcept { return FindHandler(c) != nullptr; }

void TMainForm1::Execute(Command c) {
  if (const Handler* h = FindHandler(c)) (this->*(h->run))();
  SyncBarControls();
}

}  // namespace hanaroku
