// TShineSpeedButton painting: background (solid or gradient), glyph and
// caption, then the frame over them.
#include <algorithm>
#include <vector>

#include "controls/ShineSpeedButton.h"
#include "platform/Encoding.h"

namespace hanaroku {

TColor GradientStep(TColor start, TColor end, int step, int steps) noexcept {
  if (steps <= 0) return start;
  auto channel = [&](int s, int e) { return s + step * (e - s) / steps; };
  return MakeColor(channel(RedOf(start), RedOf(end)), channel(GreenOf(start), GreenOf(end)),
                   channel(BlueOf(start), BlueOf(end)));
}

ShineLayout LayoutShineButton(Size client, Size glyph, Size text, TButtonLayout layout, int margin, int spacing,
                              int alMargin) noexcept {
  const bool hasGlyph = glyph.width > 0 && glyph.height > 0;
  const bool hasText = text.width > 0 || text.height > 0;
  if (!hasGlyph) glyph = {};
  const int gap = hasGlyph && hasText ? spacing : 0;
  const bool sideBySide = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  if (alMargin >= 0) {
    if (sideBySide && margin > 0)
      text.width = client.width - (margin + glyph.width + gap) - alMargin;
    else if (!sideBySide)
      text.width = client.width - 2 * alMargin;
  }
  Size block = sideBySide ? Size{glyph.width + gap + text.width, std::max(glyph.height, text.height)}
                          : Size{std::max(glyph.width, text.width), glyph.height + gap + text.height};
  Point at{(client.width - block.width) / 2, (client.height - block.height) / 2};
  if (margin >= 0) {
    switch (layout) {
      case TButtonLayout::blGlyphLeft: at.x = margin; break;
      case TButtonLayout::blGlyphRight: at.x = client.width - margin - block.width; break;
      case TButtonLayout::blGlyphTop: at.y = margin; break;
      case TButtonLayout::blGlyphBottom: at.y = client.height - margin - block.height; break;
    }
  }
  Point g, t;
  if (sideBySide) {
    g.y = at.y;
    t.y = at.y + (block.height - text.height) / 2;
    const bool glyphFirst = layout == TButtonLayout::blGlyphLeft;
    g.x = glyphFirst ? at.x : at.x + text.width + gap;
    t.x = glyphFirst ? at.x + glyph.width + gap : at.x;
  } else {
    g.x = at.x + (block.width - glyph.width) / 2;
    t.x = at.x + (block.width - text.width) / 2;
    const bool glyphFirst = layout == TButtonLayout::blGlyphTop;
    g.y = glyphFirst ? at.y : at.y + text.height + gap;
    t.y = glyphFirst ? at.y + glyph.height + gap : at.y;
  }
  ShineLayout out;
  if (hasGlyph) out.glyph = Rect::FromSize(g.x, g.y, glyph.width, glyph.height);
  out.caption = Rect::FromSize(t.x, t.y, text.width, text.height);
  return out;
}

namespace {

// Lines of a caption, split at CR LF, LF or CR.
std::vector<std::string> CaptionLines(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return lines;
}

Size MeasureLines(IPaintCanvas& canvas, const std::vector<std::string>& lines, const PaintFont& font) {
  Size total;
  for (const std::string& line : lines) {
    Size s = canvas.TextExtent(line, font);
    total.width = std::max(total.width, s.width);
    total.height += s.height;
  }
  return total;
}

class ButtonPainter {
 public:
  ButtonPainter(const TShineSpeedButton& b, IPaintCanvas& canvas) : b_(b), canvas_(canvas) {
    state_ = b.Enabled() ? b.State() : ShineState::Disabled;
    pressedLook_ = state_ == ShineState::PressedHover || state_ == ShineState::Pressed;
    hoverLook_ = state_ == ShineState::PressedHover || state_ == ShineState::Hover;
    const bool active = hoverLook_ && b.ActiveColorsEnabled();
    set_ = active ? &b.ActiveColors : pressedLook_ ? &b.PressedColors : &b.Colors;
    enclosing_ = active ? &b.ActiveColors : &b.Colors;
    font_ = hoverLook_ ? &b.ActiveFont() : &b.Font();
  }

