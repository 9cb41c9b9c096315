#include "verse/MsgSCR.h"

#include <algorithm>

#include "platform/Paint.h"
#include "platform/Timer.h"

namespace hanaroku {
namespace {

PaintFont ToPaintFont(const FontSpec& f) {
  PaintFont p;
  p.name = f.name;
  p.height = f.height;
  p.bold = f.bold;
  p.italic = f.italic;
  p.underline = f.underline;
  p.strikeOut = f.strikeOut;
  p.charset = f.charset;
  return p;
}

// The banner's colours are stored as the platform keeps them: 0x00BBGGRR,
// or 0x80000000 with a system colour's index (clBtnFace is 0x8000000F).
TColor Resolve(const IPaintCanvas& canvas, TColor color) {
  if ((color & kSysColorFlag) == 0) return color & 0xFFFFFF;
  struct Entry {
    unsigned index;
    SysColor color;
  };
  static constexpr Entry kIndex[] = {
      {4, SysColor::Menu},           {5, SysColor::Window},         {7, SysColor::MenuText},
      {8, SysColor::WindowText},     {13, SysColor::Highlight},     {14, SysColor::HighlightText},
      {15, SysColor::BtnFace},       {16, SysColor::BtnShadow},     {17, SysColor::GrayText},
      {18, SysColor::BtnText},       {20, SysColor::BtnHighlight},  {21, SysColor::BtnDkShadow},
      {22, SysColor::BtnLight},      {23, SysColor::InfoText},      {24, SysColor::InfoBk},
  };
  for (const Entry& e : kIndex)
    if (e.index == (color & 0xFF)) return canvas.SystemColor(e.color);
  return canvas.SystemColor(SysColor::BtnFace);
}

// The message as the one line the banner draws: line breaks left out.
std::string OneLine(const std::string& msg) {
  std::string line;
  line.reserve(msg.size());
  for (char c : msg)
    if (c != '\r' && c != '\n') line.push_back(c);
  return line;
}

}  // namespace

TMsgSCR::TMsgSCR(std::unique_ptr<ITimer> timer) {
  props_.Msg = "　";
  props_.Font = FontSpec{"ＭＳ Ｐゴシック", 12, false, false, false, false, 0, 128};
  props_.Interval = kCreatedInterval;
  props_.Show = false;
  props_.Left = props_.Top = 0;
  props_.Width = 185;
  props_.Height = 41;
  props_.Hint.clear();
  SetTimer(std::move(timer));
}

TMsgSCR::~TMsgSCR() {
  if (timer_) timer_->SetCallback(nullptr);
}

void TMsgSCR::SetTimer(std::unique_ptr<ITimer> timer) {
  if (timer_) timer_->SetCallback(nullptr);
  timer_ = std::move(timer);
  if (timer_) timer_->SetCallback([this] { Timer1Timer(); });
  ApplyTimer();
}

void TMsgSCR::SetView(IMsgSCRView* view) {
  view_ = view;
  picture_.reset();
  pictureStale_ = true;
}

void TMsgSCR::ApplyTimer() {
  if (timer_) timer_->SetInterval(timerEnabled_ ? props_.Interval : 0);
}

void TMsgSCR::Repaint() {
  if (view_) view_->Invalidate();
}

// ---- properties -------------------------------------------------------------

void TMsgSCR::Rebuild() {
  pictureStale_ = true;
  if (view_) view_->PaintNow([this](IPaintCanvas& canvas) { BuildPicture(canvas); });
}

void TMsgSCR::SetMsg(std::string msg) {
  props_.Msg = std::move(msg);
  Rebuild();
}

void TMsgSCR::SetInterval(unsigned ms) {
  props_.Interval = ms;
  ApplyTimer();
}

void TMsgSCR::SetShow(bool show) {
  props_.Show = show;
  if (!show) {
    Stop();
  } else if (view_) {
    view_->PaintNow([this](IPaintCanvas& canvas) { Start(canvas); });
  } else {
    position_ = props_.Width;
    entered_ = false;
    timerEnabled_ = true;
    ApplyTimer();
  }
}

void TMsgSCR::SetColor(TColor color) {
  if (props_.Color == color) return;
  props_.Color = color;
  Rebuild();
  Repaint();
}

void TMsgSCR::SetFont(const FontSpec& font) {
  if (props_.Font == font) return;
  props_.Font = font;
  Rebuild();
  FontChanged();
}

void TMsgSCR::SetFontColor(TColor color) {
  FontSpec f = props_.Font;
  f.color = color;
  SetFont(f);
}

Rect TMsgSCR::BoundsRect() const noexcept {
  return Rect::FromSize(props_.Left, props_.Top, props_.Width, props_.Height);
}

void TMsgSCR::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != props_.Width || height != props_.Height;
  props_.Left = left;
  props_.Top = top;
  props_.Width = std::max(width, 0);
  props_.Height = std::max(height, 0);
  if (resized) {
    Rebuild();
    Repaint();
  }
}

