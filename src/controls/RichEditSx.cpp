// TRichEditSx: text, selection, properties, colours, clipboard and undo.
// Key and mouse input are in RichEditInput.cpp, Lines in RichEditLines.cpp.
#include "controls/RichEditSx.h"

#include <algorithm>
#include <limits>

#include "controls/RichEditImpl.h"
#include "controls/RichEditText.h"
#include "platform/Clipboard.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

constexpr int kSelectionBarWidth = 8;  // the left margin in which a click selects lines
constexpr int kPadding = 2;            // between the edge and the text otherwise

std::size_t ClampPos(long long pos, std::size_t size) noexcept {
  if (pos < 0) return 0;
  return static_cast<std::size_t>(pos) > size ? size : static_cast<std::size_t>(pos);
}

int ToInt(std::size_t v) noexcept {
  return v > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                        : static_cast<int>(v);
}

}  // namespace

// ---- Impl -------------------------------------------------------------------

TRichEditSx::Impl::Impl(TRichEditSx& owner) : self(owner) {
  layout.SetVertical(vertical);
  layout.SetWordWrap(wordWrap);
  layout.SetMargin(Margin());
  ApplyMeasurer();
  SetDefaultImeColors();
}

int TRichEditSx::Impl::Margin() const noexcept { return selectionBar ? kSelectionBarWidth : kPadding; }

void TRichEditSx::Impl::ApplyMeasurer() {
  if (measurer) {
    ownMeasurer.reset();
    layout.SetMeasurer(measurer);
  } else {
    ownMeasurer = std::make_unique<FixedMeasurer>(std::max(1, font.height));
    layout.SetMeasurer(ownMeasurer.get());
  }
  NoteRelayout();
}

void TRichEditSx::Impl::NoteEdit(std::size_t pos, std::size_t removed, std::size_t inserted) noexcept {
  if (layoutState == LayoutState::Clean) {
    layoutState = LayoutState::Pending;
    pendingPos = pos;
    pendingRemoved = removed;
    pendingInserted = inserted;
  } else {
    layoutState = LayoutState::Dirty;
  }
}

void TRichEditSx::Impl::EnsureLayout() const {
  switch (layoutState) {
    case LayoutState::Clean:
      return;
    case LayoutState::Pending:
      layout.Update(text, pendingPos, pendingRemoved, pendingInserted);
      break;
    case LayoutState::Dirty:
      layout.Rebuild(text);
      break;
  }
  layoutState = LayoutState::Clean;
}

bool TRichEditSx::Impl::FitsLength(std::size_t removed, std::size_t inserted) const noexcept {
  if (maxLength <= 0) return true;
  return text.size() - removed + inserted <= static_cast<std::size_t>(maxLength);
}

void TRichEditSx::Impl::CheckLength(std::size_t removed, std::size_t inserted) const {
  if (!FitsLength(removed, inserted))
    throw MaxLengthError("テキストが最大長 (" + std::to_string(maxLength) + " バイト) を超えます。");
}

TColor TRichEditSx::Impl::InsertionColor() const noexcept {
  if (insertColor) return *insertColor;
  std::size_t s = SelStart();
  if (s != SelEnd()) return colors.At(s);   // the first replaced character
  if (s > 0) return colors.At(s - 1);       // the character before the caret
  return colors.At(0);
}

void TRichEditSx::Impl::Replace(std::size_t pos, std::size_t removed, std::string_view ins, TColor color,
                                std::size_t newAnchor, std::size_t newCaret, bool scroll) {
  // A stray lead byte (one left without its trail byte, before a line break
  // or at the end) must not pair with the byte the edit puts after it, and
  // one that ends the inserted text must not pair with the byte after the
  // edit: either would change the characters outside the edit. Such a byte
  // becomes "?".
  const std::size_t after = pos + removed;
  const bool textFollows = after < text.size() && !richtext::IsBreakByte(text[after]);
  const bool somethingFollows = ins.empty() ? textFollows : !richtext::IsBreakByte(ins.front());
  std::size_t leadFixed = 0;
  if (pos > 0 && somethingFollows && richtext::IsStrayLead(text, pos - 1)) {
    text[pos - 1] = '?';
    leadFixed = 1;
  }
  std::string fixedIns;
  if (textFollows && !ins.empty() && richtext::IsStrayLead(ins, ins.size() - 1)) {
    fixedIns.assign(ins);
    fixedIns.back() = '?';
    ins = fixedIns;
  }
  text.replace(pos, removed, ins);
  ++textStamp;
  colors.Replace(pos, removed, ins.size(), color);
  NoteEdit(pos - leadFixed, removed + leadFixed, ins.size() + leadFixed);
  modified = true;
  insertColor.reset();
  const bool moved = newAnchor != anchor || newCaret != caret;
  anchor = richtext::SnapBack(text, newAnchor);
  caret = richtext::SnapForward(text, newCaret);
  goalInline = -1;
  Changed(scroll, moved);
}

