// Undo, redo, cut, copy, paste and select all of the main window. Each acts
// on whichever pane has the keyboard focus, and only while the application
// is in front; in the panes undo and redo walk the pane's snapshot ring.
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

void TMainForm1::Undo1Click() {
  if (FocusedEditBoxAction(EditBoxAction::Undo)) return;
  if (TRichEditSx* pane = FocusedPane()) pane->Undo();
}

void TMainForm1::Redo1Click() {
  if (TRichEditSx* pane = FocusedPane()) pane->Redo();
}

void TMainForm1::Cut1Click() {
  if (FocusedEditBoxAction(EditBoxAction::Cut)) return;
  TRichEditSx* pane = FocusedPane();
  if (IClipboard* cb = host_.Clipboard(); pane && cb) pane->CutToClipboard(*cb);
}

void TMainForm1::Copy1Click() {
  if (FocusedEditBoxAction(EditBoxAction::Copy)) return;
  TRichEditSx* pane = FocusedPane();
  if (IClipboard* cb = host_.Clipboard(); pane && cb) pane->CopyToClipboard(*cb);
}

void TMainForm1::Paste1Click() {
  if (FocusedEditBoxAction(EditBoxAction::Paste)) return;
  TRichEditSx* pane = FocusedPane();
  if (IClipboard* cb = host_.Clipboard(); pane && cb) pane->PasteFromClipboard(*cb);
}

void TMainForm1::SelectAllClick() {
  if (FocusedEditBoxAction(EditBoxAction::SelectAll)) return;
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
