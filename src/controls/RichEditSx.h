#pragma once
// TRichEditSx: the editing pane. Text is Shift-JIS bytes with CR LF line
// ends; every position is a byte offset into Text() (a double-byte character
// counts two, a line break two). This class is the portable model: text,
// selection, display lines, colours, find, clipboard, undo ring and key
// handling. The Win32 view (platform/win32) paints it and feeds it input
// through the methods in the "Input" section.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "controls/PaneLayout.h"
#include "controls/ReplacedSpan.h"
#include "controls/UndoText.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"

namespace hanaroku {

class ColorRuns;
class IClipboard;
class IFileSystem;
class TRichEditSx;

// The pane's font; the colour is the colour of newly typed text and of text
// without a colour of its own.
using TFont = FontSpec;

// Snapshot of the whole pane kept by the undo ring. Stream and Text hold
// the same bytes, shared with each other and, for what did not change, with
// the snapshot before.
struct TRichUndoMemory {
  UndoText Stream;  // the text as Lines would save it
  int TopIndex = 0;
  int SelStart = 0;
  int SelLength = 0;
  UndoText Text;  // the text for comparisons
};

// The Lines property: the lines as displayed (wrapped pieces count), with
// the final empty line not counted.
class TRichEditLines {
 public:
  explicit TRichEditLines(TRichEditSx& owner) : owner_(owner) {}
  int Count() const;
  std::string Get(int index) const;          // without its line break
  // Lines[index] := line: the line's text without its break is replaced
  // (out of range does nothing).
  void Put(int index, std::string_view line);
  void Exchange(int a, int b);               // swaps the texts of two lines
  // All lines as displayed, from one layout of the text.
  std::vector<std::string> Strings() const;
  // The whole text as these lines, each followed by CR LF, in one change
  // (caret to 0, as SetText).
  void SetStrings(std::span<const std::string> lines);
  void Insert(int index, std::string_view line);
  void Add(std::string_view line);
  void Delete(int index);
  void Clear();
  // Suspend and resume redrawing. Nested; the pane repaints on the last
  // EndUpdate. Edits inside are collected into one rebuild of the display
  // lines and colour runs.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const;
  // Whole text as file bytes, unchanged.
  void LoadFromFile(const std::string& path, IFileSystem& fs);
  void SaveToFile(const std::string& path, IFileSystem& fs) const;
  // Split of a text into lines as a string list does it (CR LF, CR or LF end a
  // line; a final line break does not start another line).
  static std::vector<std::string> Split(std::string_view text);

 private:
  TRichEditSx& owner_;
};

// Redrawing suspended for a scope (BeginUpdate .. EndUpdate), also when the
// scope is left by an exception.
class LinesUpdateScope {
 public:
  explicit LinesUpdateScope(TRichEditLines& lines) : lines_(lines) { lines_.BeginUpdate(); }
  ~LinesUpdateScope() { lines_.EndUpdate(); }
  LinesUpdateScope(const LinesUpdateScope&) = delete;
  LinesUpdateScope& operator=(const LinesUpdateScope&) = delete;

 private:
  TRichEditLines& lines_;
};

// Raised when the pane refuses text beyond MaxLength.
class MaxLengthError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Pane-to-view notifications (the Win32 window implements it; tests may not).
class IPaneView {
 public:
  virtual ~IPaneView() = default;
  virtual void Invalidate() = 0;        // repaint (not called while updating)
  virtual void CaretMoved() = 0;        // caret or selection moved
  virtual void LayoutChanged() = 0;     // scroll ranges or direction changed
};

// The composition colours of the input method: text, background, effect.
struct ImeColor {
  TColor text = 0, background = 0;
  std::uint32_t effect = 0;
};

class TRichEditSx {
 public:
  TRichEditSx();
  ~TRichEditSx();
  TRichEditSx(const TRichEditSx&) = delete;
  TRichEditSx& operator=(const TRichEditSx&) = delete;

