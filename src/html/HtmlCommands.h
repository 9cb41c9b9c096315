#pragma once
// THtmlCommands: the commands of the HTML tool bar NNBer5 and of the long-
// text buttons. They turn verse into pages in vertical writing (the left
// pane's verse, a long text of the right pane, a block inserted into the
// page in the right pane), save and preview pages, turn soft line breaks
// into hard ones and set the page settings (colours, font, base and quick
// settings, title texts).
//
// Conversions run as long commands (stopwatch, hourglass; the clean-up also
// after an error). A page is saved atomically; when it uses the symbol
// images and no "kigou" folder stands beside it, the user is offered a copy
// of the program's set.
#include <initializer_list>
#include <string>
#include <utility>

#include "platform/Canvas.h"

namespace hanaroku {

class IDialogs;
class IFileSystem;
class IShell;
class THtmlPageSettings;
class TRichEditSx;
struct LongCommandEnv;

// What the commands need of the main window.
class IHtmlCommandsHost {
 public:
  virtual ~IHtmlCommandsHost() = default;
  virtual bool LeftPaneVisible() const = 0;
  virtual void ShowLeftPane() = 0;         // ShineSpeedButton2Click
  virtual void CopyRightToLeft() = 0;      // HtmButton11Click
  // A pane's word wrap changed: the menu checks WordWrap and WordWrapH follow.
  virtual void WordWrapChanged() = 0;
  // The tool bar shows the page settings anew (edit texts, captions, hints).
  virtual void PageControlsChanged() = 0;
  // The program's folder, with its trailing separator: the symbol images
  // offered for copying are in its "kigou" folder.
  virtual std::string ProgramDir() const = 0;
};

// A save dialog's remembered file name.
struct PageSaveDialog {
  std::string fileName;
};

class THtmlCommands {
 public:
  // All references must outlive this object.
  THtmlCommands(TRichEditSx& right, TRichEditSx& left, THtmlPageSettings& settings, LongCommandEnv& env,
                IDialogs& dialogs, IFileSystem& fs, IShell& shell, IHtmlCommandsHost& host);

  // Pages.
  void HtmButton1Click();          // "換": the left pane's verse into a page
  void ShineSpeedButton35Click();  // "H": a long text of the right pane into a page, saved and previewed
  void ShineSpeedButton40Click();  // "F": the quick settings for long texts
  void ShineSpeedButton36Click();  // "H": the right pane's text into a page, saved and previewed
  void ShineSpeedButton38Click();  // "挿": the left pane's verse inserted into the right pane's page
  void ShineSpeedButton39Click();  // "保": the right pane saved as a page, previewed
  void HtmButton3Click();          // "保": the left pane saved as a page, previewed
  void HtmButton4Click();          // "起": preview of the left pane's page
  void HtmButton13Click();         // "改": the left pane's display lines become its lines

  // Page settings.
  void HtmButton5Click();   // page colour
  void HtmButton6Click();   // first line colour
  void HtmButton7Click();   // second line colour
  void HtmButton12Click();  // heading colour
  void HtmButton10Click();  // rule colour
  void HtmButton8Click();   // Mincho / Gothic
  void HtmButton9Click();   // base settings
  void Edit4Change(const std::string& text);  // the title
  void Edit5Change(const std::string& text);  // the page title

  std::string LeftHtmlFileName;   // the last page saved by HtmButton3
  std::string RightHtmlFileName;  // the last page saved by the long-text, one-step and insertion commands
  std::string Edit4Hint, Edit5Hint;
  PageSaveDialog SaveDialog3, SaveDialog4;
  TColor ColorDialogColor = 0;    // the colour dialog shows its last colour

 private:
  void SetWordWrap(TRichEditSx& pane, bool on);  // and the menu checks
  void Message(const char* text);
  void ReportError(const std::string& text);
  // Save dialog by "拡"; writes the pane, marks it unmodified; true when saved.
  bool SavePage(TRichEditSx& pane, PageSaveDialog& dialog, std::string& savedName);
  // SaveDialog4 and RightHtmlFileName, then the preview when "起" is on.
  void SaveAndPreview(TRichEditSx& pane);
  void OfferSymbolImages(const std::string& pagePath);
  void Preview(const std::string& fileName);
  void SetBoxes(std::initializer_list<std::pair<int, bool>> boxes);
  void PickColor(std::string& setting, std::string* saved);

  TRichEditSx& right_;
  TRichEditSx& left_;
  THtmlPageSettings& settings_;
  LongCommandEnv& env_;
  IDialogs& dialogs_;
  IFileSystem& fs_;
  IShell& shell_;
  IHtmlCommandsHost& host_;
};

}  // namespace hanaroku
