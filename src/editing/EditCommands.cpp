// Undo, redo, cut, copy, paste and select all of the main window. Each acts
// on whichever text field has the keyboard focus, tried in the order of the
// panes, the bars' edit boxes Edit2 to Edit5 and the secondary windows' edit
// boxes, and only while the application is in front; in the panes undo and
// redo walk the pane's snapshot ring. Redo and select all serve the panes
// only.
#include <string>

#include "app/MainForm1.h"
#include "platform/Dialogs.h"
#include "platform/Encoding.h"

namespace hanaroku {

TRichEditSx* TMainForm1::FocusedPane() noexcept {
  if (!host_.ApplicationActive()) return nullptr;
  switch (host_.FocusedControl()) {
    case FocusOwner::RightPane: return &RichEditNx1;
    case FocusOwner::LeftPane: return &RichEditNx2;
    default: break;  // an edit box of the bars, or none
  }
  return nullptr;
}

void TMainForm1::SecondaryEditAction(EditBoxAction action) {
  if (!host_.ApplicationActive()) return;
  if (SettingsEditAction && SettingsEditAction(action)) return;
  if (CountGridEditAction) CountGridEditAction(action);
}

void TMainForm1::Undo1Click() {
  if (TRichEditSx* pane = FocusedPane()) return pane->Undo();
  if (!FocusedEditBoxAction(EditBoxAction::Undo)) SecondaryEditAction(EditBoxAction::Undo);
}

void TMainForm1::Redo1Click() {
  if (TRichEditSx* pane = FocusedPane()) pane->Redo();
}

void TMainForm1::ClipboardCommand(EditBoxAction action,
                                  const std::function<void(TRichEditSx&, IClipboard&)>& paneOp) {
  if (TRichEditSx* pane = FocusedPane()) {
    if (IClipboard* cb = host_.Clipboard()) paneOp(*pane, *cb);
  } else if (!FocusedEditBoxAction(action)) {
    SecondaryEditAction(action);
  }
}

void TMainForm1::Cut1Click() {
  ClipboardCommand(EditBoxAction::Cut, [](TRichEditSx& p, IClipboard& cb) { p.CutToClipboard(cb); });
}

void TMainForm1::Copy1Click() {
  ClipboardCommand(EditBoxAction::Copy, [](TRichEditSx& p, IClipboard& cb) { p.CopyToClipboard(cb); });
}

void TMainForm1::Paste1Click() {
  ClipboardCommand(EditBoxAction::Paste, [](TRichEditSx& p, IClipboard& cb) { p.PasteFromClipboard(cb); });
}

void TMainForm1::SelectAllClick() {
  if (TRichEditSx* pane = FocusedPane()) pane->SelectAll();
}

// Text typed or pasted with characters that Shift-JIS cannot hold: name
// them and let the user decide before they become "?".
bool TMainForm1::ConfirmCharacterLoss(const std::u16string& lost) {
  // Each with its code point: a character the font cannot draw shows as a box.
  const std::string shown = enc::NameCharacters(lost, 20);
  const std::string text = "次の文字はシフトJISで保存できないため「?」に置き換わります。\n\n" +
                           shown + "\n\nこのまま入力しますか。";
  return dialogs_.MessageBox(text, "確認", MsgButtons::YesNo, MsgIcon::Warning) == MsgResult::Yes;
}

}  // namespace hanaroku