  // ---- text and selection (byte offsets) -------------------------------
  const std::string& Text() const noexcept;
  void SetText(std::string_view text);      // caret to 0, selection empty
  int TextLength() const noexcept;
  // Changes whenever the text changes (never the same value twice for one
  // pane), so that what was learned about a text can be kept until then.
  std::uint64_t TextStamp() const noexcept;
  int SelStart() const noexcept;
  void SetSelStart(int pos);                // collapses the selection
  int SelLength() const noexcept;
  void SetSelLength(int len);               // also scrolls the caret into view
  void Select(int start, int length);       // both at once
  std::string SelText() const;
  void SetSelText(std::string_view text);   // replaces the selection, caret after it
  // Replaces the whole text in one change (one layout rebuild, one OnChange)
  // and selects [newSelStart, newSelStart + newSelLength). Colours are
  // dropped. For whole-text rewrites such as the script conversions.
  void ReplaceAllText(std::string_view text, int newSelStart, int newSelLength);
  // The same for a rewrite that replaced the listed spans of the old text
  // (in order, not overlapping): the text outside them keeps its colours and
  // each replaced piece takes the colour of the first character it replaced,
  // as the replacements made one by one through SelText would give.
  void ReplaceSpans(std::string text, std::span<const ReplacedSpan> spans, int newSelStart, int newSelLength);
  void Clear();                             // deletes the selection
  void ClearAll();                          // empties the pane (Lines.Clear)
  void SelectAll();
  // First hit of `what` in [start, start+length) (length -1: to the end);
  // -1 when none. Hits never start on a trail byte. Without matchCase,
  // ASCII letters compare case-insensitively.
  int FindText(std::string_view what, int start, int length, bool matchCase) const;

  TRichEditLines& Lines() noexcept { return lines_; }
  const TRichEditLines& Lines() const noexcept { return lines_; }

  bool Modified() const noexcept;
  void SetModified(bool m) noexcept;
  int MaxLength() const noexcept;
  void SetMaxLength(int n) noexcept;

  // ---- line and caret properties ---------------------------------------
  int SelX() const;             // SelStart - SelLineIndex
  int SelY() const;             // display line of SelStart
  int SelLineIndex() const;     // start of line SelY
  int SelNextLineIndex() const; // start of line SelY + 1
  int SelTopIndex() const;      // first visible display line
  void SetSelTopIndex(int line);
  int SelTextCount() const;     // bytes of the selection without CR and LF
  int SelTextWideCount() const; // characters of the selection without CR and LF
  std::string SelTextDelCRLF() const;
  int LineFromChar(int pos) const;   // EM_LINEFROMCHAR
  int LineIndex(int line) const;     // EM_LINEINDEX; -1 beyond the end
  void ScrollCaret();                // EM_SCROLLCARET (deferred while updating)

  // ---- display options -------------------------------------------------
  bool Vertical() const noexcept;
  void SetVertical(bool v);     // fires OnVerticalChange when it changes
  bool WordWrap() const noexcept;
  void SetWordWrap(bool w);     // keeps selection and first visible line; fires OnWrapChange
  bool SelectionBar() const noexcept;
  void SetSelectionBar(bool b);
  std::string UseRegKey;

  const TFont& Font() const noexcept;
  void SetFont(const TFont& f);
  void SetFontColor(TColor c);  // colour of uncoloured text; coloured text keeps its colour
  TColor Color() const noexcept;  // background
  void SetColor(TColor c);

  // ---- colour per character --------------------------------------------
  // Colour of the selection (typed text then takes the colour at the caret).
  void SetSelColor(TColor c);
  // Colours [start, start + length) for every start (ascending, not
  // overlapping) in one update, leaving the selection alone.
  void SetColorEach(std::span<const std::size_t> starts, std::size_t length, TColor c);
  // Colour of the character at pos (the font colour when it has none).
  TColor CharColor(int pos) const;
  // Removes all per-character colours.
  void ResetColors();
  // The colour runs (ColorRuns::kDefault: the font colour), for painting.
  const ColorRuns& Colors() const noexcept;

