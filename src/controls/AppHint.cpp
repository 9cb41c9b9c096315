#include "controls/AppHint.h"

#include <algorithm>

namespace hanaroku {
namespace {

constexpr int kBalloonTail = 9;                      // the pointer's height
constexpr int kLineStringRight = 21, kLineStringDown = 12;
constexpr int kRoundCorner = 8;
constexpr int kMarginX = 6, kMarginY = 2;            // around the text, as measured

// The length of the UTF-8 sequence at pos; a byte that starts no valid
// sequence stands alone, so any bytes break without loss.
std::size_t Utf8Len(std::string_view s, std::size_t pos) noexcept {
  const auto b = static_cast<unsigned char>(s[pos]);
  std::size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 1;
  if (n == 1 || pos + n > s.size()) return 1;
  for (std::size_t i = 1; i < n; ++i)
    if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return 1;
  return n;
}

int LineHeight(IPaintCanvas& canvas, const PaintFont& font) {
  return std::max(1, canvas.TextExtent("Ag", font).height);
}

// Greedy breaking of one line without line breaks.
void BreakLine(IPaintCanvas& canvas, std::string_view line, const PaintFont& font, int maxWidth,
               std::vector<std::string>& out) {
  while (!line.empty()) {
    if (canvas.TextExtent(line, font).width <= maxWidth) {
      out.emplace_back(line);
      return;
    }
    // The longest head that fits, at least one character.
    std::size_t fit = 0, lastSpace = std::string_view::npos;
    for (std::size_t pos = 0; pos < line.size();) {
      const std::size_t next = pos + Utf8Len(line, pos);
      if (fit > 0 && canvas.TextExtent(line.substr(0, next), font).width > maxWidth) break;
      if (line[pos] == ' ') lastSpace = pos;
      fit = next;
      pos = next;
    }
    std::size_t cut = fit, resume = fit;
    if (lastSpace != std::string_view::npos && lastSpace > 0 && lastSpace < fit) {
      cut = lastSpace;  // the space goes with the break
      resume = lastSpace + 1;
    }
    out.emplace_back(line.substr(0, cut));
    line.remove_prefix(resume);
  }
}

void DrawLines(IPaintCanvas& canvas, const std::vector<std::string>& lines, Point origin, const PaintFont& font,
               TColor color, int lineHeight) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    canvas.DrawText({origin.x, origin.y + static_cast<int>(i) * lineHeight}, lines[i], font, color);
}

}  // namespace

TAppHintN MainWindowAppHint() {
  TAppHintN h;
  h.BGColor = 15727082;
  h.Brush = THintBrush{15332852, true};
  h.Font = ControlFont{PaintFont{"ＭＳ Ｐゴシック", 15}, 11760461};
  h.HintPause = 500;
  h.HintHidePause = 2500;
  h.HintShortPause = 0;
  h.HintStyle = THintStyle::hsFukidashi;
  h.Pen = THintPen{15261661, 2};
  h.ShadowVisible = false;
  return h;
}

HintShape ActivateHintShape(THintStyle style, const Rect& hintRect) {
  HintShape shape;
  shape.bounds = hintRect;
  switch (style) {
    case THintStyle::hsFukidashi: {
      shape.bounds.bottom += kBalloonTail;
      const int w = shape.bounds.Width(), h = shape.bounds.Height();
      shape.region.kind = HintRegion::Kind::Polygon;
      shape.region.polygon = {{14, 0}, {8, 9}, {0, 9}, {0, h}, {w, h}, {w, 9}, {14, 9}};
      break;
    }
    case THintStyle::hsRoundRect:
      shape.region.kind = HintRegion::Kind::RoundRect;
      shape.region.rect = Rect::FromSize(0, 0, shape.bounds.Width(), shape.bounds.Height());
      break;
    case THintStyle::hsLineString:
      shape.bounds.right += kLineStringRight;
      shape.bounds.bottom += kLineStringDown;
      shape.region.kind = HintRegion::Kind::Rectangle;
      shape.region.rect = Rect{1, 1, shape.bounds.Width() - 1, shape.bounds.Height() - 1};
      shape.eraseBackground = false;
      break;
    case THintStyle::hsOwnerDraw:
      break;
  }
  return shape;
}

std::vector<Point> BalloonOutline(int w, int h) {
  return {{14, 0}, {9, 9}, {0, 9}, {0, h - 1}, {w - 1, h - 1}, {w - 1, 9}, {13, 9}, {13, 0}};
}

std::vector<std::string> BreakHintLines(IPaintCanvas& canvas, std::string_view hint, const PaintFont& font,
                                        int maxWidth) {
  std::vector<std::string> lines;
  while (true) {
    const std::size_t end = hint.find_first_of("\r\n");
    std::string_view line = hint.substr(0, end);
    if (line.empty())
      lines.emplace_back();
    else
      BreakLine(canvas, line, font, std::max(1, maxWidth), lines);
    if (end == std::string_view::npos) break;
    const std::size_t skip = hint.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    hint.remove_prefix(end + skip);
  }
  return lines;
}

Size HintTextSize(IPaintCanvas& canvas, std::string_view hint, const PaintFont& font, int maxWidth) {
  const std::vector<std::string> lines = BreakHintLines(canvas, hint, font, maxWidth);
  int width = 0;
  for (const std::string& line : lines) width = std::max(width, canvas.TextExtent(line, font).width);
  return {width + kMarginX, static_cast<int>(lines.size()) * LineHeight(canvas, font) + kMarginY};
}

