// TShineSpeedButton: properties, the mouse and hover state machine, groups,
// clicks and accelerators. Painting is in ShineSpeedButtonPaint.cpp.
#include "controls/ShineSpeedButton.h"

#include <algorithm>

#include "platform/Encoding.h"

namespace hanaroku {

void TShineBtnColors::Assign(const TShineBtnColors& source) {
  if (&source == this) return;
  highlight_ = source.highlight_;
  shadow_ = source.shadow_;
  darkShadow_ = source.darkShadow_;
  gradColor_ = source.gradColor_;
  gradVertical_ = source.gradVertical_;
  gradation_ = source.gradation_;
  color_ = source.color_;
  Notify();
}

void ButtonGroupParent::Add(IGroupMember* member) {
  if (member && std::find(members_.begin(), members_.end(), member) == members_.end()) members_.push_back(member);
}

void ButtonGroupParent::Remove(IGroupMember* member) noexcept { std::erase(members_, member); }

void ButtonGroupParent::Broadcast(const GroupNotice& notice) {
  // A member may leave or join while it handles the notice.
  std::vector<IGroupMember*> members = members_;
  for (IGroupMember* m : members)
    if (std::find(members_.begin(), members_.end(), m) != members_.end()) m->ButtonPressed(notice);
}

TShineSpeedButton::TShineSpeedButton(std::unique_ptr<ITimer> hoverTimer) : timer_(std::move(hoverTimer)) {
  if (timer_) {
    timer_->SetInterval(0);
    timer_->SetCallback([this] { HoverTick(); });
  }
}

TShineSpeedButton::~TShineSpeedButton() {
  if (timer_) {
    timer_->SetInterval(0);
    timer_->SetCallback(nullptr);
  }
  if (groupParent_) groupParent_->Remove(this);
}

void TShineSpeedButton::SetGroupParent(ButtonGroupParent* parent) {
  if (groupParent_) groupParent_->Remove(this);
  groupParent_ = parent;
  if (groupParent_) groupParent_->Add(this);
}

void TShineSpeedButton::Changed() {
  if (host_) host_->Invalidate();
}

void TShineSpeedButton::PropertiesChanged() {
  if (host_) host_->PropertiesChanged();
  Changed();
}

void TShineSpeedButton::SetState(ShineState s) {
  if (state_ == s) return;
  state_ = s;
  Changed();
}

// ---- properties ---------------------------------------------------------------

void TShineSpeedButton::SetGroupIndex(int v) {
  if (groupIndex_ == v) return;
  groupIndex_ = v;
  TellGroup();
}

void TShineSpeedButton::SetAllowAllUp(bool v) {
  if (allowAllUp_ == v) return;
  allowAllUp_ = v;
  TellGroup();
}

void TShineSpeedButton::SetDown(bool v) {
  if (groupIndex_ == 0) return;
  if (allowAllUp_) {
    down_ = v;
    TellGroup();
    state_ = v ? ShineState::Pressed : ShineState::Up;
    Changed();
    return;
  }
  // Without AllowAllUp a down button goes up only when another one of its
  // group goes down.
  if (!v) return;
  down_ = true;
  TellGroup();
  state_ = ShineState::Pressed;
  Changed();
}

void TShineSpeedButton::TellGroup() {
  if (groupParent_) groupParent_->Broadcast(GroupNotice{groupIndex_, allowAllUp_, down_, this});
}

void TShineSpeedButton::ButtonPressed(const GroupNotice& notice) {
  if (notice.groupIndex != groupIndex_ || notice.sender == this) return;
  allowAllUp_ = notice.allowAllUp;
  if (notice.down && down_) {
    down_ = false;
    state_ = ShineState::Up;
    Changed();
  }
}

void TShineSpeedButton::SetGlyph(ShineGlyph v) {
  if (glyph_ == v) return;
  glyph_ = std::move(v);
  Changed();
}

void TShineSpeedButton::SetCaption(std::string v) {
  if (caption_ == v) return;
  caption_ = std::move(v);
  PropertiesChanged();
}

void TShineSpeedButton::SetHint(std::string v) {
  if (hint_ == v) return;
  hint_ = std::move(v);
  if (host_) host_->PropertiesChanged();
}

void TShineSpeedButton::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  down_ = false;
  state_ = v ? ShineState::Up : ShineState::Disabled;
  if (!v) {
    // A disabled button is neither pressed nor under the mouse.
    if (pressed_ && host_) host_->SetMouseCapture(false);
    pressed_ = false;
    hover_ = false;
    StopHoverTimer();
  }
  PropertiesChanged();
}