  // ---- composition colours (four entries) ------------------------------
  void SetImeColors(const ImeColor (&entries)[4]);
  const ImeColor* ImeColors() const noexcept;  // four entries

  // ---- clipboard -------------------------------------------------------
  // Pasting text holding characters that code page 932 cannot store asks
  // through ConfirmLoss; the paste is cancelled when it returns false.
  void CopyToClipboard(IClipboard& cb) const;
  void CutToClipboard(IClipboard& cb);
  void PasteFromClipboard(IClipboard& cb);
  std::function<bool(const std::u16string& lostChars)> ConfirmLoss;
  // Replaces the selection with UTF-16 text as a paste does (the same fit
  // check, line breaks made CR LF, MaxLength), recording nothing; false when
  // refused or empty.
  bool InsertText(std::u16string_view text);

  // Read-only: typing, the editing keys, the input method, paste and cut
  // change nothing (cut still copies); the program's own calls still do.
  bool ReadOnly() const noexcept;
  void SetReadOnly(bool r) noexcept;

  // ---- undo ring of 15 snapshots ----------------------------------------
  bool CanUndo() const;
  bool CanRedo() const;
  void Undo();
  void Redo();
  void RecordAction(int kind);
  int UndoIndex() const noexcept;
  int UndoNewest() const noexcept;
  int UndoOldest() const noexcept;
  int LastAction() const noexcept;
  const TRichUndoMemory& UndoSlot(int i) const;
  // Bytes of text the ring keeps, each shared buffer counted once.
  std::size_t UndoHeldBytes() const;

  // ---- events ------------------------------------------------------------
  std::function<void()> OnChange;
  std::function<void()> OnSelectionChange;
  std::function<void()> OnVerticalChange;
  std::function<void()> OnWrapChange;
  std::function<void(int key, bool shift, bool ctrl)> OnKeyDown;
  std::function<void(int key, bool shift, bool ctrl)> OnKeyUp;
  std::function<void()> OnMouseDown;
  std::function<void()> OnMouseUp;

  // ---- input (called by the view) ----------------------------------------
  // Virtual-key codes as on Windows (VK_LEFT = 37 ...). Returns false when the
  // key was swallowed (Ctrl+A/C/V/X/Z) or not handled.
  bool KeyDown(int vk, bool shift, bool ctrl);
  void KeyUp(int vk, bool shift, bool ctrl);
  // Typed characters (WM_CHAR). Control characters are ignored: Enter,
  // Tab and Backspace act in KeyDown.
  void CharInput(std::u16string_view chars);
  void ImeStartComposition();                   // WM_IME_STARTCOMPOSITION
  void ImeResult(std::u16string_view result);  // composition result string
  // Mouse in client pixels.
  void MouseDown(int x, int y, bool shift);
  void MouseMove(int x, int y);                 // with the button held
  void MouseUp(int x, int y);
  void MouseDoubleClick(int x, int y);          // selects the word there
  void MouseWheel(int delta);                   // in WHEEL_DELTA units (120)

  // ---- layout and view ---------------------------------------------------
  void SetView(IPaneView* view) noexcept;
  void SetMeasurer(const ITextMeasurer* m);     // null: a FixedMeasurer of the font height
  void SetClientSize(int width, int height);
  const PaneLayout& Layout() const noexcept;
  PaneLayout& Layout() noexcept;

 private:
  friend class TRichEditLines;
  // Inserts clipboard or typed text over the selection; false when refused
  // (characters code page 932 cannot store not confirmed, or MaxLength).
  bool InsertUtf16(std::u16string_view text);
  struct Impl;
  std::unique_ptr<Impl> impl_;
  TRichEditLines lines_;
};

}  // namespace hanaroku
