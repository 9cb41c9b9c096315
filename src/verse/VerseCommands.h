#pragma once
// TVerseCommands: the verse buttons of the left pane's tool bar NNBar3.
//   "百" ShineSpeedButton3   loads hyakunin.txt (the Hundred Poets) into the left pane
//   "句" ShineSpeedButton18  loads haiku.txt into the left pane
//   "泉" ShineSpeedButton17  puts three poems of 花守詠女 into the banner
//   "走" ShineSpeedButton14  runs (Interval 30) and stops (Interval 0) the banner
//   "設" ShineSpeedButton15  takes the left pane's selection as the banner's message
//   "白" ShineSpeedButton16  switches the banner's text between white and the
//                            left pane's text colour
//   "音" SoundCountButton    counts the morae of each line of the left pane's
//                            selection (its whole text without one) into panel 2
// The collection files lie in the program's folder and are read as they are
// (Shift-JIS, CR LF); a missing one is named in a "警告" box.
#include <functional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "verse/SoundCount.h"

namespace hanaroku {

class IDialogs;
class IFileSystem;
class TMsgSCR;
class TRichEditSx;

// Writes a UTF-8 text into a status bar panel (0-based).
using StatusPanelSink = std::function<void(int panel, const std::string& utf8)>;

class TVerseCommands {
 public:
  static constexpr const char* kHyakuninFile = "hyakunin.txt";
  static constexpr const char* kHaikuFile = "haiku.txt";
  static constexpr int kMaxMessageChars = 125;
  static constexpr unsigned kRunInterval = 30;  // ms between two steps of the banner
  // The three poems of "泉".
  static const char* const kIzumiPoems;

  // What the commands read of the main window: references into it, so that
  // they always see its current state.
  struct Window {
    const bool& leftPaneVisible;
    const std::string& exeDir;        // with its trailing separator
    const TColor& leftTextColor;
  };
  // Loads a file into the left pane in the left pane's text colour and marks
  // it unmodified; false (the failure reported) when it cannot be read.
  using PaneLoader = std::function<bool(const std::string& path)>;
  // A path shortened to the width of a status bar panel.
  using PathShortener = std::function<std::string(const std::string& path, int panel)>;

  TVerseCommands(TRichEditSx& leftPane, TMsgSCR& banner, IFileSystem& fs, IDialogs& dialogs, Window window,
                 PaneLoader load, StatusPanelSink status, PathShortener shorten);

  void ShineSpeedButton3Click();
  void ShineSpeedButton18Click();
  void ShineSpeedButton17Click();
  void ShineSpeedButton14Click();
  void ShineSpeedButton15Click();
  void ShineSpeedButton16Click();

  // "走" while the banner stands, "停" while it runs.
  const std::string& ShineSpeedButton14Caption() const noexcept { return runCaption_; }
  void SoundCountButtonClick();
  // The lines of the last count; firstLine is the number (from 1) of the
  // pane's line where the counted text begins.
  struct SoundCountRows {
    int firstLine = 1;
    std::vector<verse::LineCount> lines;
  };
  const SoundCountRows& LastSoundCount() const noexcept { return lastCount_; }
  // Called after a count, for a window that shows its rows.
  std::function<void()> OnSoundCounted;

  // Called after the caption of ShineSpeedButton14 changed.
  std::function<void()> OnRunCaptionChanged;

 private:
  // Loads a collection file; panel 0 then shows its whole path or its name.
  void LoadCollection(const std::string& fileName, bool wholePathInPanel);
  void SetRunCaption(const char* caption);

  TRichEditSx& pane_;
  TMsgSCR& banner_;
  IFileSystem& fs_;
  IDialogs& dialogs_;
  Window window_;
  PaneLoader load_;
  StatusPanelSink status_;
  PathShortener shorten_;
  std::string runCaption_ = "走";
  SoundCountRows lastCount_;
};

}  // namespace hanaroku
