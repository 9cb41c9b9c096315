#pragma once
// A canvas that records what a control paints, for the controls' tests.
// Texts measure with fixed cells: half the font height for ASCII, the font
// height for other characters; the text cell is the font height high.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/Encoding.h"
#include "platform/Paint.h"

namespace hanaroku::test {

struct PaintOp {
  enum class Kind { FillRect, FrameRect, Line, Polyline, Polygon, RoundRect, Ellipse, Pixel, Text, Picture, Layer };
  Kind kind = Kind::FillRect;
  Rect rect;                  // rectangles, picture and layer destinations
  std::vector<Point> points;  // lines, polylines, polygons; text origin
  TColor color = 0;           // fill colour, line colour, text colour
  std::optional<TColor> fill, outline;
  int width = 1;
  std::string text;           // text, picture name
  PaintFont font;
  Rect clip;                  // the clip in force (empty rect: none)
  bool clipped = false;
};

inline PaintOp Op(PaintOp::Kind kind, Rect rect = {}, std::vector<Point> points = {}, TColor color = 0) {
  PaintOp op;
  op.kind = kind;
  op.rect = rect;
  op.points = std::move(points);
  op.color = color;
  return op;
}

class RecordingCanvas : public IPaintCanvas {
 public:
  std::vector<PaintOp> ops;

  TColor SystemColor(SysColor c) const override {
    switch (c) {
      case SysColor::BtnFace: return 0xC0C0C0;
      case SysColor::BtnShadow: return 0x808080;
      case SysColor::BtnHighlight: return 0xFFFFFF;
      case SysColor::BtnDkShadow: return 0x404040;
      case SysColor::BtnLight: return 0xE0E0E0;
      case SysColor::GrayText: return 0x808080;
      case SysColor::Window: return 0xFFFFFF;
      case SysColor::Highlight: return 0x800000;
      case SysColor::HighlightText: return 0xFFFFFF;
      case SysColor::InfoBk: return 0xE1FFFF;
      case SysColor::Menu: return 0xF0F0F0;
      default: return 0x000000;
    }
  }
  void FillRect(const Rect& r, TColor color) override { Add(Op(PaintOp::Kind::FillRect, r, {}, color)); }
  void FrameRect(const Rect& r, TColor color) override { Add(Op(PaintOp::Kind::FrameRect, r, {}, color)); }
  void Line(Point from, Point to, TColor color, int width) override {
    PaintOp op = Op(PaintOp::Kind::Line, {}, {from, to}, color);
    op.width = width;
    Add(std::move(op));
  }
  void Polyline(std::span<const Point> points, TColor color, int width) override {
    PaintOp op = Op(PaintOp::Kind::Polyline, {}, {points.begin(), points.end()}, color);
    op.width = width;
    Add(std::move(op));
  }
  void Polygon(std::span<const Point> points, std::optional<TColor> fill, std::optional<TColor> outline) override {
    PaintOp op = Op(PaintOp::Kind::Polygon, {}, {points.begin(), points.end()});
    op.fill = fill;
    op.outline = outline;
    Add(std::move(op));
  }
  void RoundRect(const Rect& r, int ew, int eh, std::optional<TColor> fill, std::optional<TColor> outline) override {
    PaintOp op = Op(PaintOp::Kind::RoundRect, r, {{ew, eh}});
    op.fill = fill;
    op.outline = outline;
    Add(std::move(op));
  }
  void Ellipse(const Rect& r, std::optional<TColor> fill, std::optional<TColor> outline) override {
    PaintOp op = Op(PaintOp::Kind::Ellipse, r);
    op.fill = fill;
    op.outline = outline;
    Add(std::move(op));
  }
  void SetPixel(Point p, TColor color) override { Add(Op(PaintOp::Kind::Pixel, {}, {p}, color)); }
  void DrawText(Point origin, std::string_view utf8, const PaintFont& font, TColor color) override {
    PaintOp op = Op(PaintOp::Kind::Text, {}, {origin}, color);
    op.text = std::string(utf8);
    op.font = font;
    Add(std::move(op));
  }
  Size TextExtent(std::string_view utf8, const PaintFont& font) override {
    int w = 0;
    for (char16_t c : enc::Utf8ToUtf16(utf8)) w += c < 0x80 ? font.height / 2 : font.height;
    return {w, font.height};
  }
  void DrawPicture(const Rect& dst, std::string_view picture) override {
    PaintOp op = Op(PaintOp::Kind::Picture, dst);
    op.text = std::string(picture);
    Add(std::move(op));
  }
  Size PictureSize(std::string_view picture) override { return picture.empty() ? Size{} : Size{16, 16}; }
  void PushClip(const Rect& r) override { clips_.push_back(clips_.empty() ? r : clips_.back().Intersect(r)); }
  void PopClip() override {
    if (!clips_.empty()) clips_.pop_back();
  }
  std::unique_ptr<IPaintLayer> CreateLayer(Size size) override;
  void DrawLayer(const IPaintLayer& layer, const Rect& source, Point to) override {
    PaintOp op = Op(PaintOp::Kind::Layer, source, {to});
    op.width = layer.Extent().width;
    Add(std::move(op));
  }

  // The recorded operations of one kind, in order.
  std::vector<const PaintOp*> Of(PaintOp::Kind kind) const {
    std::vector<const PaintOp*> out;
    for (const PaintOp& op : ops)
      if (op.kind == kind) out.push_back(&op);
    return out;
  }
  // The texts drawn, in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const PaintOp* op : Of(PaintOp::Kind::Text)) out.push_back(op->text);
    return out;
  }
  void Clear() { ops.clear(); }

 private:
  void Add(PaintOp op) {
    if (!clips_.empty()) {
      op.clip = clips_.back();
      op.clipped = true;
    }
    ops.push_back(std::move(op));
  }
  std::vector<Rect> clips_;
};

// A layer records on a canvas of its own.
class RecordingLayer final : public IPaintLayer {
 public:
  explicit RecordingLayer(Size size) : size_(size) {}
  IPaintCanvas& Canvas() override { return canvas_; }
  Size Extent() const override { return size_; }
  RecordingCanvas& Recording() { return canvas_; }

 private:
  Size size_;
  RecordingCanvas canvas_;
};

inline std::unique_ptr<IPaintLayer> RecordingCanvas::CreateLayer(Size size) {
  return std::make_unique<RecordingLayer>(size);
}

}  // namespace hanaroku::test
