#include "platform/win32/GdiMeasurer.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/Encoding.h"

namespace hanaroku::win32 {

namespace {

constexpr std::size_t kCacheSize = 256 + 65536;

std::size_t CacheIndex(std::string_view c) noexcept {
  auto b0 = static_cast<unsigned char>(c[0]);
  if (c.size() < 2) return b0;
  auto b1 = static_cast<unsigned char>(c[1]);
  return 256 + ((static_cast<std::size_t>(b0) << 8) | b1);
}

}  // namespace

GdiMeasurer::GdiMeasurer() : GdiMeasurer(nullptr) {}

GdiMeasurer::GdiMeasurer(HDC compatibleWith) : dc_(compatibleWith), cache_(kCacheSize, -1) {
  SetFont(FontSpec{}, false);
}

GdiMeasurer::~GdiMeasurer() {
  if (dc_) ::SelectObject(dc_.Get(), ::GetStockObject(SYSTEM_FONT));
}

bool GdiMeasurer::SetFont(const FontSpec& font, bool vertical) {
  // The colour does not change any measure.
  FontSpec shape = font;
  shape.color = 0;
  FontSpec current = font_;
  current.color = 0;
  if (made_ && shape == current && vertical == vertical_) {
    font_ = font;
    return false;
  }
  FontPtr plain = MakePaneFont(font, false);
  FontPtr vert = MakePaneFont(font, true);
  font_ = font;
  vertical_ = vertical;
  // A font cannot be deleted while it is selected.
  if (dc_) ::SelectObject(dc_.Get(), ::GetStockObject(SYSTEM_FONT));
  if (plain) plainFont_ = std::move(plain);
  if (vert) verticalFont_ = std::move(vert);
  made_ = true;
  std::fill(cache_.begin(), cache_.end(), -1);

  metrics_ = TEXTMETRICW{};
  if (dc_) {
    SelectDrawFont();
    ::GetTextMetricsW(dc_.Get(), &metrics_);
  }
  if (metrics_.tmHeight <= 0) metrics_.tmHeight = std::max(1, std::abs(font.height));
  int h = static_cast<int>(metrics_.tmHeight);
  pitch_ = h + std::max(2, h / 8);
  spaceAdvance_ = std::max(1, Measure(" "));
  verticalCentre_ = MeasureVerticalCentre();
  return true;
}

int GdiMeasurer::MeasureVerticalCentre() const {
  const int h = std::max<int>(1, metrics_.tmHeight);
  const int fallback = -h / 2;  // the rotated cell lying left of the point
  if (!dc_ || !verticalFont_) return fallback;
  // Draw one kanji into a white 32-bit surface with the reference point in
  // its middle and find the columns that took ink.
  const int size = 4 * h;
  BITMAPINFO bi = TopDown32BitInfo(size, size);
  void* bits = nullptr;
  BitmapPtr bitmap(::CreateDIBSection(dc_.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return fallback;
  MemoryDc dc(dc_.Get());
  if (!dc) return fallback;
  HGDIOBJ oldBitmap = ::SelectObject(dc.Get(), bitmap.get());
  HGDIOBJ oldFont = ::SelectObject(dc.Get(), verticalFont_.get());
  const RECT all{0, 0, size, size};
  ::FillRect(dc.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::SetBkMode(dc.Get(), TRANSPARENT);
  ::SetTextColor(dc.Get(), RGB(0, 0, 0));
  ::SetTextAlign(dc.Get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
  const int refX = size / 2, refY = h / 2;
  const wchar_t probe = 0x56FD;  // 国: a glyph that fills its em box evenly
  ::ExtTextOutW(dc.Get(), refX, refY, 0, nullptr, &probe, 1, nullptr);
  ::GdiFlush();
  const auto* px = static_cast<const std::uint32_t*>(bits);
  int left = size, right = -1;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if ((px[y * size + x] & 0xFFFFFF) != 0xFFFFFF) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ::SelectObject(dc.Get(), oldFont);
  ::SelectObject(dc.Get(), oldBitmap);
  if (right < left) return fallback;
  return (left + right + 1) / 2 - refX;
}

void GdiMeasurer::SelectDrawFont() const noexcept {
  if (HFONT f = DrawFont()) ::SelectObject(dc_.Get(), f);
}

int GdiMeasurer::Measure(std::string_view c) const {
  if (!dc_ || c.empty()) return std::max<int>(1, metrics_.tmAveCharWidth);
  std::u16string w = enc::SjisToUtf16(c);
  if (w.empty()) return std::max<int>(1, metrics_.tmAveCharWidth);
  SIZE size{};
  if (!::GetTextExtentPoint32W(dc_.Get(), reinterpret_cast<const wchar_t*>(w.data()), static_cast<int>(w.size()),
                               &size) ||
      size.cx <= 0) {
    // Something the font cannot measure: half or a whole cell.
    return c.size() >= 2 ? std::max<int>(1, metrics_.tmHeight) : std::max<int>(1, metrics_.tmHeight / 2);
  }
  return size.cx;
}

int GdiMeasurer::CharAdvance(std::string_view c) const {
  if (c.empty()) return 0;
  if (c.size() > 2) c = c.substr(0, 2);
  auto b0 = static_cast<unsigned char>(c[0]);
  // Control characters (tab) take the room of a space; they draw nothing.
  if (c.size() == 1 && b0 < 0x20) return spaceAdvance_;
  int& slot = cache_[CacheIndex(c)];
  if (slot < 0) slot = Measure(c);
  return slot;
}

int GdiMeasurer::TextWidth(std::string_view utf8) const {
  if (utf8.empty() || !dc_) return 0;
  std::u16string w = enc::Utf8ToUtf16(utf8);
  HGDIOBJ old = plainFont_ ? ::SelectObject(dc_.Get(), plainFont_.get()) : nullptr;
  SIZE size{};
  ::GetTextExtentPoint32W(dc_.Get(), reinterpret_cast<const wchar_t*>(w.data()), static_cast<int>(w.size()), &size);
  if (old) ::SelectObject(dc_.Get(), old);
  SelectDrawFont();
  return static_cast<int>(size.cx);
}

}  // namespace hanaroku::win32
