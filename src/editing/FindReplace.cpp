#include "editing/FindReplace.h"

#include <new>

#include "controls/RichEditSx.h"
#include "convert/ReplaceAll.h"
#include "platform/Dialogs.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

using O = TFindOption;

// A replacement is an action of its own in the pane's undo history: the
// state before it is kept as a paste keeps it.
constexpr int kReplaceAction = 6;

TFindDialog MakeDialog(FindDialogKind kind, const char* name, TFindOptions options) {
  TFindDialog d;
  d.Kind = kind;
  d.Name = name;
  d.Options = options;
  return d;
}

}  // namespace

TFindReplace::TFindReplace(TRichEditSx& right, TRichEditSx& left, IDialogs& dialogs,
                           FindDialogsSource findDialogs, FocusPane focus)
    : FindDialog1(MakeDialog(FindDialogKind::Find, "FindDialog1",
                             {O::frDown, O::frFindNext, O::frHideMatchCase, O::frHideWholeWord, O::frMatchCase,
                              O::frDisableMatchCase})),
      FindDialog2(MakeDialog(FindDialogKind::Find, "FindDialog2",
                             {O::frDown, O::frHideMatchCase, O::frHideWholeWord, O::frMatchCase})),
      ReplaceDialog1(MakeDialog(FindDialogKind::Replace, "ReplaceDialog1",
                                {O::frDown, O::frHideMatchCase, O::frHideWholeWord, O::frHideUpDown, O::frMatchCase,
                                 O::frDisableUpDown, O::frReplace, O::frReplaceAll})),
      ReplaceDialog2(MakeDialog(FindDialogKind::Replace, "ReplaceDialog2",
                                {O::frDown, O::frHideMatchCase, O::frHideWholeWord, O::frHideUpDown, O::frMatchCase,
                                 O::frDisableUpDown})),
      right_(right),
      left_(left),
      dialogs_(dialogs),
      findDialogs_(std::move(findDialogs)),
      focus_(std::move(focus)) {
  FindDialog1.OnFind = [this] { FindDialog1Find(); };
  FindDialog2.OnFind = [this] { FindDialog2Find(); };
  // The replace dialogs' find-next button does nothing.
  ReplaceDialog1.OnReplace = [this] { ReplaceDialog1Replace(); };
  ReplaceDialog2.OnReplace = [this] { ReplaceDialog2Replace(); };
}

// ---- the commands ------------------------------------------------------------

void TFindReplace::Find1Click() { Open(right_, FindDialog1); }
void TFindReplace::FindNextButtonClick() { FindForward(rightSide_, true); }
void TFindReplace::FindBack1Click() { FindBackward(rightSide_); }
void TFindReplace::Replace1Click() { Open(right_, ReplaceDialog1); }
void TFindReplace::FindDialog1Find() {
  FindDialog1.Options.Contains(O::frDown) ? FindForward(rightSide_, false) : FindBackward(rightSide_);
}
void TFindReplace::ReplaceDialog1Replace() { OnReplace(rightSide_); }
void TFindReplace::DoReplace() { Replace(rightSide_); }
void TFindReplace::DoReplaceAll() { ReplaceAll(rightSide_); }

void TFindReplace::FindLeftButtonClick() { Open(left_, FindDialog2); }
void TFindReplace::FindNextLButtonClick() { FindForward(leftSide_, false); }
void TFindReplace::FindBackLButtonClick() { FindBackward(leftSide_); }
void TFindReplace::ShineSpeedButton7Click() { Open(left_, ReplaceDialog2); }
void TFindReplace::FindDialog2Find() {
  FindDialog2.Options.Contains(O::frDown) ? FindForward(leftSide_, false) : FindBackward(leftSide_);
}
void TFindReplace::ReplaceDialog2Replace() { OnReplace(leftSide_); }
void TFindReplace::DoReplaceL() { Replace(leftSide_); }
void TFindReplace::DoReplaceAllL() { ReplaceAll(leftSide_); }

// ---- the operations --------------------------------------------------------------

void TFindReplace::Open(TRichEditSx& pane, TFindDialog& dialog) {
  if (pane.SelLength() > 0) dialog.FindText = enc::SjisToUtf8(pane.SelText());
  if (IFindDialogs* dialogs = findDialogs_ ? findDialogs_() : nullptr) dialogs->Execute(dialog);
}