void PaintHint(IPaintCanvas& canvas, const TAppHintN& settings, std::string_view hint, Size size) {
  const int w = size.width, h = size.height;
  const Rect client = Rect::FromSize(0, 0, w, h);
  if (settings.HintStyle == THintStyle::hsOwnerDraw) {
    if (settings.OnPaint) settings.OnPaint(hint, canvas, size);
    return;
  }
  const PaintFont& font = settings.Font.face;
  const TColor textColor = settings.Font.color;
  const int lineHeight = LineHeight(canvas, font);
  // The lines as the window was measured for them.
  const int textWidth =
      w - kMarginX - (settings.HintStyle == THintStyle::hsLineString ? kLineStringRight : 0);
  const std::vector<std::string> lines = BreakHintLines(canvas, hint, font, textWidth);
  auto text = [&](int dx, int dy, TColor color) { DrawLines(canvas, lines, {dx, dy}, font, color, lineHeight); };
  auto fill = [&] {
    if (settings.Brush.solid) canvas.FillRect(client, settings.Brush.color);
  };
  switch (settings.HintStyle) {
    case THintStyle::hsFukidashi: {
      fill();
      if (settings.ShadowVisible) text(4, 10, settings.ShadowColor);
      text(3, 9, textColor);
      std::vector<Point> outline = BalloonOutline(w, h);
      outline.push_back(outline.front());  // closed, as a polygon's outline
      canvas.Polyline(outline, settings.Pen.color, settings.Pen.width);
      break;
    }
    case THintStyle::hsRoundRect:
      fill();
      if (settings.ShadowVisible) text(2, 2, settings.ShadowColor);
      text(1, 1, textColor);
      canvas.RoundRect(client, kRoundCorner, kRoundCorner, std::nullopt, settings.Pen.color);
      break;
    case THintStyle::hsLineString: {
      if (settings.ShadowVisible) {
        text(19, 10, settings.ShadowColor);
        text(19, 12, settings.ShadowColor);
        text(18, 11, settings.ShadowColor);
        text(20, 11, settings.ShadowColor);
      }
      text(19, 11, textColor);
      const Point line[] = {{1, 1}, {17, h - 2}, {w, h - 2}};
      canvas.Polyline(line, settings.Pen.color, settings.Pen.width);
      break;
    }
    case THintStyle::hsOwnerDraw:
      break;
  }
}

// ---- timing ------------------------------------------------------------------------

THintTimingModel::THintTimingModel(std::unique_ptr<ITimer> timer, const TAppHintN* settings)
    : timer_(std::move(timer)), settings_(settings) {
  if (timer_) {
    timer_->SetInterval(0);
    timer_->SetCallback([this] { Tick(); });
  }
}

THintTimingModel::~THintTimingModel() {
  if (timer_) {
    timer_->SetInterval(0);
    timer_->SetCallback(nullptr);
  }
}

void THintTimingModel::Start(unsigned ms) {
  if (timer_) timer_->SetInterval(ms);
}

void THintTimingModel::Show() {
  phase_ = Phase::Showing;
  Start(settings_->HintHidePause);  // 0: until the mouse leaves
  if (OnShow) OnShow(text_);
}

void THintTimingModel::Hide(Phase next) {
  const bool was = phase_ == Phase::Showing;
  phase_ = next;
  // A hint that was showing a moment ago lets the next one come quickly.
  Start(next == Phase::Recent ? settings_->HintPause : 0);
  if (was && OnHide) OnHide();
}

void THintTimingModel::MouseEnter(Key control, std::string hint) {
  if (control == current_ && phase_ != Phase::Idle && phase_ != Phase::Recent) {
    TextChanged(control, std::move(hint));
    return;
  }
  const bool quick = phase_ == Phase::Showing || phase_ == Phase::Recent;
  current_ = control;
  text_ = std::move(hint);
  if (text_.empty()) {
    Hide(quick ? Phase::Recent : Phase::Idle);
    return;
  }
  const unsigned pause = quick ? settings_->HintShortPause : settings_->HintPause;
  if (pause == 0) {
    Show();
    return;
  }
  if (phase_ == Phase::Showing && OnHide) OnHide();
  phase_ = Phase::Waiting;
  Start(pause);
}

void THintTimingModel::MouseLeave(Key control) {
  if (control != current_ || current_ == 0) return;
  current_ = 0;
  text_.clear();
  Hide(phase_ == Phase::Showing ? Phase::Recent : Phase::Idle);
}

void THintTimingModel::TextChanged(Key control, std::string hint) {
  if (control != current_ || current_ == 0 || hint == text_) return;
  text_ = std::move(hint);
  switch (phase_) {
    case Phase::Showing:
      if (text_.empty())
        Hide(Phase::Recent);
      else if (OnShow)
        OnShow(text_);
      break;
    case Phase::Waiting:
      if (text_.empty()) Hide(Phase::Idle);
      break;
    case Phase::Idle:
    case Phase::Recent:
      // The control under the mouse got a hint.
      if (!text_.empty()) {
        phase_ = Phase::Waiting;
        Start(settings_->HintPause);
      }
      break;
    case Phase::Cancelled:
      break;
  }
}

void THintTimingModel::Cancel() {
  if (current_ == 0) return;
  Hide(Phase::Cancelled);
}

void THintTimingModel::Hidden() {
  if (phase_ == Phase::Showing) Hide(Phase::Cancelled);
}

void THintTimingModel::Tick() {
  switch (phase_) {
    case Phase::Waiting:
      Show();
      break;
    case Phase::Showing:
      Hide(Phase::Cancelled);  // shown long enough: not again over this control
      break;
    case Phase::Recent:
      phase_ = Phase::Idle;
      Start(0);
      break;
    case Phase::Idle:
    case Phase::Cancelled:
      Start(0);
      break;
  }
}

}  // namespace hanaroku