void TMsgSCR::SetProperties(const MsgSCRProperties& props) {
  props_ = props;
  props_.Width = std::max(props.Width, 0);
  props_.Height = std::max(props.Height, 0);
  Rebuild();
  ApplyTimer();
  SetShow(props.Show);
  Repaint();
}

// ---- picture and scrolling -------------------------------------------------------

int TMsgSCR::Margin(int fontHeightPixels) noexcept {
  const int h = std::max(fontHeightPixels, 0);
  const int points = (h * 72 + 48) / 96;
  return points / 2;
}

void TMsgSCR::BuildPicture(IPaintCanvas& canvas) {
  const PaintFont font = ToPaintFont(props_.Font);
  const std::string line = OneLine(props_.Msg);
  const Size text = canvas.TextExtent(line, font);
  const int height = std::max(props_.Height, 1);
  scrollLength_ = std::max(props_.Width, text.width) + Margin(props_.Font.height);
  picture_ = canvas.CreateLayer({std::max(scrollLength_, 1), height});
  ++builds_;
  pictureStale_ = false;
  if (!picture_) return;
  IPaintCanvas& pc = picture_->Canvas();
  pc.FillRect({0, 0, std::max(scrollLength_, 1), height}, Resolve(canvas, props_.Color));
  pc.DrawText({0, (props_.Height - text.height) / 2}, line, font, Resolve(canvas, props_.Font.color));
}

void TMsgSCR::DrawPicture(IPaintCanvas& canvas) {
  if (pictureStale_ || !picture_) BuildPicture(canvas);
  if (!picture_) return;
  const Size extent = picture_->Extent();
  canvas.DrawLayer(*picture_, {0, 0, extent.width, extent.height}, {position_, 0});
}

void TMsgSCR::Start(IPaintCanvas& canvas) {
  canvas.FillRect({0, 0, props_.Width, props_.Height}, Resolve(canvas, props_.Color));
  position_ = props_.Width;
  entered_ = false;
  timerEnabled_ = true;
  ApplyTimer();
}

void TMsgSCR::Stop() {
  timerEnabled_ = false;
  ApplyTimer();
}

void TMsgSCR::Paint(IPaintCanvas& canvas) {
  canvas.FillRect({0, 0, props_.Width, props_.Height}, Resolve(canvas, props_.Color));
  if (view_ && !view_->HasParent()) return;
  if (Running()) {
    Stop();
    BuildPicture(canvas);
    Start(canvas);
    return;
  }
  // Standing still: where it stopped, or at the left edge when it has not
  // come in from the right yet.
  if (!entered_) {
    position_ = 0;
    entered_ = true;
  }
  DrawPicture(canvas);
}

void TMsgSCR::FontChanged() { Repaint(); }

void TMsgSCR::Timer1Timer() {
  entered_ = true;
  position_ -= kStep;
  if (position_ + scrollLength_ <= 0) position_ = props_.Width;
  if (view_) view_->PaintNow([this](IPaintCanvas& canvas) { DrawPicture(canvas); });
}

}  // namespace hanaroku