void TRichEditSx::Impl::AssignText(std::string newText, bool modifiedAfter, std::size_t a, std::size_t c,
                                   bool scroll, ColorRuns* colorsAfter) {
  text = std::move(newText);
  ++textStamp;
  if (colorsAfter)
    colors = std::move(*colorsAfter);
  else
    colors.Reset(text.size());
  insertColor.reset();
  NoteRelayout();
  modified = modifiedAfter;
  a = richtext::SnapBack(text, a);
  c = a == c ? a : richtext::SnapForward(text, c);
  const bool moved = anchor != a || caret != c;
  anchor = a;
  caret = c;
  goalInline = -1;
  Changed(scroll, moved);
}

bool TRichEditSx::Impl::TypeText(std::string_view sjis) {
  const std::size_t s = SelStart(), len = SelEnd() - s;
  if (sjis.empty() && len == 0) return true;
  if (!FitsLength(len, sjis.size())) return false;
  const std::size_t end = s + sjis.size();
  Replace(s, len, sjis, InsertionColor(), end, end, true);
  return true;
}

void TRichEditSx::Impl::Changed(bool scroll, bool selectionMoved) {
  if (Updating()) {
    scrollPending = scrollPending || scroll;
    viewPending = true;
  } else {
    EnsureLayout();
    if (scroll) layout.ScrollIntoView(text, caret);
    if (view) {
      view->LayoutChanged();
      view->Invalidate();
      view->CaretMoved();
    }
  }
  FireChange();
  if (selectionMoved) FireSelectionChange();
}

void TRichEditSx::Impl::SetSelection(std::size_t newAnchor, std::size_t newCaret, bool scroll) {
  const bool moved = newAnchor != anchor || newCaret != caret;
  anchor = newAnchor;
  caret = newCaret;
  goalInline = -1;
  if (moved) insertColor.reset();
  if (Updating()) {
    scrollPending = scrollPending || scroll;
    viewPending = viewPending || moved || scroll;
  } else if (moved || scroll) {
    bool scrolled = false;
    if (scroll) {
      EnsureLayout();
      const int top = layout.TopLine(), inl = layout.InlineScroll();
      layout.ScrollIntoView(text, caret);
      scrolled = top != layout.TopLine() || inl != layout.InlineScroll();
    }
    if (view) {
      if (scrolled) view->LayoutChanged();
      view->Invalidate();
      view->CaretMoved();
    }
  }
  if (moved) FireSelectionChange();
}

void TRichEditSx::Impl::SetTopLine(int line) {
  EnsureLayout();
  const int last = std::max(0, layout.AllLines() - 1);
  line = std::clamp(line, 0, last);
  if (line == layout.TopLine()) return;
  layout.SetTopLine(line);
  if (Updating()) {
    viewPending = true;
  } else if (view) {
    view->LayoutChanged();
    view->Invalidate();
    view->CaretMoved();
  }
}

void TRichEditSx::Impl::ScrollCaret() {
  if (Updating()) {
    scrollPending = true;
    return;
  }
  SetSelection(anchor, caret, true);
}

void TRichEditSx::Impl::Repaint() {
  if (Updating())
    viewPending = true;
  else if (view)
    view->Invalidate();
}

