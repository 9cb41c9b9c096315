#include "verse/VerseCommands.h"

#include "controls/RichEditSx.h"
#include "platform/Dialogs.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "verse/MsgSCR.h"

namespace hanaroku {
namespace {

constexpr TColor kWhite = 0xFFFFFF;

}  // namespace

const char* const TVerseCommands::kIzumiPoems =
    "はるがすみたつやおそきと山がはの岩間をくくるおと聞こゆなり　　"
    "くらきよりくらき道にぞ入りぬべきはるかに照らせ山の端の月 　"
    "白露も夢もこの世もまぼろしもたとへていへばひさしかりけり　花守詠女";

TVerseCommands::TVerseCommands(TRichEditSx& leftPane, TMsgSCR& banner, IFileSystem& fs, IDialogs& dialogs,
                               Window window, PaneLoader load, StatusPanelSink status, PathShortener shorten)
    : pane_(leftPane),
      banner_(banner),
      fs_(fs),
      dialogs_(dialogs),
      window_(window),
      load_(std::move(load)),
      status_(std::move(status)),
      shorten_(std::move(shorten)) {}

void TVerseCommands::LoadCollection(const std::string& fileName, bool wholePathInPanel) {
  if (!window_.leftPaneVisible) return;
  const std::string path = window_.exeDir + fileName;
  if (!fs_.FileExists(path)) {
    dialogs_.MessageBox(path + " は、存在しません", "警告", MsgButtons::Ok, MsgIcon::Warning);
    return;
  }
  if (!load_(path)) return;
  status_(0, shorten_(wholePathInPanel ? path : fileName, 0));
}

void TVerseCommands::ShineSpeedButton3Click() { LoadCollection(kHyakuninFile, true); }

void TVerseCommands::ShineSpeedButton18Click() { LoadCollection(kHaikuFile, false); }

void TVerseCommands::SoundCountButtonClick() {
  if (!window_.leftPaneVisible) return;
  const std::string& text = pane_.Text();
  const bool selection = pane_.SelLength() > 0;
  const std::size_t start = selection ? static_cast<std::size_t>(pane_.SelStart()) : 0;
  int line = 1;
  for (std::size_t i = 0; i < start && i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
  lastCount_.firstLine = line;
  lastCount_.lines = verse::CountLines(enc::SjisToUtf16(selection ? pane_.SelText() : text));
  status_(2, verse::Summary(lastCount_.lines));
  if (OnSoundCounted) OnSoundCounted();
}

void TVerseCommands::ShineSpeedButton17Click() { banner_.SetMsg(kIzumiPoems); }

void TVerseCommands::SetRunCaption(const char* caption) {
  runCaption_ = caption;
  if (OnRunCaptionChanged) OnRunCaptionChanged();
}

void TVerseCommands::ShineSpeedButton14Click() {
  if (banner_.Interval() == 0) {
    banner_.SetInterval(kRunInterval);
    SetRunCaption("停");
  } else {
    banner_.SetInterval(0);
    SetRunCaption("走");
  }
}

void TVerseCommands::ShineSpeedButton15Click() {
  const int count = pane_.SelTextWideCount();
  status_(2, std::to_string(count) + "字選択");
  if (count > kMaxMessageChars) {
    dialogs_.MessageBox("125文字　三首 六句 までです", "Hanaroku", MsgButtons::Ok, MsgIcon::None);
    return;
  }
  banner_.SetMsg(enc::SjisToUtf8(pane_.SelText()));
}

void TVerseCommands::ShineSpeedButton16Click() {
  banner_.SetFontColor(banner_.Font().color == kWhite ? window_.leftTextColor : kWhite);
}

}  // namespace hanaroku
