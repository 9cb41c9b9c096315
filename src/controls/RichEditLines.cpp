// TRichEditLines: the pane's lines as displayed, update nesting and files.
#include <algorithm>

#include "controls/RichEditImpl.h"
#include "controls/RichEditSx.h"
#include "controls/RichEditText.h"
#include "platform/FileSystem.h"

namespace hanaroku {

int TRichEditLines::Count() const {
  const auto& d = *owner_.impl_;
  d.EnsureLayout();
  return d.layout.Count();
}

std::string TRichEditLines::Get(int index) const {
  const auto& d = *owner_.impl_;
  d.EnsureLayout();
  if (index < 0 || index >= d.layout.AllLines()) return {};
  const std::size_t a = d.layout.LineStart(index), b = d.layout.LineEnd(index);
  return b > a ? d.text.substr(a, b - a) : std::string();
}

void TRichEditLines::Put(int index, std::string_view line) {
  auto& d = *owner_.impl_;
  d.EnsureLayout();
  if (index < 0 || index >= d.layout.Count()) return;
  const std::size_t a = d.layout.LineStart(index), b = d.layout.LineEnd(index);
  d.CheckLength(b - a, line.size());
  const TColor color = d.colors.At(a);
  const std::size_t end = a + line.size();
  d.Replace(a, b - a, line, color, end, end, true);
}

void TRichEditLines::Exchange(int a, int b) {
  if (a == b || a < 0 || b < 0 || a >= Count() || b >= Count()) return;
  const std::string first = Get(a), second = Get(b);
  Put(a, second);
  Put(b, first);
}

std::vector<std::string> TRichEditLines::Strings() const {
  const auto& d = *owner_.impl_;
  d.EnsureLayout();
  std::vector<std::string> out;
  out.reserve(static_cast<std::size_t>(d.layout.Count()));
  for (int i = 0; i < d.layout.Count(); ++i) {
    const std::size_t a = d.layout.LineStart(i), b = d.layout.LineEnd(i);
    out.emplace_back(b > a ? std::string_view(d.text).substr(a, b - a) : std::string_view());
  }
  return out;
}

void TRichEditLines::SetStrings(std::span<const std::string> lines) {
  std::size_t size = 0;
  for (const std::string& l : lines) size += l.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& l : lines) {
    text += l;
    text += "\r\n";
  }
  owner_.SetText(text);
}

void TRichEditLines::Insert(int index, std::string_view line) {
  auto& d = *owner_.impl_;
  d.EnsureLayout();
  const int count = d.layout.Count();
  if (index < 0 || index > count) return;  // as the rich edit: out of range does nothing
  std::string ins;
  std::size_t pos;
  if (index < count) {
    pos = d.layout.LineStart(index);
  } else {
    pos = d.text.size();
    if (pos > 0 && !richtext::IsBreakByte(d.text.back())) ins = "\r\n";
  }
  ins.append(line);
  ins += "\r\n";
  d.CheckLength(0, ins.size());
  const TColor color = pos > 0 ? d.colors.At(pos - 1) : d.colors.At(0);
  const std::size_t end = pos + ins.size();
  d.Replace(pos, 0, ins, color, end, end, true);
}

void TRichEditLines::Add(std::string_view line) { Insert(Count(), line); }

void TRichEditLines::Delete(int index) {
  auto& d = *owner_.impl_;
  d.EnsureLayout();
  if (index < 0 || index >= d.layout.Count()) return;
  const std::size_t a = d.layout.LineStart(index), b = d.layout.NextLineStart(index);
  if (b <= a) return;
  d.Replace(a, b - a, {}, ColorRuns::kDefault, a, a, true);
}

void TRichEditLines::Clear() { owner_.ClearAll(); }

void TRichEditLines::BeginUpdate() { ++owner_.impl_->updateDepth; }

void TRichEditLines::EndUpdate() {
  auto& d = *owner_.impl_;
  if (d.updateDepth == 0) return;
  if (--d.updateDepth > 0) return;
  // One rebuild for everything collected, then one repaint.
  d.EnsureLayout();
  if (d.scrollPending) d.layout.ScrollIntoView(d.text, d.caret);
  const bool notify = d.viewPending || d.scrollPending;
  d.scrollPending = d.viewPending = false;
  if (notify && d.view) {
    d.view->LayoutChanged();
    d.view->Invalidate();
    d.view->CaretMoved();
  }
}

bool TRichEditLines::Updating() const { return owner_.impl_->Updating(); }

void TRichEditLines::LoadFromFile(const std::string& path, IFileSystem& fs) {
  std::string bytes = fs.ReadFile(path);
  auto& d = *owner_.impl_;
  d.CheckLength(d.text.size(), bytes.size());
  d.layout.SetTopLine(0);
  d.layout.SetInlineScroll(0);
  d.AssignText(std::move(bytes), false, 0, 0, false);
}

void TRichEditLines::SaveToFile(const std::string& path, IFileSystem& fs) const {
  fs.WriteFileAtomic(path, owner_.impl_->text);
}

std::vector<std::string> TRichEditLines::Split(std::string_view text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    out.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) out.emplace_back(text.substr(start));
  return out;
}

}  // namespace hanaroku