void TRichEditSx::Impl::RelayoutAndNotify() {
  NoteRelayout();
  if (Updating()) {
    viewPending = true;
    return;
  }
  EnsureLayout();
  if (view) {
    view->LayoutChanged();
    view->Invalidate();
    view->CaretMoved();
  }
}

void TRichEditSx::Impl::FireChange() {
  if (self.OnChange) self.OnChange();
}

void TRichEditSx::Impl::FireSelectionChange() {
  if (self.OnSelectionChange) self.OnSelectionChange();
}

void TRichEditSx::Impl::TakeSnapshot(TRichUndoMemory& slot) const {
  EnsureLayout();
  slot.SelStart = ToInt(SelStart());
  slot.SelLength = ToInt(SelEnd() - SelStart());
  slot.TopIndex = layout.TopLine();
}

void TRichEditSx::Impl::Restore(const TRichUndoMemory& slot) {
  // Selection and change events stay detached for the whole restore; one
  // change notification follows at the end.
  struct Detach {
    TRichEditSx& pane;
    std::function<void()> change, selection;
    explicit Detach(TRichEditSx& p)
        : pane(p), change(std::move(p.OnChange)), selection(std::move(p.OnSelectionChange)) {
      pane.OnChange = nullptr;
      pane.OnSelectionChange = nullptr;
    }
    ~Detach() {
      pane.OnChange = std::move(change);
      pane.OnSelectionChange = std::move(selection);
    }
  };
  {
    Detach detach(self);
    LinesUpdateScope update(self.Lines());
    if (!(slot.Stream == text)) {
      text = slot.Stream.Str();
      ++textStamp;
      modified = true;
    }
    colors.Reset(text.size());  // snapshots are plain text
    insertColor.reset();
    NoteRelayout();
    SetTopLine(slot.TopIndex);
    self.SetSelStart(slot.SelStart);
    self.SetSelLength(slot.SelLength);
  }
  FireChange();
}

void TRichEditSx::Impl::SetDefaultImeColors() noexcept {
  ime[0] = {0xFF0000, 0xFFFFFF, 0x400};
  ime[1] = {0xFFFFFF, 0x800000, 0};
  ime[2] = {0xC0C0C0, 0xFFFFFF, 4};
  ime[3] = {0x000000, 0xFFFF00, 4};
}

// ---- construction -----------------------------------------------------------

TRichEditSx::TRichEditSx() : impl_(std::make_unique<Impl>(*this)), lines_(*this) {}
TRichEditSx::~TRichEditSx() = default;

// ---- text and selection -------------------------------------------------------

const std::string& TRichEditSx::Text() const noexcept { return impl_->text; }

void TRichEditSx::SetText(std::string_view text) {
  Impl& d = *impl_;
  d.CheckLength(d.text.size(), text.size());
  d.layout.SetTopLine(0);
  d.layout.SetInlineScroll(0);
  d.AssignText(std::string(text), true, 0, 0, false);
}

void TRichEditSx::ReplaceAllText(std::string_view text, int newSelStart, int newSelLength) {
  Impl& d = *impl_;
  d.CheckLength(d.text.size(), text.size());
  const std::size_t s = ClampPos(newSelStart, text.size());
  const std::size_t e = newSelLength > 0 ? ClampPos(static_cast<long long>(s) + newSelLength, text.size()) : s;
  d.AssignText(std::string(text), true, s, e, true);
}

void TRichEditSx::ReplaceSpans(std::string text, std::span<const ReplacedSpan> spans, int newSelStart,
                               int newSelLength) {
  Impl& d = *impl_;
  d.CheckLength(d.text.size(), text.size());
  const std::size_t s = ClampPos(newSelStart, text.size());
  const std::size_t e = newSelLength > 0 ? ClampPos(static_cast<long long>(s) + newSelLength, text.size()) : s;
  ColorRuns colors = d.colors;
  colors.Rewrite(spans, text.size());
  d.AssignText(std::move(text), true, s, e, true, &colors);
}

std::uint64_t TRichEditSx::TextStamp() const noexcept { return impl_->textStamp; }

int TRichEditSx::TextLength() const noexcept { return ToInt(impl_->text.size()); }
int TRichEditSx::SelStart() const noexcept { return ToInt(impl_->SelStart()); }
int TRichEditSx::SelLength() const noexcept { return ToInt(impl_->SelEnd() - impl_->SelStart()); }