void TFindReplace::SelectHit(TRichEditSx& pane, int hit, std::size_t length) {
  if (focus_) focus_(pane);
  pane.Select(hit, static_cast<int>(length));
}

void TFindReplace::FindForward(const Side& side, bool scrollCaret) {
  TRichEditSx& pane = side.pane;
  const std::optional<std::string> what = SearchText(side.find.FindText);
  const int start = pane.SelLength() > 0 ? pane.SelStart() + pane.SelLength() : 0;
  const int hit = what ? pane.FindText(*what, start, pane.TextLength() - start, true) : -1;
  if (hit < 0) {
    dialogs_.Beep();
    return;
  }
  if (scrollCaret) pane.ScrollCaret();
  SelectHit(pane, hit, what->size());
}

void TFindReplace::FindBackward(const Side& side) {
  TRichEditSx& pane = side.pane;
  const std::optional<std::string> what = SearchText(side.find.FindText);
  int hit = -1;
  {
    LinesUpdateScope update(pane.Lines());
    if (what) hit = RichEdFindBack(pane, *what, pane.SelStart());
  }
  if (hit < 0) {
    dialogs_.Beep();
    return;
  }
  SelectHit(pane, hit, what->size());
}

// The walk of forward searches from the top, each starting where the
// previous hit ended. A hit of the pane's search never reaches past the end
// of the range searched, so the walk never meets a range of negative length.
int TFindReplace::RichEdFindBack(const TRichEditSx& pane, std::string_view text, int limit) {
  return back_.Find(pane, text, limit);
}

void TFindReplace::OnReplace(const Side& side) {
  if (side.replace.Options.Contains(O::frReplace))
    Replace(side);
  else if (side.replace.Options.Contains(O::frReplaceAll))
    ReplaceAll(side);
}

void TFindReplace::Replace(const Side& side) {
  TRichEditSx& pane = side.pane;
  const std::optional<std::string> what = SearchText(side.replace.FindText);
  const int at = what ? pane.FindText(*what, 0, -1, true) : -1;
  if (at < 0) {
    dialogs_.MessageBox("Could not find \"" + side.replace.FindText + "\" in Hanaroku.", "エラー", MsgButtons::Ok,
                        MsgIcon::Error);
    return;
  }
  const std::optional<std::string> replacement = ReplacementText(pane, side.replace.ReplaceText);
  if (!replacement) return;
  pane.RecordAction(kReplaceAction);
  pane.Select(at, static_cast<int>(what->size()));
  pane.SetSelText(*replacement);
}

void TFindReplace::ReplaceAll(const Side& side) {
  TRichEditSx& pane = side.pane;
  const std::optional<std::string> what = SearchText(side.replace.FindText);
  if (!what || pane.FindText(*what, 0, -1, true) < 0) return;
  const std::optional<std::string> replacement = ReplacementText(pane, side.replace.ReplaceText);
  if (!replacement) return;
  pane.RecordAction(kReplaceAction);
  // A replacement that holds its search text goes on after the text it put
  // in; one that makes new occurrences with its neighbours without end stops
  // at the pane's maximum length, and then nothing is replaced.
  std::string refused;
  try {
    DoReplaceAll2(pane, *what, *replacement);
  } catch (const MaxLengthError& e) {
    refused = e.what();
  } catch (const std::bad_alloc&) {
    refused = "メモリが足りません。";
  }
  if (!refused.empty())
    dialogs_.MessageBox(refused + "\nすべて置換は取りやめました。テキストは変更されていません。", "置換",
                        MsgButtons::Ok, MsgIcon::Warning);
}

std::optional<std::string> TFindReplace::SearchText(const std::string& utf8) {
  std::u16string lost;
  std::string sjis = enc::Utf8ToSjis(utf8, &lost);
  if (!lost.empty() || sjis.empty()) return std::nullopt;
  return sjis;
}

std::optional<std::string> TFindReplace::ReplacementText(const TRichEditSx& pane, const std::string& utf8) {
  std::u16string lost;
  std::string sjis = enc::Utf8ToSjis(utf8, &lost);
  if (!lost.empty() && pane.ConfirmLoss && !pane.ConfirmLoss(lost)) return std::nullopt;
  return sjis;
}

}  // namespace hanaroku
