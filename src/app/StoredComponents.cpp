#include "app/StoredComponents.h"

#include <initializer_list>
#include <string_view>

#include "controls/RichEditSx.h"

namespace hanaroku {
namespace {

constexpr int kMaxExtent = 32767;  // window coordinates are 16-bit signed
constexpr int kMaxText = 1 << 16;  // longest banner message or hint kept

void ReadColorValue(const StateReader& r, std::string_view name, TColor& color) {
  TColor c = color;
  if (r.ReadColor(name, c) && IsColorValue(c)) color = c;
}

void ReadFontValue(const StateReader& r, std::string_view name, FontSpec& font) {
  FontSpec f = font;
  if (!r.ReadFont(name, f)) return;
  if (!IsColorValue(f.color)) f.color = font.color;
  font = f;
}

void ReadBoundedText(const StateReader& r, std::string_view name, std::string& text) {
  std::string t;
  if (r.ReadText(name, t) && t.size() <= kMaxText) text = std::move(t);
}

// Text that must be one of the given names (or empty).
void ReadName(const StateReader& r, std::string_view name, std::string& value,
              std::initializer_list<std::string_view> allowed) {
  std::string t;
  if (!r.ReadText(name, t)) return;
  if (t.empty()) {
    value.clear();
    return;
  }
  for (std::string_view a : allowed)
    if (t == a) value = std::move(t);
}

template <class Enum>
void ReadEnum(const StateReader& r, std::string_view name, Enum& value, Enum last) {
  int v = static_cast<int>(value);
  if (r.ReadInt(name, v, 0, static_cast<int>(last))) value = static_cast<Enum>(v);
}

}  // namespace

bool IsColorValue(TColor c) noexcept {
  constexpr TColor kSystem = 0x80000000u;
  constexpr TColor kLastSystemIndex = 30;
  return c <= 0x00FFFFFFu || (c >= kSystem && c <= (kSystem | kLastSystemIndex));
}

// ---- panes ---------------------------------------------------------------------

void PaneComponent::WriteState(StateWriter& w) const {
  w.WriteFont("Font", pane_.Font());
  w.WriteColor("Color", pane_.Color());
  w.WriteFlag("Vertical", pane_.Vertical());
  w.WriteFlag("WordWrap", pane_.WordWrap());
  w.WriteFlag("SelectionBar", pane_.SelectionBar());
  w.WriteText("UseRegKey", pane_.UseRegKey);
  w.WriteInt("Width", dockedWidth_ ? *dockedWidth_ : pane_.Layout().ClientWidth());
  w.WriteInt("Height", pane_.Layout().ClientHeight());
}

void PaneComponent::ReadState(const StateReader& r) {
  FontSpec font = pane_.Font();
  TColor color = pane_.Color();
  bool vertical = pane_.Vertical(), wordWrap = pane_.WordWrap(), selectionBar = pane_.SelectionBar();
  std::string useRegKey = pane_.UseRegKey;
  int width = dockedWidth_ ? *dockedWidth_ : 0;
  ReadFontValue(r, "Font", font);
  ReadColorValue(r, "Color", color);
  r.ReadFlag("Vertical", vertical);
  r.ReadFlag("WordWrap", wordWrap);
  r.ReadFlag("SelectionBar", selectionBar);
  ReadBoundedText(r, "UseRegKey", useRegKey);
  if (dockedWidth_) r.ReadInt("Width", width, 0, kMaxExtent);

  pane_.SetFont(font);
  pane_.SetColor(color);
  pane_.SetVertical(vertical);
  pane_.SetWordWrap(wordWrap);
  pane_.SetSelectionBar(selectionBar);
  pane_.UseRegKey = std::move(useRegKey);
  if (dockedWidth_) *dockedWidth_ = width;
}

// ---- banner -------------------------------------------------------------------

void MsgSCRComponent::WriteState(StateWriter& w) const {
  const MsgSCRProperties& p = props_ ? *props_ : banner_->Properties();
  w.WriteText("Msg", p.Msg);
  w.WriteFont("Font", p.Font);
  w.WriteColor("Color", p.Color);
  w.WriteInt("Interval", static_cast<std::int32_t>(p.Interval));
  w.WriteFlag("Show", p.Show);
  w.WriteInt("Align", static_cast<std::int32_t>(p.Align));
  w.WriteInt("Left", p.Left);
  w.WriteInt("Top", p.Top);
  w.WriteInt("Width", p.Width);
  w.WriteInt("Height", p.Height);
  w.WriteText("Hint", p.Hint);
}

void MsgSCRComponent::ReadState(const StateReader& r) {
  MsgSCRProperties p = props_ ? *props_ : banner_->Properties();
  ReadBoundedText(r, "Msg", p.Msg);
  ReadFontValue(r, "Font", p.Font);
  ReadColorValue(r, "Color", p.Color);
  int interval = static_cast<int>(p.Interval);
  if (r.ReadInt("Interval", interval, 0, 0x7FFFFFFF)) p.Interval = static_cast<unsigned>(interval);
  r.ReadFlag("Show", p.Show);
  ReadEnum(r, "Align", p.Align, TAlign::alClient);
  r.ReadInt("Left", p.Left, -kMaxExtent, kMaxExtent);
  r.ReadInt("Top", p.Top, -kMaxExtent, kMaxExtent);
  r.ReadInt("Width", p.Width, 0, kMaxExtent);
  r.ReadInt("Height", p.Height, 0, kMaxExtent);
  ReadBoundedText(r, "Hint", p.Hint);
  if (props_)
    *props_ = std::move(p);
  else
    banner_->SetProperties(p);
}

// ---- drop targets ---------------------------------------------------------------

void DropDstComponent::WriteState(StateWriter& w) const {
  const DropDstProperties p = props_ ? *props_ : target_->Properties();
  w.WriteText("Control", p.Control);
  w.WriteInt("Target", static_cast<std::int32_t>(p.Target));
  w.WriteFlag("AcceptDrop", p.AcceptDrop);
  w.WriteText("OnFileDrop", p.OnFileDrop);
}

void DropDstComponent::ReadState(const StateReader& r) {
  DropDstProperties p = props_ ? *props_ : target_->Properties();
  ReadName(r, "Control", p.Control, {"RichEditNx1", "RichEditNx2"});
  ReadEnum(r, "Target", p.Target, THookTarget::htForm);
  r.ReadFlag("AcceptDrop", p.AcceptDrop);
  ReadName(r, "OnFileDrop", p.OnFileDrop, {"DropDst1FileDrop", "DropDst2FileDrop"});
  if (props_)
    *props_ = std::move(p);
  else
    target_->SetProperties(p);
}

}  // namespace hanaroku