void TRichEditSx::SetSelStart(int pos) {
  Impl& d = *impl_;
  const std::size_t p = richtext::SnapBack(d.text, ClampPos(pos, d.text.size()));
  d.SetSelection(p, p, false);
}

void TRichEditSx::SetSelLength(int len) {
  Impl& d = *impl_;
  const std::size_t s = d.SelStart();
  const std::size_t e =
      len <= 0 ? s : richtext::SnapForward(d.text, ClampPos(static_cast<long long>(s) + len, d.text.size()));
  d.SetSelection(s, e, true);
}

void TRichEditSx::Select(int start, int length) {
  Impl& d = *impl_;
  const std::size_t s = richtext::SnapBack(d.text, ClampPos(start, d.text.size()));
  const std::size_t e = length <= 0
                            ? s
                            : richtext::SnapForward(d.text, ClampPos(static_cast<long long>(start) + length, d.text.size()));
  d.SetSelection(s, std::max(s, e), true);
}

std::string TRichEditSx::SelText() const {
  const Impl& d = *impl_;
  return d.text.substr(d.SelStart(), d.SelEnd() - d.SelStart());
}

void TRichEditSx::SetSelText(std::string_view text) {
  Impl& d = *impl_;
  const std::size_t s = d.SelStart(), len = d.SelEnd() - s;
  d.CheckLength(len, text.size());
  if (len == 0 && text.empty()) return;
  const std::size_t end = s + text.size();
  d.Replace(s, len, text, d.InsertionColor(), end, end, true);
}

void TRichEditSx::Clear() {
  Impl& d = *impl_;
  const std::size_t s = d.SelStart(), len = d.SelEnd() - s;
  if (len == 0) return;
  d.Replace(s, len, {}, ColorRuns::kDefault, s, s, true);
}

void TRichEditSx::ClearAll() { SetText({}); }

void TRichEditSx::SelectAll() {
  Impl& d = *impl_;
  d.SetSelection(0, d.text.size(), false);
}

int TRichEditSx::FindText(std::string_view what, int start, int length, bool matchCase) const {
  const Impl& d = *impl_;
  const std::size_t from = ClampPos(start, d.text.size());
  const std::size_t to = length < 0 ? d.text.size() : ClampPos(static_cast<long long>(from) + length, d.text.size());
  const std::size_t hit = richtext::Find(d.text, what, from, to, matchCase);
  return hit == std::string_view::npos ? -1 : ToInt(hit);
}

bool TRichEditSx::Modified() const noexcept { return impl_->modified; }
void TRichEditSx::SetModified(bool m) noexcept { impl_->modified = m; }
int TRichEditSx::MaxLength() const noexcept { return impl_->maxLength; }
void TRichEditSx::SetMaxLength(int n) noexcept { impl_->maxLength = n < 0 ? 0 : n; }

// ---- line and caret properties ------------------------------------------------

int TRichEditSx::LineFromChar(int pos) const {
  const Impl& d = *impl_;
  d.EnsureLayout();
  const std::size_t p = pos < 0 ? d.SelStart() : ClampPos(pos, d.text.size());
  return d.layout.LineFromPos(p);
}

int TRichEditSx::LineIndex(int line) const {
  const Impl& d = *impl_;
  d.EnsureLayout();
  if (line < 0) line = d.layout.LineFromPos(d.SelStart());
  if (line >= d.layout.AllLines()) return -1;
  return ToInt(d.layout.LineStart(line));
}

int TRichEditSx::SelX() const { return SelStart() - SelLineIndex(); }
int TRichEditSx::SelY() const { return LineFromChar(SelStart()); }
int TRichEditSx::SelLineIndex() const { return LineIndex(SelY()); }
int TRichEditSx::SelNextLineIndex() const { return LineIndex(SelY() + 1); }

int TRichEditSx::SelTopIndex() const {
  impl_->EnsureLayout();
  return impl_->layout.TopLine();
}

void TRichEditSx::SetSelTopIndex(int line) { impl_->SetTopLine(line); }

