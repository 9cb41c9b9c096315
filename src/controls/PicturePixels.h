#pragma once
// Pixel work on the program's pictures (32-bit 0xAARRGGBB words as the
// platform's bitmaps hold them, straight alpha): the premultiplied form the
// platform blends, and the greyed picture of a disabled button.
#include <cstdint>
#include <span>
#include <vector>

namespace hanaroku {

// Each colour channel times alpha / 255, rounded.
std::vector<std::uint32_t> Premultiplied(std::span<const std::uint32_t> pixels);
// A light grey of each pixel's brightness at half its opacity (straight alpha).
std::vector<std::uint32_t> Greyed(std::span<const std::uint32_t> pixels);

}  // namespace hanaroku
