#include "platform/win32/ProgramPictures.h"

#include "platform/win32/GdiCanvas.h"  // first: windows.h

#include <cstdint>
#include <set>
#include <vector>

#include "app/ToolBars.h"
#include "controls/HWaSpeedButton.h"
#include "controls/PicturePixels.h"

namespace hanaroku::win32 {
namespace {

// A 32-bit top-down bitmap holding `pixels`.
HBITMAP MakeBitmap(int width, int height, const std::vector<std::uint32_t>& pixels) {
  BITMAPINFO bi = TopDown32BitInfo(width, height);
  void* bits = nullptr;
  HBITMAP bmp = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bmp && bits) std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
  return bmp;
}

bool LoadPicture(const std::string& name) {
  const std::wstring res = PictureResourceName(name);
  BitmapPtr source(static_cast<HBITMAP>(
      ::LoadImageW(::GetModuleHandleW(nullptr), res.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!source) return false;
  BITMAP info{};
  if (!::GetObjectW(source.get(), sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
  const int w = info.bmWidth, h = info.bmHeight;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  BITMAPINFO bi = TopDown32BitInfo(w, h);
  WindowDc screen(nullptr);
  if (::GetDIBits(screen.Get(), source.get(), 0, static_cast<UINT>(h), pixels.data(), &bi, DIB_RGB_COLORS) != h)
    return false;
  RegisterPicture(name, MakeBitmap(w, h, Premultiplied(pixels)), true);
  RegisterPicture(DisabledPictureName(name), MakeBitmap(w, h, Premultiplied(Greyed(pixels))), true);
  return true;
}

}  // namespace

std::wstring PictureResourceName(std::string_view picture) {
  std::wstring out;
  for (char c : picture) out.push_back(c == '-' ? L'_' : c >= 'a' && c <= 'z' ? static_cast<wchar_t>(c - 'a' + 'A') : c);
  return out;
}

int LoadProgramPictures() {
  static const int loaded = [] {
    std::set<std::string> names;
    for (ControlRef c : AllBarControls())
      if (!DefOf(c).picture.empty()) names.emplace(DefOf(c).picture);
    int n = 0;
    for (const std::string& name : names) n += LoadPicture(name) ? 1 : 0;
    return n;
  }();
  return loaded;
}

void RegisterMadePicture(const std::string& name, int width, int height, const std::vector<std::uint32_t>& pixels) {
  if (HasPicture(name) || width <= 0 || height <= 0 ||
      pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    return;
  RegisterPicture(name, MakeBitmap(width, height, Premultiplied(pixels)), true);
}

}  // namespace hanaroku::win32