int TRichEditSx::SelTextCount() const {
  const Impl& d = *impl_;
  const auto first = d.text.begin() + static_cast<std::ptrdiff_t>(d.SelStart());
  const auto last = d.text.begin() + static_cast<std::ptrdiff_t>(d.SelEnd());
  return ToInt(static_cast<std::size_t>(std::count_if(first, last, [](char c) { return !richtext::IsBreakByte(c); })));
}

int TRichEditSx::SelTextWideCount() const { return ToInt(richtext::CharCount(SelTextDelCRLF())); }

std::string TRichEditSx::SelTextDelCRLF() const {
  const Impl& d = *impl_;
  return richtext::RemoveCrLf(std::string_view(d.text).substr(d.SelStart(), d.SelEnd() - d.SelStart()));
}

void TRichEditSx::ScrollCaret() { impl_->ScrollCaret(); }

// ---- display options ------------------------------------------------------------

bool TRichEditSx::Vertical() const noexcept { return impl_->vertical; }

void TRichEditSx::SetVertical(bool v) {
  Impl& d = *impl_;
  if (d.vertical == v) return;
  d.vertical = v;
  d.layout.SetVertical(v);
  d.layout.SetInlineScroll(0);
  d.RelayoutAndNotify();
  d.SetDefaultImeColors();
  if (OnVerticalChange) OnVerticalChange();
}

bool TRichEditSx::WordWrap() const noexcept { return impl_->wordWrap; }

void TRichEditSx::SetWordWrap(bool w) {
  Impl& d = *impl_;
  if (d.wordWrap == w) return;
  const int start = SelStart(), length = SelLength(), top = SelTopIndex();
  d.wordWrap = w;
  d.layout.SetWordWrap(w);
  d.layout.SetInlineScroll(0);
  d.RelayoutAndNotify();
  // As re-applying the selection bar does: the composition colours come back.
  d.SetDefaultImeColors();
  Select(start, length);
  SetSelTopIndex(top);
  if (OnWrapChange) OnWrapChange();
}

bool TRichEditSx::SelectionBar() const noexcept { return impl_->selectionBar; }

void TRichEditSx::SetSelectionBar(bool b) {
  Impl& d = *impl_;
  if (d.selectionBar == b) return;
  d.selectionBar = b;
  d.layout.SetMargin(d.Margin());
  d.RelayoutAndNotify();
  d.SetDefaultImeColors();
}

const TFont& TRichEditSx::Font() const noexcept { return impl_->font; }

void TRichEditSx::SetFont(const TFont& f) {
  Impl& d = *impl_;
  const bool metrics = f.height != d.font.height || f.name != d.font.name || f.bold != d.font.bold ||
                       f.italic != d.font.italic || f.charset != d.font.charset;
  d.font = f;
  if (!metrics) {
    d.Repaint();
    return;
  }
  d.ApplyMeasurer();
  d.RelayoutAndNotify();
}

void TRichEditSx::SetFontColor(TColor c) {
  impl_->font.color = c;
  impl_->Repaint();
}

TColor TRichEditSx::Color() const noexcept { return impl_->background; }

void TRichEditSx::SetColor(TColor c) {
  impl_->background = c;
  impl_->Repaint();
}

// ---- colour per character -------------------------------------------------------

void TRichEditSx::SetSelColor(TColor c) {
  Impl& d = *impl_;
  if (d.SelStart() == d.SelEnd())
    d.insertColor = c;
  else
    d.colors.Set(d.SelStart(), d.SelEnd(), c);
  d.Repaint();
}

void TRichEditSx::SetColorEach(std::span<const std::size_t> starts, std::size_t length, TColor c) {
  Impl& d = *impl_;
  d.colors.SetEach(starts, length, c);
  d.Repaint();
}

TColor TRichEditSx::CharColor(int pos) const {
  const TColor c = impl_->colors.At(pos < 0 ? 0 : static_cast<std::size_t>(pos));
  return c == ColorRuns::kDefault ? impl_->font.color : c;
}

void TRichEditSx::ResetColors() {
  Impl& d = *impl_;
  d.colors.Reset(d.text.size());
  d.insertColor.reset();
  d.Repaint();
}