void TShineSpeedButton::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  PropertiesChanged();
}

void TShineSpeedButton::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  PropertiesChanged();
}

void TShineSpeedButton::ActionChanged(bool checked, const ShineGlyph& image) {
  if (!actionCheckedDown_) return;
  SetDown(checked);
  if (glyph_.Empty() && !image.Empty()) SetGlyph(image);
}

// ---- mouse ----------------------------------------------------------------------

bool TShineSpeedButton::StrictlyInside(Point p) const noexcept {
  return p.x > 0 && p.x < width_ && p.y > 0 && p.y < height_;
}

bool TShineSpeedButton::Inside(Point p) const noexcept {
  return p.x >= 0 && p.x < width_ && p.y >= 0 && p.y < height_;
}

void TShineSpeedButton::MouseDown(TMouseButton button, TShiftState shift, Point p) {
  if (!enabled_) return;
  if (button == TMouseButton::mbLeft) {
    if (host_) host_->SetMouseCapture(true);
    pressed_ = true;
    state_ = ShineState::PressedHover;
    Changed();
  }
  if (OnMouseDown) OnMouseDown(*this, button, shift, p);
}

void TShineSpeedButton::MouseMove(TShiftState shift, Point p) {
  if (OnMouseMove) OnMouseMove(*this, shift, p);
  if (pressed_) {
    SetState(StrictlyInside(p) ? ShineState::PressedHover : down_ ? ShineState::Pressed : ShineState::Up);
  } else if (!hover_) {
    ResyncHover(shift, p);
  }
}

void TShineSpeedButton::MouseUp(TMouseButton button, TShiftState shift, Point p) {
  if (button != TMouseButton::mbLeft || !pressed_) {
    if (OnMouseUp) OnMouseUp(*this, button, shift, p);
    return;
  }
  if (host_) host_->SetMouseCapture(false);
  if (OnMouseUp) OnMouseUp(*this, button, shift, p);
  // Release counts column 0 and row 0 as inside, the drag look does not.
  const bool inside = Inside(p);
  if (groupIndex_ == 0) {
    state_ = ShineState::Up;
    hover_ = false;
    down_ = false;
    if (inside) Changed();
  } else if (inside) {
    SetDown(!down_);
  } else {
    SetState(down_ ? ShineState::PressedHover : ShineState::Hover);
  }
  pressed_ = false;
  if (inside) {
    // The click handler may close the window that owns this button.
    std::weak_ptr<int> alive = life_;
    Click();
    if (alive.expired()) return;
  }
  ResyncHover(shift, p);
}

void TShineSpeedButton::CaptureLost() {
  if (!pressed_) return;
  pressed_ = false;
  state_ = !enabled_ ? ShineState::Disabled : down_ ? ShineState::Pressed : ShineState::Up;
  hover_ = false;
  Changed();
  if (host_) ResyncHover(host_->KeyState(), host_->CursorPos());
}

void TShineSpeedButton::DoubleClick(TShiftState shift, Point p) {
  // The second press of a double click: the double click passes on only
  // while the button shows its pressed look (a down group button).
  if (state_ == ShineState::PressedHover || state_ == ShineState::Pressed) {
    std::weak_ptr<int> alive = life_;
    if (OnDblClick) OnDblClick();
    if (alive.expired()) return;
  }
  MouseDown(TMouseButton::mbLeft, shift | ssDouble, p);
}

void TShineSpeedButton::MouseEnter() {
  Point p = host_ ? host_->CursorPos() : Point{};
  EnterHandling(host_ ? host_->KeyState() : 0, p);
}

void TShineSpeedButton::MouseLeave() {
  Point p = host_ ? host_->CursorPos() : Point{};
  LeaveHandling(host_ ? host_->KeyState() : 0, p);
}

