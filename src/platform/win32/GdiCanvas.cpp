#include "platform/win32/GdiCanvas.h"

#include <algorithm>
#include <map>

namespace hanaroku::win32 {
namespace {

struct Picture {
  BitmapPtr bitmap;
  Size size;
  bool alpha = false;
};

std::map<std::string, Picture, std::less<>>& Pictures() {
  static std::map<std::string, Picture, std::less<>> set;
  return set;
}

const Picture* FindPicture(std::string_view name) {
  auto& set = Pictures();
  auto it = set.find(name);
  return it == set.end() ? nullptr : &it->second;
}

std::vector<POINT> ToPOINTs(std::span<const Point> points) {
  std::vector<POINT> out;
  out.reserve(points.size());
  for (Point p : points) out.push_back(POINT{p.x, p.y});
  return out;
}

int SysIndex(SysColor c) noexcept {
  switch (c) {
    case SysColor::BtnFace: return COLOR_BTNFACE;
    case SysColor::BtnShadow: return COLOR_BTNSHADOW;
    case SysColor::BtnHighlight: return COLOR_BTNHIGHLIGHT;
    case SysColor::BtnDkShadow: return COLOR_3DDKSHADOW;
    case SysColor::BtnLight: return COLOR_3DLIGHT;
    case SysColor::BtnText: return COLOR_BTNTEXT;
    case SysColor::GrayText: return COLOR_GRAYTEXT;
    case SysColor::Window: return COLOR_WINDOW;
    case SysColor::WindowText: return COLOR_WINDOWTEXT;
    case SysColor::Highlight: return COLOR_HIGHLIGHT;
    case SysColor::HighlightText: return COLOR_HIGHLIGHTTEXT;
    case SysColor::InfoBk: return COLOR_INFOBK;
    case SysColor::InfoText: return COLOR_INFOTEXT;
    case SysColor::Menu: return COLOR_MENU;
    case SysColor::MenuText: return COLOR_MENUTEXT;
    case SysColor::WindowFrame: return COLOR_WINDOWFRAME;
  }
  return COLOR_BTNFACE;
}

}  // namespace

LOGFONTW PaintLogFont(const PaintFont& font) {
  LOGFONTW lf{};
  lf.lfHeight = -std::max(1, font.height);
  lf.lfEscapement = font.escapement;
  lf.lfOrientation = font.escapement;
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strikeOut;
  lf.lfCharSet = static_cast<BYTE>(font.charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::wstring face = Widen(font.name);
  face.resize(std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
  std::copy(face.begin(), face.end(), lf.lfFaceName);
  return lf;
}

GdiCanvas::GdiCanvas(HDC dc) noexcept : dc_(dc), saved_(::SaveDC(dc)) { ::SetBkMode(dc_, TRANSPARENT); }

GdiCanvas::~GdiCanvas() {
  if (saved_) ::RestoreDC(dc_, saved_);
}

TColor GdiCanvas::SystemColor(SysColor c) const { return ::GetSysColor(SysIndex(c)); }

void GdiCanvas::FillRect(const Rect& r, TColor color) {
  RECT rc = ToRECT(r);
  BrushPtr brush = MakeSolidBrush(ResolveColor(*this, color));
  ::FillRect(dc_, &rc, brush.get());
}

void GdiCanvas::FrameRect(const Rect& r, TColor color) {
  RECT rc = ToRECT(r);
  BrushPtr brush = MakeSolidBrush(ResolveColor(*this, color));
  ::FrameRect(dc_, &rc, brush.get());
}

void GdiCanvas::Line(Point from, Point to, TColor color, int width) {
  const Point pts[] = {from, to};
  Polyline(pts, color, width);
}

void GdiCanvas::Polyline(std::span<const Point> points, TColor color, int width) {
  if (points.size() < 2) return;
  PenPtr pen(::CreatePen(PS_SOLID, std::max(1, width), ResolveColor(*this, color)));
  SelectGuard sel(dc_, pen.get());
  std::vector<POINT> pts = ToPOINTs(points);
  ::Polyline(dc_, pts.data(), static_cast<int>(pts.size()));
}

template <class Draw>
void GdiCanvas::Shape(std::optional<TColor> fill, std::optional<TColor> outline, Draw draw) {
  BrushPtr brush = fill ? MakeSolidBrush(ResolveColor(*this, *fill)) : nullptr;
  PenPtr pen(outline ? ::CreatePen(PS_SOLID, 1, ResolveColor(*this, *outline)) : nullptr);
  SelectGuard b(dc_, brush ? static_cast<HGDIOBJ>(brush.get()) : ::GetStockObject(NULL_BRUSH));
  SelectGuard p(dc_, pen ? static_cast<HGDIOBJ>(pen.get()) : ::GetStockObject(NULL_PEN));
  draw();
}

void GdiCanvas::Polygon(std::span<const Point> points, std::optional<TColor> fill, std::optional<TColor> outline) {
  if (points.size() < 3) return;
  std::vector<POINT> pts = ToPOINTs(points);
  Shape(fill, outline, [&] { ::Polygon(dc_, pts.data(), static_cast<int>(pts.size())); });
}

void GdiCanvas::RoundRect(const Rect& r, int ew, int eh, std::optional<TColor> fill, std::optional<TColor> outline) {
  Shape(fill, outline, [&] { ::RoundRect(dc_, r.left, r.top, r.right, r.bottom, ew, eh); });
}

void GdiCanvas::Ellipse(const Rect& r, std::optional<TColor> fill, std::optional<TColor> outline) {
  Shape(fill, outline, [&] { ::Ellipse(dc_, r.left, r.top, r.right, r.bottom); });
}

void GdiCanvas::SetPixel(Point p, TColor color) { ::SetPixelV(dc_, p.x, p.y, ResolveColor(*this, color)); }

HFONT GdiCanvas::FontFor(const PaintFont& font) {
  for (auto& [key, handle] : fonts_)
    if (key == font) return handle.get();
  LOGFONTW lf = PaintLogFont(font);
  fonts_.emplace_back(font, FontPtr(::CreateFontIndirectW(&lf)));
  return fonts_.back().second.get();
}

void GdiCanvas::DrawText(Point origin, std::string_view utf8, const PaintFont& font, TColor color) {
  std::wstring text = Widen(utf8);
  SelectGuard sel(dc_, FontFor(font));
  ::SetTextColor(dc_, ResolveColor(*this, color));
  ::SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  ::ExtTextOutW(dc_, origin.x, origin.y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

Size GdiCanvas::TextExtent(std::string_view utf8, const PaintFont& font) {
  PaintFont flat = font;
  flat.escapement = 0;
  std::wstring text = Widen(utf8);
  SelectGuard sel(dc_, FontFor(flat));
  SIZE s{};
  ::GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &s);
  if (text.empty()) {
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc_, &tm);
    s.cy = tm.tmHeight;
  }
  return {s.cx, s.cy};
}

void GdiCanvas::DrawPicture(const Rect& dst, std::string_view picture) {
  const Picture* pic = FindPicture(picture);
  if (!pic || dst.Empty()) return;
  MemoryDc src(dc_);
  SelectGuard sel(src.Get(), pic->bitmap.get());
  if (pic->alpha) {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::GdiAlphaBlend(dc_, dst.left, dst.top, dst.Width(), dst.Height(), src.Get(), 0, 0, pic->size.width,
                    pic->size.height, blend);
  } else {
    ::SetStretchBltMode(dc_, COLORONCOLOR);
    ::StretchBlt(dc_, dst.left, dst.top, dst.Width(), dst.Height(), src.Get(), 0, 0, pic->size.width,
                 pic->size.height, SRCCOPY);
  }
}

Size GdiCanvas::PictureSize(std::string_view picture) {
  const Picture* pic = FindPicture(picture);
  return pic ? pic->size : Size{};
}

void GdiCanvas::ApplyClip() {
  if (clips_.empty()) {
    ::SelectClipRgn(dc_, nullptr);
    return;
  }
  // Clip rectangles are in logical units; regions are in device units.
  RECT rc = ToRECT(clips_.back());
  ::LPtoDP(dc_, reinterpret_cast<POINT*>(&rc), 2);
  RegionPtr rgn(::CreateRectRgnIndirect(&rc));
  ::SelectClipRgn(dc_, rgn.get());
}

void GdiCanvas::PushClip(const Rect& r) {
  clips_.push_back(clips_.empty() ? r : clips_.back().Intersect(r));
  ApplyClip();
}

void GdiCanvas::PopClip() {
  if (clips_.empty()) return;
  clips_.pop_back();
  ApplyClip();
}

std::unique_ptr<IPaintLayer> GdiCanvas::CreateLayer(Size size) { return std::make_unique<GdiLayer>(dc_, size); }

void GdiCanvas::DrawLayer(const IPaintLayer& layer, const Rect& source, Point to) {
  const auto* gdi = dynamic_cast<const GdiLayer*>(&layer);
  if (!gdi || source.Empty()) return;
  ::BitBlt(dc_, to.x, to.y, source.Width(), source.Height(), gdi->Dc(), source.left, source.top, SRCCOPY);
}

GdiLayer::GdiLayer(HDC compatibleWith, Size size)
    : size_{std::max(1, size.width), std::max(1, size.height)},
      dc_(compatibleWith),
      bitmap_(::CreateCompatibleBitmap(compatibleWith, size_.width, size_.height)) {
  if (dc_ && bitmap_) old_ = ::SelectObject(dc_.Get(), bitmap_.get());
  canvas_ = std::make_unique<GdiCanvas>(dc_.Get());
}

GdiLayer::~GdiLayer() {
  canvas_.reset();
  if (old_) ::SelectObject(dc_.Get(), old_);
}

void RegisterPicture(std::string name, HBITMAP bitmap, bool premultipliedAlpha) {
  if (!bitmap) return;
  BITMAP info{};
  ::GetObjectW(bitmap, sizeof info, &info);
  Pictures()[std::move(name)] = Picture{BitmapPtr(bitmap), {info.bmWidth, info.bmHeight}, premultipliedAlpha};
}

bool HasPicture(std::string_view name) noexcept { return FindPicture(name) != nullptr; }

}  // namespace hanaroku::win32
