#pragma once
// Tool bars of the main window: a strip of owner-drawn items laid out from
// the left edge, one item per control of the bar's table (app/ToolBars.h).
// Each item has a hint, shown in a tool tip and handed to the application
// hint handler (status panel 4) while the mouse is over it.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/ToolBars.h"
#include "platform/Canvas.h"

namespace hanaroku::win32 {

enum class StripItemKind : std::uint8_t { Grip, Button, PictureButton, Clock, Banner, Tab, EditBox, CheckBox, Label };

struct StripItem {
  StripItemKind kind = StripItemKind::Button;
  std::string name;      // design name
  std::wstring caption;  // one character (picture buttons: a glyph letter)
  std::string hint;      // UTF-8
  Command command = Command::None;
  ControlRef ref;
  int width = 23;
  bool visible = true;
  RECT rect{};           // placed by Layout
};

// The strip items of a bar's controls.
std::vector<StripItem> ItemsFromTable(ToolBarId bar);
// The glyph letter drawn on a picture button without a caption.
std::wstring PictureGlyph(Command c);
// Places the visible items from the left edge, vertically centred in a strip
// of the given height; grips take the whole height. Returns the right edge.
int LayoutStrip(std::vector<StripItem>& items, int height) noexcept;
// The visible item under (x, y), or -1.
int HitTestStrip(const std::vector<StripItem>& items, int x, int y) noexcept;

class ToolStrip {
 public:
  struct Callbacks {
    std::function<void(ControlRef)> click;
    std::function<const BarControlState&(ControlRef)> state;
    std::function<bool(ControlRef)> usable;
    std::function<void(const std::string&)> hint;  // "" when the mouse leaves
  };

  ToolStrip() = default;
  ~ToolStrip();
  ToolStrip(const ToolStrip&) = delete;
  ToolStrip& operator=(const ToolStrip&) = delete;

  void Create(HWND parent, int id, int height, std::vector<StripItem> items, Callbacks callbacks);
  HWND Handle() const noexcept { return wnd_; }
  int Height() const noexcept { return height_; }

  // Shows or hides an item by its command (tabs of NNBar2) and re-lays out.
  void SetItemVisible(Command c, bool visible);
  bool AnyItemVisible() const noexcept;
  // Colours of the clock item (ClockLabel2) and the banner (MsgSCR1).
  void SetClockColors(TColor background, TColor text);
  void SetBannerColors(TColor background, TColor text);
  // Re-reads the enabled states and repaints.
  void Refresh();
  const std::vector<StripItem>& Items() const noexcept { return items_; }

 private:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void OnMouseMove(int x, int y);
  void OnMouseLeave();
  void OnLButtonDown(int x, int y);
  void OnLButtonUp(int x, int y);
  void DrawItem(HDC dc, const StripItem& item, int index) const;
  void SetHot(int index);
  void Relayout();
  void UpdateTooltips();
  bool ItemEnabled(const StripItem& item) const;

  HWND wnd_ = nullptr;
  HWND tooltip_ = nullptr;
  int height_ = 0;
  std::vector<StripItem> items_;
  Callbacks callbacks_;
  FontPtr font_, glyphFont_;
  int hot_ = -1, pressed_ = -1;
  bool tracking_ = false;
  TColor clockBack_ = 0xE9F5F4, clockText_ = 0x554239;
  TColor bannerBack_ = 0xDDE3D5, bannerText_ = 0xFF0000;
};

}  // namespace hanaroku::win32
