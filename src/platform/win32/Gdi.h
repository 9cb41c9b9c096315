#pragma once
// RAII owners of GDI resources beyond the basic ones in Win32Util.h
// (FontPtr, BrushPtr, PenPtr, SelectGuard, WindowDc): bitmaps, memory device
// contexts, paint scopes, a reusable back buffer for double-buffered painting,
// and the pane fonts (plain and vertical "@" face) made from a FontSpec.
#include "platform/win32/Win32Util.h"  // first: windows.h without its clashing macros

#include <string>

#include "platform/Dialogs.h"

namespace hanaroku::win32 {

using BitmapPtr = GdiPtr<HBITMAP>;
using RegionPtr = GdiPtr<HRGN>;

inline BrushPtr MakeSolidBrush(COLORREF c) { return BrushPtr(::CreateSolidBrush(c)); }

// A memory device context (CreateCompatibleDC), deleted at the end of its life.
class MemoryDc {
 public:
  MemoryDc() noexcept = default;
  explicit MemoryDc(HDC compatibleWith) noexcept : dc_(::CreateCompatibleDC(compatibleWith)) {}
  MemoryDc(MemoryDc&& o) noexcept : dc_(o.dc_) { o.dc_ = nullptr; }
  MemoryDc& operator=(MemoryDc&& o) noexcept {
    if (this != &o) {
      Reset();
      dc_ = o.dc_;
      o.dc_ = nullptr;
    }
    return *this;
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() { Reset(); }

  HDC Get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }
  void Reset() noexcept {
    if (dc_) ::DeleteDC(dc_);
    dc_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
};

// BeginPaint .. EndPaint for the scope of a WM_PAINT handler.
class PaintDc {
 public:
  explicit PaintDc(HWND wnd) noexcept : wnd_(wnd), dc_(::BeginPaint(wnd, &ps_)) {}
  ~PaintDc() { ::EndPaint(wnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC Get() const noexcept { return dc_; }
  const RECT& Area() const noexcept { return ps_.rcPaint; }

 private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Saves the device context's state for the scope (SaveDC / RestoreDC), so
// fonts, colours, modes and clipping set inside are undone.
class DcStateGuard {
 public:
  explicit DcStateGuard(HDC dc) noexcept : dc_(dc), saved_(::SaveDC(dc)) {}
  ~DcStateGuard() {
    if (saved_) ::RestoreDC(dc_, saved_);
  }
  DcStateGuard(const DcStateGuard&) = delete;
  DcStateGuard& operator=(const DcStateGuard&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// An off-screen surface kept between paints: a memory DC with a bitmap
// compatible with the target, grown when the target gets larger.
class BackBuffer {
 public:
  // The buffer's DC, at least width x height pixels, compatible with target.
  // Null when GDI could not make it (the caller then paints directly).
  HDC Prepare(HDC target, int width, int height);
  // Copies the top-left width x height of the buffer onto target at (0, 0).
  void Present(HDC target, int width, int height) const noexcept;
  void Release() noexcept;
  ~BackBuffer() { Release(); }

  BackBuffer() = default;
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

 private:
  MemoryDc dc_;
  BitmapPtr bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  int width_ = 0, height_ = 0;
};

// Answers WM_PAINT through a back buffer: draw(dc, client) paints the whole
// client area on dc (the window's own when no buffer could be made).
template <class Draw>
void PaintBuffered(HWND wnd, Draw draw) {
  PaintDc paint(wnd);
  const RECT client = ClientRect(wnd);
  BackBuffer buffer;
  HDC target = paint.Get();
  HDC dc = buffer.Prepare(target, client.right, client.bottom);
  draw(dc ? dc : target, client);
  if (dc) buffer.Present(target, client.right, client.bottom);
}

// The header of a 32-bit top-down device-independent bitmap.
BITMAPINFO TopDown32BitInfo(int width, int height) noexcept;

// The pane font as GDI wants it: the face from the UTF-8 name, -height (the
// character height in pixels), bold, italic, underline, strike-out and the
// character set. Vertical: the "@" face at escapement and orientation 2700,
// which draws kana and kanji upright running downwards.
LOGFONTW PaneLogFont(const FontSpec& font, bool vertical);
FontPtr MakePaneFont(const FontSpec& font, bool vertical);

}  // namespace hanaroku::win32
