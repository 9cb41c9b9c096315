#pragma once
// PaneEditAccess: the pane as the platform edit control answers the standard
// edit messages (screen readers, automation tools, users' scripts): text in
// UTF-16, positions in UTF-16 characters with CR LF counting two, lines as
// displayed (wrapped lines count, as in a multi-line edit control with word
// wrap, and a text ending in a line break has an empty last line). The
// Win32 pane window turns the messages into these calls.
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/Utf16Positions.h"

namespace hanaroku {

class TRichEditSx;

class PaneEditAccess {
 public:
  explicit PaneEditAccess(TRichEditSx& pane) : pane_(pane) {}

  std::u16string GetText() const;                    // WM_GETTEXT
  std::size_t GetTextLength() const;                 // WM_GETTEXTLENGTH
  // WM_SETTEXT: the whole text, through the same code page 932 fit check as
  // a paste (ConfirmLoss) and MaxLength; the old text stays undoable. False
  // when refused; the pane is unchanged then.
  bool SetText(std::u16string_view text);
  struct Selection {
    std::size_t start = 0, end = 0;
  };
  Selection GetSel() const;                          // EM_GETSEL
  // EM_SETSEL: start -1 leaves the caret where it is and selects nothing;
  // any other negative value or one beyond the text means its end. The
  // lower value starts the selection. The caret is scrolled into view.
  void SetSel(std::int64_t start, std::int64_t end);
  // EM_REPLACESEL: replaces the selection (an empty text deletes it); with
  // canUndo the state before is kept for undo. False when refused.
  bool ReplaceSel(std::u16string_view text, bool canUndo);
  int LineCount() const;                             // EM_GETLINECOUNT, at least 1
  // EM_LINEINDEX: first character of a line (-1: the caret's line); -1 for a
  // line beyond the last.
  std::int64_t LineIndex(std::int64_t line) const;
  // EM_LINELENGTH: characters of the line holding a character, without its
  // line break; -1: the unselected characters on the lines the selection
  // touches; 0 beyond the text.
  std::size_t LineLength(std::int64_t ch) const;
  // EM_GETLINE: the text of a line without its line break; empty beyond the last.
  std::u16string GetLine(std::int64_t line) const;
  // EM_LINEFROMCHAR: the line holding a character (-1: the selection's
  // start); beyond the text, the last line.
  int LineFromChar(std::int64_t ch) const;

 private:
  const Utf16Positions& Positions() const;  // up to date with the pane's text
  std::size_t Units(std::size_t byte) const;
  std::size_t Bytes(std::size_t units) const;

  TRichEditSx& pane_;
  mutable Utf16Positions positions_;
  mutable std::uint64_t generation_ = 0;
  mutable bool indexed_ = false;
};

}  // namespace hanaroku
