#include "windows/SecondaryWindows.h"

namespace hanaroku {

TSecondaryWindows::TSecondaryWindows(AboutBoxSettings settings, TLauncher::Fields launcher, IDialogs& dialogs,
                                     IShell& shell, IFileSystem& fs, TLauncher::Shortener shortenForHint)
    : settings_(settings), dialogs_(dialogs), shell_(shell), fs_(fs), launcher_(launcher, shell, std::move(shortenForHint)) {}

TSecondaryWindows::~TSecondaryWindows() = default;

void TSecondaryWindows::About1Click() {
  if (!about_) {
    about_ = std::make_unique<TAboutBox>(settings_, launcher_, shell_, fs_);
    about_->OnApplied = [this] {
      if (OnSettingsApplied) OnSettingsApplied();
    };
    try {
      if (host_) host_->CreateAboutBox(*about_);
    } catch (...) {
      about_.reset();  // no window: the next command tries again
      throw;
    }
    about_->FormCreate();
  }
  if (host_) host_->ShowAboutBox();
}

void TSecondaryWindows::NNButton1Click() {
  if (form2_) return;  // the window there is keeps its rows
  form2_ = std::make_unique<TForm2>(dialogs_, fs_);
  try {
    if (host_) host_->CreateCountGrid(*form2_);
  } catch (...) {
    form2_.reset();
    throw;
  }
  form2_->FormCreate();
  if (host_) host_->ShowCountGrid();
}

void TSecondaryWindows::RecordResult(const std::string& colorString, const std::string& count,
                                     const std::string& elapsed) {
  if (!form2_ || (host_ && !host_->CountGridVisible())) return;
  form2_->AddRecord(colorString, count, elapsed);
}

void TSecondaryWindows::RecordSoundCount(int firstLine, const std::vector<verse::LineCount>& lines) {
  if (!form2_ || (host_ && !host_->CountGridVisible())) return;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].patternTotal != 0) form2_->AddSoundCount(firstLine + static_cast<int>(i), lines[i]);
}

bool TSecondaryWindows::SettingsEditAction(EditBoxAction action) {
  return about_ && about_->FocusedFieldAction(action);
}

void TSecondaryWindows::CountGridEditAction(EditBoxAction action) {
  if (form2_) form2_->EditorAction(action);
}

}  // namespace hanaroku
