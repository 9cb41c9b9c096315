#pragma once
// Shared pieces of the pane window tests: a host window with a pane on a
// model, key and mouse helpers, and pictures of the painted client area.
#include "platform/win32/PaneWindow.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Encoding.h"

namespace hanaroku::win32::test {

inline constexpr int kWidth = 400, kHeight = 300;

inline std::string Sjis(const char* utf8) { return enc::Utf8ToSjis(utf8); }

inline std::string Poem() {
  return Sjis("ひさかたの\r\n光のどけき\r\n春の日に\r\nしづ心なく\r\n花の散るらむ\r\n\r\n紀友則 (ABC-123)");
}

inline void Pump() {
  MSG msg;
  for (int i = 0; i < 1000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

inline LPARAM Xy(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// Holds Ctrl (or Shift) down in the thread's key state for the scope.
class KeyHeldDown {
 public:
  explicit KeyHeldDown(int vk) : vk_(vk) { Set(0x80); }
  ~KeyHeldDown() { Set(0); }

 private:
  void Set(BYTE v) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[vk_] = v;
    ::SetKeyboardState(keys);
  }
  int vk_;
};

// A 32-bit picture of the pane's client area.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> px;  // 0x00RRGGBB
  std::uint32_t At(int x, int y) const { return px[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF; }
};

inline std::uint32_t ToRgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// What the window paints (WM_PRINTCLIENT), or with fromScreen what the
// screen shows of it (for windows that draw outside their repaints).
inline Picture Snapshot(HWND pane, bool fromScreen = false) {
  RECT rc{};
  ::GetClientRect(pane, &rc);
  Picture pic;
  pic.width = rc.right;
  pic.height = rc.bottom;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = pic.width;
  bi.bmiHeader.biHeight = -pic.height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  WindowDc screen(pane);
  HBITMAP dib = ::CreateDIBSection(screen.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return pic;
  BitmapPtr owner(dib);
  MemoryDc dc(screen.Get());
  {
    SelectGuard sel(dc.Get(), dib);
    if (fromScreen)
      ::BitBlt(dc.Get(), 0, 0, pic.width, pic.height, screen.Get(), 0, 0, SRCCOPY);
    else
      ::SendMessageW(pane, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    ::GdiFlush();
    pic.px.assign(static_cast<const std::uint32_t*>(bits),
                  static_cast<const std::uint32_t*>(bits) + static_cast<std::size_t>(pic.width) * pic.height);
  }
  return pic;
}

// Bounding box and count of the pixels that differ from the background.
struct Ink {
  int count = 0;
  RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

inline Ink InkOf(const Picture& pic, std::uint32_t background, RECT area = RECT{0, 0, INT_MAX, INT_MAX}) {
  Ink ink;
  for (int y = std::max<int>(0, area.top); y < std::min<int>(pic.height, area.bottom); ++y)
    for (int x = std::max<int>(0, area.left); x < std::min<int>(pic.width, area.right); ++x) {
      if (pic.At(x, y) == background) continue;
      ++ink.count;
      ink.box.left = std::min<LONG>(ink.box.left, x);
      ink.box.top = std::min<LONG>(ink.box.top, y);
      ink.box.right = std::max<LONG>(ink.box.right, x + 1);
      ink.box.bottom = std::max<LONG>(ink.box.bottom, y + 1);
    }
  return ink;
}

inline int CountColor(const Picture& pic, std::uint32_t rgb) {
  int n = 0;
  for (std::uint32_t p : pic.px) n += (p & 0xFFFFFF) == rgb;
  return n;
}

inline LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(wnd, msg, wParam, lParam);
}

// A visible top-level window to hold pane windows.
inline HWND CreateHost(const wchar_t* title, int width, int height) {
  HINSTANCE inst = ::GetModuleHandleW(nullptr);
  PaneWindow::RegisterWindowClass(inst);
  WNDCLASSW wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = inst;
  wc.lpszClassName = L"PaneWindowTestHost";
  ::RegisterClassW(&wc);
  return ::CreateWindowExW(0, L"PaneWindowTestHost", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width, height,
                           nullptr, nullptr, inst, nullptr);
}

class PaneWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateHost(L"pane test", kWidth + 60, kHeight + 80);
    ASSERT_NE(host_, nullptr);
    FontSpec font;
    font.name = "IPAMincho";
    font.height = 20;
    model_.SetFont(font);
    model_.SetColor(0xFFFFFF);
    model_.ConfirmLoss = [](const std::u16string&) { return false; };
    pane_.Create(host_, model_, 101);
    ::MoveWindow(pane_.Handle(), 0, 0, kWidth, kHeight, TRUE);
    model_.SetText(Poem());
    Pump();
  }
  void TearDown() override {
    if (host_) ::DestroyWindow(host_);
    Pump();
  }

  Point FlowPoint(int line, int inlinePx) const {
    // The middle of the line's band at an inline offset.
    const PaneLayout& lay = model_.Layout();
    Point p = lay.FlowToClient(line, inlinePx);
    if (lay.Vertical())
      p.x += lay.LinePitch() / 2;
    else
      p.y += lay.LinePitch() / 2;
    return p;
  }
  void Click(Point p) {
    ::SendMessageW(pane_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Xy(p.x, p.y));
    ::SendMessageW(pane_.Handle(), WM_LBUTTONUP, 0, Xy(p.x, p.y));
  }
  void Key(int vk) {
    ::SendMessageW(pane_.Handle(), WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
    ::SendMessageW(pane_.Handle(), WM_KEYUP, static_cast<WPARAM>(vk), 0xC0000001);
  }
  void Char(wchar_t c) { ::SendMessageW(pane_.Handle(), WM_CHAR, c, 1); }

  TRichEditSx model_;  // outlives the window
  PaneWindow pane_;
  HWND host_ = nullptr;
};

}  // namespace hanaroku::win32::test