  void Paint() {
    if (!b_.Transparent()) Background();
    Content();
    Frame();
  }

 private:
  TColor Resolve(TColor c) const { return ResolveColor(canvas_, c); }

  void Background() {
    const int w = b_.Width(), h = b_.Height();
    if (!set_->Gradation()) {
      canvas_.FillRect({0, 0, w, h}, Resolve(set_->Color()));
      return;
    }
    const TColor start = Resolve(set_->Color()), end = Resolve(set_->GradColor());
    if (set_->GradVertical()) {
      for (int row = 0; row < h; ++row) canvas_.FillRect({0, row, w, row + 1}, GradientStep(start, end, row, h));
    } else {
      for (int col = 0; col < w; ++col) canvas_.FillRect({col, 0, col + 1, h}, GradientStep(start, end, col, w));
    }
  }

  void Content() {
    const std::string& caption = b_.Caption();
    std::vector<std::string> measured =
        CaptionLines(b_.AccelCharDown() ? StripAccelPrefixes(caption) : caption);
    Size text = MeasureLines(canvas_, measured, font_->face);
    const ShineGlyph& glyph = b_.Glyph();
    Size glyphSize = glyph.Empty() ? Size{} : Size{glyph.width, glyph.height};
    ShineLayout layout = LayoutShineButton({b_.Width(), b_.Height()}, glyphSize, text, b_.Layout(), b_.Margin(),
                                           b_.Spacing(), b_.AlMargin());
    const int offset = pressedLook_ ? 1 : 0;
    if (!glyph.Empty()) Glyph(Point{layout.glyph.left + offset, layout.glyph.top + offset});
    if (!caption.empty()) Caption(layout.caption.Offset(offset, offset));
  }

  void Glyph(Point at) {
    const TColor buttonColor = Resolve(set_->Color());
    GlyphImage image = GlyphTrueColor(b_.Glyph(), Resolve(font_->color), buttonColor);
    const TColor c = Resolve(b_.Colors.Color());
    switch (state_) {
      case ShineState::PressedHover:
      case ShineState::Hover: image = ApplyActiveLight(std::move(image), b_.ActiveImage(), Resolve(b_.ShineColor())); break;
      case ShineState::Pressed: image = ApplyDrawImage(std::move(image), b_.DownImage(), c); break;
      case ShineState::Up: image = ApplyDrawImage(std::move(image), b_.UpImage(), c); break;
      case ShineState::Disabled:
        if (b_.DisabledImage() == TDrawImage::diDefault) {
          std::vector<bool> mask = EngravedMask(image);
          DrawGlyphMask(canvas_, mask, image.width, {at.x + 1, at.y + 1}, Resolve(b_.DisabledHighlight()));
          DrawGlyphMask(canvas_, mask, image.width, at, Resolve(b_.DisabledShadow()));
          return;
        }
        image = ApplyDrawImage(std::move(image), b_.DisabledImage(), c);
        break;
    }
    DrawGlyphImage(canvas_, image, at);
  }

  void Caption(const Rect& rect) {
    int accel = -1;
    const bool prefixes = b_.ShowAccelChar();
    const std::string drawn = prefixes ? StripAccelPrefixes(b_.Caption(), &accel) : b_.Caption();
    lines_ = CaptionLines(drawn);
    accel_ = accel;
    if (state_ == ShineState::Disabled) {
      CaptionPass(rect, 1, 1, b_.DisabledHighlight());
      CaptionPass(rect, 0, 0, b_.DisabledShadow());
      return;
    }
    if (b_.FontShadow() != clNone) CaptionPass(rect, 1, 1, b_.FontShadow());
    if (b_.FontHighlight() != clNone) CaptionPass(rect, -1, -1, b_.FontHighlight());
    CaptionPass(rect, 0, 0, font_->color);
  }

