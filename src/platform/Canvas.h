#pragma once
// Drawing-surface ports. Measuring is separate from painting so layout can be
// computed and tested without a device context.
#include <cstdint>
#include <string_view>

namespace hanaroku {

using TColor = std::uint32_t;  // the platform's 0x00BBGGRR

// Measures text with the surface's current font, in pixels.
class ITextMeasurer {
 public:
  virtual ~ITextMeasurer() = default;
  // Advance of one Shift-JIS character (1 or 2 bytes) along the writing
  // direction of the measurer's font.
  virtual int CharAdvance(std::string_view sjisChar) const = 0;
  // Width of UTF-8 text (used by path shortening and captions).
  virtual int TextWidth(std::string_view utf8) const = 0;
  // Distance between successive lines (columns in vertical writing).
  virtual int LinePitch() const = 0;
};

// Measurer with fixed cells, for tests and as a fallback: a single-byte
// character is half a cell, a double-byte character a whole cell.
class FixedMeasurer final : public ITextMeasurer {
 public:
  explicit FixedMeasurer(int cell = 16, int pitch = 0) : cell_(cell), pitch_(pitch ? pitch : cell + cell / 4) {}
  int CharAdvance(std::string_view c) const override { return c.size() >= 2 ? cell_ : cell_ / 2; }
  int TextWidth(std::string_view utf8) const override;
  int LinePitch() const override { return pitch_; }

 private:
  int cell_;
  int pitch_;
};

}  // namespace hanaroku
