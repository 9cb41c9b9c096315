#include "platform/win32/Gdi.h"

#include <cstdlib>

namespace hanaroku::win32 {

BITMAPINFO TopDown32BitInfo(int width, int height) noexcept {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

HDC BackBuffer::Prepare(HDC target, int width, int height) {
  if (width < 1) width = 1;
  if (height < 1) height = 1;
  if (dc_ && width <= width_ && height <= height_) return dc_.Get();
  Release();
  MemoryDc dc(target);
  if (!dc) return nullptr;
  // A little slack so that growing a window by a few pixels does not
  // reallocate on every WM_SIZE.
  int w = width + 32, h = height + 32;
  BitmapPtr bitmap(::CreateCompatibleBitmap(target, w, h));
  if (!bitmap) return nullptr;
  oldBitmap_ = ::SelectObject(dc.Get(), bitmap.get());
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  width_ = w;
  height_ = h;
  return dc_.Get();
}

void BackBuffer::Present(HDC target, int width, int height) const noexcept {
  if (dc_) ::BitBlt(target, 0, 0, width, height, dc_.Get(), 0, 0, SRCCOPY);
}

void BackBuffer::Release() noexcept {
  if (dc_ && oldBitmap_) ::SelectObject(dc_.Get(), oldBitmap_);
  oldBitmap_ = nullptr;
  dc_.Reset();
  bitmap_.reset();
  width_ = height_ = 0;
}

LOGFONTW PaneLogFont(const FontSpec& font, bool vertical) {
  LOGFONTW lf{};
  int h = std::abs(font.height);
  lf.lfHeight = h ? -h : -18;
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic ? TRUE : FALSE;
  lf.lfUnderline = font.underline ? TRUE : FALSE;
  lf.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
  lf.lfCharSet = static_cast<BYTE>(font.charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::wstring face = Widen(font.name);
  if (vertical) {
    lf.lfEscapement = 2700;
    lf.lfOrientation = 2700;
    if (!face.empty()) face.insert(face.begin(), L'@');
  }
  std::size_t n = face.size() < LF_FACESIZE - 1 ? face.size() : LF_FACESIZE - 1;
  face.copy(lf.lfFaceName, n);
  lf.lfFaceName[n] = 0;
  return lf;
}

FontPtr MakePaneFont(const FontSpec& font, bool vertical) {
  LOGFONTW lf = PaneLogFont(font, vertical);
  return FontPtr(::CreateFontIndirectW(&lf));
}

}  // namespace hanaroku::win32
