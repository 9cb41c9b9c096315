#include "controls/PicturePixels.h"

namespace hanaroku {
namespace {

constexpr std::uint32_t Channel(std::uint32_t p, int shift) noexcept { return (p >> shift) & 0xFF; }
constexpr std::uint32_t Pack(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) noexcept {
  return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace

std::vector<std::uint32_t> Premultiplied(std::span<const std::uint32_t> pixels) {
  std::vector<std::uint32_t> out;
  out.reserve(pixels.size());
  for (std::uint32_t p : pixels) {
    const std::uint32_t a = Channel(p, 24);
    auto mul = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    out.push_back(Pack(a, mul(Channel(p, 16)), mul(Channel(p, 8)), mul(Channel(p, 0))));
  }
  return out;
}

std::vector<std::uint32_t> Greyed(std::span<const std::uint32_t> pixels) {
  std::vector<std::uint32_t> out;
  out.reserve(pixels.size());
  for (std::uint32_t p : pixels) {
    // Brightness (ITU-R BT.601 weights), lifted towards white.
    const std::uint32_t y = (Channel(p, 16) * 299 + Channel(p, 8) * 587 + Channel(p, 0) * 114) / 1000;
    const std::uint32_t grey = 96 + y * 128 / 255;
    out.push_back(Pack(Channel(p, 24) / 2, grey, grey, grey));
  }
  return out;
}

}  // namespace hanaroku