  // The caption's lines aligned in rect, moved by (dx, dy), with the
  // accelerator underlined.
  void CaptionPass(const Rect& rect, int dx, int dy, TColor color) {
    const TColor c = Resolve(color);
    const PaintFont& font = font_->face;
    int y = rect.top + dy;
    int first = 0;  // UTF-16 index of the line's first character
    for (const std::string& line : lines_) {
      Size s = canvas_.TextExtent(line, font);
      int x = rect.left + dx;
      switch (b_.Alignment()) {
        case TTextAlignment::taLeftJustify: break;
        case TTextAlignment::taRightJustify: x += rect.Width() - s.width; break;
        case TTextAlignment::taCenter: x += (rect.Width() - s.width) / 2; break;
      }
      canvas_.DrawText({x, y}, line, font, c);
      std::u16string units = enc::Utf8ToUtf16(line);
      const int count = static_cast<int>(units.size());
      if (accel_ >= first && accel_ < first + count) {
        const int before = canvas_.TextExtent(enc::Utf16ToUtf8(units.substr(0, accel_ - first)), font).width;
        const int width = canvas_.TextExtent(enc::Utf16ToUtf8(units.substr(accel_ - first, 1)), font).width;
        canvas_.Line({x + before, y + s.height - 1}, {x + before + width, y + s.height - 1}, c);
      }
      first += count + 1;  // the line break counted one
      y += s.height;
    }
  }

  // Top-left edge at inset i, shortened by s; bottom-right edge at inset a
  // starting at b.
  void TopLeft(int i, int s, TColor color) {
    const TColor c = Resolve(color);
    canvas_.Line({i, i}, {b_.Width() - s, i}, c);
    canvas_.Line({i, i}, {i, b_.Height() - s}, c);
  }
  void BottomRight(int a, int b, TColor color) {
    const TColor c = Resolve(color);
    const Point corner{b_.Width() - a, b_.Height() - a};
    canvas_.Line(corner, {b, corner.y}, c);
    canvas_.Line(corner, {corner.x, b}, c);
  }
  void Enclosing() {
    const int r = b_.Width() - 1, bottom = b_.Height() - 1;
    const Point pts[] = {{0, 0}, {0, bottom}, {r, bottom}, {r, 0}, {0, 0}};
    canvas_.Polyline(pts, Resolve(enclosing_->DarkShadow()), 1);
  }

  bool FrameWanted() const {
    switch (state_) {
      case ShineState::PressedHover:
      case ShineState::Hover: return b_.ActiveFrame();
      case ShineState::Pressed: return b_.DownFrame();
      case ShineState::Up:
      case ShineState::Disabled: return b_.UpFrame();
    }
    return false;
  }

  void Frame() {
    if (!FrameWanted()) return;
    const TColor light = set_->Highlight(), shadow = set_->Shadow(), dark = set_->DarkShadow();
    switch (b_.FrameType()) {
      case TFrameType::ftFlatFrame:
        TopLeft(0, 1, pressedLook_ ? shadow : light);
        BottomRight(1, 0, pressedLook_ ? light : shadow);
        break;
      case TFrameType::ftNormalFrame:
        if (pressedLook_) {
          TopLeft(1, 1, shadow);
          TopLeft(0, 1, dark);
          BottomRight(1, 0, light);
        } else {
          BottomRight(2, 0, shadow);
          BottomRight(1, 0, dark);
          TopLeft(0, 1, light);
        }
        break;
      case TFrameType::ftEnclosedFrame:
        TopLeft(1, 2, pressedLook_ ? shadow : light);
        BottomRight(2, 1, pressedLook_ ? light : shadow);
        Enclosing();
        break;
    }
  }

  const TShineSpeedButton& b_;
  IPaintCanvas& canvas_;
  ShineState state_;
  bool pressedLook_ = false, hoverLook_ = false;
  const TShineBtnColors* set_;
  const TShineBtnColors* enclosing_;
  const ControlFont* font_;
  std::vector<std::string> lines_;
  int accel_ = -1;
};

}  // namespace

void TShineSpeedButton::Paint(IPaintCanvas& canvas) const {
  if (width_ <= 0 || height_ <= 0) return;
  ButtonPainter(*this, canvas).Paint();
}

}  // namespace hanaroku