void TShineSpeedButton::EnterHandling(TShiftState shift, Point p) {
  if (OnMouseEnter) OnMouseEnter(*this, shift, p);
  if (hover_ || !enabled_ || (host_ && host_->MouseCaptured())) return;
  hover_ = true;
  if (state_ == ShineState::Up) state_ = ShineState::Hover;
  if (state_ == ShineState::Pressed) state_ = ShineState::PressedHover;
  Changed();
  StartHoverTimer();
}

void TShineSpeedButton::LeaveHandling(TShiftState shift, Point p) {
  if (OnMouseLeave) OnMouseLeave(*this, shift, p);
  if (!hover_ || !enabled_ || pressed_) return;
  StopHoverTimer();
  hover_ = false;
  if (state_ == ShineState::Hover) state_ = ShineState::Up;
  if (state_ == ShineState::PressedHover) state_ = ShineState::Pressed;
  Changed();
}

void TShineSpeedButton::ResyncHover(TShiftState shift, Point p) {
  if (!enabled_ || !host_) return;
  if (host_->UnderCursor()) {
    hover_ = false;
    EnterHandling(shift, p);
  } else {
    hover_ = true;
    LeaveHandling(shift, p);
  }
}

void TShineSpeedButton::StartHoverTimer() {
  if (timer_) timer_->SetInterval(HoverCheckInterval);
}

void TShineSpeedButton::StopHoverTimer() {
  if (timer_) timer_->SetInterval(0);
}

void TShineSpeedButton::HoverTick() {
  if (!hover_ || !enabled_ || pressed_) {
    StopHoverTimer();
    return;
  }
  if (!host_) return;
  Point p = host_->CursorPos();
  if (!Inside(p)) LeaveHandling(host_->KeyState(), p);
}

// ---- click and accelerator -----------------------------------------------------

void TShineSpeedButton::Click() {
  // A copy: the handler may destroy the button and with it OnClick.
  std::function<void()> handler = OnClick;
  if (!clickDownHook_) {
    if (handler) handler();
    return;
  }
  const ShineState saved = state_;
  state_ = ShineState::PressedHover;
  Changed();
  if (host_) host_->Update();
  // The look comes back even when the handler fails, unless the handler
  // closed the window that owned the button.
  struct Restore {
    TShineSpeedButton& b;
    ShineState s;
    std::weak_ptr<int> alive;
    ~Restore() {
      if (alive.expired()) return;
      // A handler that disabled the button leaves it disabled.
      b.state_ = b.enabled_ ? s : ShineState::Disabled;
      b.Changed();
      if (b.host_) b.host_->Update();
    }
  } restore{*this, saved, life_};
  if (handler) handler();
}

std::string StripAccelPrefixes(std::string_view caption, int* accelIndex) {
  if (accelIndex) *accelIndex = -1;
  std::u16string in = enc::Utf8ToUtf16(caption), out;
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] == u'&' && i + 1 < in.size()) {
      ++i;
      if (in[i] != u'&' && accelIndex && *accelIndex < 0) *accelIndex = static_cast<int>(out.size());
    }
    out.push_back(in[i]);
  }
  return enc::Utf16ToUtf8(out);
}

char32_t TShineSpeedButton::AccelChar() const {
  int index = -1;
  std::u16string text = enc::Utf8ToUtf16(StripAccelPrefixes(caption_, &index));
  return index < 0 ? 0 : text[static_cast<std::size_t>(index)];
}

namespace {

char32_t FoldCase(char32_t c) noexcept {
  if (c >= U'a' && c <= U'z') return c - U'a' + U'A';
  if (c >= U'ａ' && c <= U'ｚ') return c - U'ａ' + U'Ａ';
  return c;
}

}  // namespace

bool TShineSpeedButton::DialogChar(char32_t ch) {
  if (!showAccelChar_ || !enabled_ || !visible_ || (host_ && !host_->ParentShowing())) return false;
  char32_t accel = AccelChar();
  if (accel == 0 || FoldCase(accel) != FoldCase(ch)) return false;
  if (accelCharDown_) SetDown(!down_);
  Click();
  return true;
}

}  // namespace hanaroku