const ColorRuns& TRichEditSx::Colors() const noexcept { return impl_->colors; }

// ---- composition colours -------------------------------------------------------

void TRichEditSx::SetImeColors(const ImeColor (&entries)[4]) {
  std::copy(std::begin(entries), std::end(entries), impl_->ime);
}

const ImeColor* TRichEditSx::ImeColors() const noexcept { return impl_->ime; }

// ---- clipboard --------------------------------------------------------------------

void TRichEditSx::CopyToClipboard(IClipboard& cb) const {
  const std::string sel = SelText();
  if (!sel.empty()) cb.SetText(enc::SjisToUtf16(sel));
}

void TRichEditSx::CutToClipboard(IClipboard& cb) {
  RecordAction(4);
  if (SelLength() == 0) return;
  CopyToClipboard(cb);
  if (!impl_->readOnly) Clear();
}

void TRichEditSx::PasteFromClipboard(IClipboard& cb) {
  if (impl_->readOnly) return;
  RecordAction(6);
  std::u16string text;
  if (!cb.GetText(text)) return;
  InsertUtf16(text);
}

bool TRichEditSx::InsertText(std::u16string_view text) { return InsertUtf16(text); }

bool TRichEditSx::ReadOnly() const noexcept { return impl_->readOnly; }
void TRichEditSx::SetReadOnly(bool r) noexcept { impl_->readOnly = r; }

bool TRichEditSx::InsertUtf16(std::u16string_view text) {
  if (auto nul = text.find(u'\0'); nul != std::u16string_view::npos) text = text.substr(0, nul);
  if (text.empty()) return false;
  std::u16string lost;
  std::string sjis = enc::Utf16ToSjis(text, &lost);
  // Characters code page 932 cannot store are never turned into "?" silently.
  if (!lost.empty() && !(ConfirmLoss && ConfirmLoss(lost))) return false;
  return impl_->TypeText(richtext::NormalizeBreaks(sjis));
}

// ---- undo ring ----------------------------------------------------------------------

bool TRichEditSx::CanUndo() const { return impl_->undo.CanUndo(impl_->text); }
bool TRichEditSx::CanRedo() const { return impl_->undo.CanRedo(impl_->text); }

void TRichEditSx::Undo() {
  Impl& d = *impl_;
  if (const TRichUndoMemory* slot = d.undo.StepBack(d.text, d.Taker())) d.Restore(*slot);
}

void TRichEditSx::Redo() {
  Impl& d = *impl_;
  if (const TRichUndoMemory* slot = d.undo.StepForward(d.text)) d.Restore(*slot);
}

void TRichEditSx::RecordAction(int kind) { impl_->undo.Record(kind, impl_->text, impl_->Taker()); }

int TRichEditSx::UndoIndex() const noexcept { return impl_->undo.Index(); }
int TRichEditSx::UndoNewest() const noexcept { return impl_->undo.Newest(); }
int TRichEditSx::UndoOldest() const noexcept { return impl_->undo.Oldest(); }
int TRichEditSx::LastAction() const noexcept { return impl_->undo.LastAction(); }
const TRichUndoMemory& TRichEditSx::UndoSlot(int i) const { return impl_->undo.Slot(i); }
std::size_t TRichEditSx::UndoHeldBytes() const { return impl_->undo.HeldBytes(); }

// ---- layout and view ---------------------------------------------------------------

void TRichEditSx::SetView(IPaneView* view) noexcept { impl_->view = view; }

void TRichEditSx::SetMeasurer(const ITextMeasurer* m) {
  impl_->measurer = m;
  impl_->ApplyMeasurer();
  impl_->RelayoutAndNotify();
}

void TRichEditSx::SetClientSize(int width, int height) {
  Impl& d = *impl_;
  d.layout.SetClientSize(width, height);
  d.RelayoutAndNotify();
}

const PaneLayout& TRichEditSx::Layout() const noexcept {
  impl_->EnsureLayout();
  return impl_->layout;
}

PaneLayout& TRichEditSx::Layout() noexcept {
  impl_->EnsureLayout();
  return impl_->layout;
}

}  // namespace hanaroku
