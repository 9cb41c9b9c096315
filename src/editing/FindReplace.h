#pragma once
// TFindReplace: find and replace in both panes. Each pane has its own find
// dialog and replace dialog (the platform's modeless ones) and its own
// commands for the next and the previous hit; the right pane's and the left
// pane's handlers are twins that differ only in the pane and the dialogs.
//
// Searches are case-sensitive, never whole-word only, and only find whole
// characters. Find next starts at the end of a non-empty selection, or at
// the top of the text (never at the caret) and never wraps; find previous
// gives the last hit, before the selection, of the walk of forward searches
// from the top. Replace acts on the first occurrence in the text, whatever
// is selected. Replace all gives the result of replacing the first
// occurrence again and again until none is left, in one pass, as one
// update and one undo step of the pane.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editing/BackwardSearch.h"
#include "platform/FindDialogs.h"

namespace hanaroku {

class IDialogs;
class TRichEditSx;

class TFindReplace {
 public:
  using FindDialogsSource = std::function<IFindDialogs*()>;  // null: no dialogs can be shown
  using FocusPane = std::function<void(TRichEditSx&)>;
  TFindReplace(TRichEditSx& right, TRichEditSx& left, IDialogs& dialogs, FindDialogsSource findDialogs,
               FocusPane focus);
  TFindReplace(const TFindReplace&) = delete;
  TFindReplace& operator=(const TFindReplace&) = delete;

  TFindDialog FindDialog1, FindDialog2;        // right, left
  TFindDialog ReplaceDialog1, ReplaceDialog2;  // right, left

  // Right pane.
  void Find1Click();
  void FindNextButtonClick();
  void FindBack1Click();
  void Replace1Click();
  void FindDialog1Find();
  void ReplaceDialog1Replace();
  void DoReplace();
  void DoReplaceAll();
  // Left pane.
  void FindLeftButtonClick();
  void FindNextLButtonClick();
  void FindBackLButtonClick();
  void ShineSpeedButton7Click();
  void FindDialog2Find();
  void ReplaceDialog2Replace();
  void DoReplaceL();
  void DoReplaceAllL();

  // Start of the last hit of `text` before `limit` in the walk of forward
  // searches from the top (case-sensitive); -1 when there is none.
  int RichEdFindBack(const TRichEditSx& pane, std::string_view text, int limit);

 private:
  struct Side {
    TRichEditSx& pane;
    TFindDialog& find;
    TFindDialog& replace;
  };
  void Open(TRichEditSx& pane, TFindDialog& dialog);
  void FindForward(const Side& side, bool scrollCaret);
  void FindBackward(const Side& side);
  void Replace(const Side& side);
  void ReplaceAll(const Side& side);
  void OnReplace(const Side& side);
  void SelectHit(TRichEditSx& pane, int hit, std::size_t length);
  // The dialog's search text in the pane's code page; none when code page
  // 932 cannot hold it (then it cannot occur in a pane).
  static std::optional<std::string> SearchText(const std::string& utf8);
  // The replacement in the pane's code page; none when it would lose
  // characters and the user does not agree.
  static std::optional<std::string> ReplacementText(const TRichEditSx& pane, const std::string& utf8);

  TRichEditSx& right_;
  TRichEditSx& left_;
  IDialogs& dialogs_;
  FindDialogsSource findDialogs_;
  FocusPane focus_;
  Side rightSide_{right_, FindDialog1, ReplaceDialog1};
  Side leftSide_{left_, FindDialog2, ReplaceDialog2};
  BackwardSearch back_;
};

}  // namespace hanaroku
