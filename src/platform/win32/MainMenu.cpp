#include "platform/win32/MainMenu.h"

#include <stdexcept>

#include "editing/ColorPopup.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

void AppendItem(HMENU menu, const MenuItemDef& def, HMENU subMenu) {
  std::wstring text = MenuText(def);
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_DATA | MIIM_FTYPE | MIIM_ID;
  mii.dwItemData = reinterpret_cast<ULONG_PTR>(&def);
  if (def.kind == MenuKind::Separator) {
    mii.fType = MFT_SEPARATOR | (def.ownerDraw ? MFT_OWNERDRAW : 0);
  } else {
    mii.fMask |= MIIM_STRING;
    mii.fType = def.ownerDraw ? MFT_OWNERDRAW : MFT_STRING;
    mii.dwTypeData = text.data();
    mii.wID = CommandId(def.command);
    if (def.check != CheckMark::None) {
      // Design check state; brought in line when the menu opens.
      mii.fMask |= MIIM_STATE;
      mii.fState = MFS_CHECKED;
    }
  }
  if (subMenu) {
    mii.fMask |= MIIM_SUBMENU;
    mii.hSubMenu = subMenu;
    mii.wID = 0;
  }
  if (!::InsertMenuItemW(menu, ::GetMenuItemCount(menu), TRUE, &mii))
    throw std::runtime_error("InsertMenuItem: " + SystemErrorText(::GetLastError()));
}

// Fills menu from items[pos] until the EndPopup of its level; returns the
// position after it.
std::size_t FillMenu(HMENU menu, std::span<const MenuItemDef> items, std::size_t pos) {
  while (pos < items.size()) {
    const MenuItemDef& def = items[pos++];
    switch (def.kind) {
      case MenuKind::EndPopup:
        return pos;
      case MenuKind::Popup: {
        HMENU sub = ::CreatePopupMenu();
        pos = FillMenu(sub, items, pos);
        AppendItem(menu, def, sub);
        break;
      }
      case MenuKind::Item:
      case MenuKind::Separator:
        AppendItem(menu, def, nullptr);
        break;
    }
  }
  return pos;
}

// The system's menu font as the painting port describes fonts.
PaintFont MenuFont() {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  const LOGFONTW& lf = ncm.lfMenuFont;
  PaintFont f;
  f.name = Narrow(lf.lfFaceName);
  f.height = lf.lfHeight < 0 ? -lf.lfHeight : (lf.lfHeight > 0 ? lf.lfHeight : 12);
  f.bold = lf.lfWeight >= FW_BOLD;
  f.italic = lf.lfItalic != 0;
  f.charset = lf.lfCharSet;
  return f;
}

}  // namespace

std::optional<Command> CommandFromId(UINT id) noexcept {
  if (id <= kCommandIdBase || id >= kCommandIdBase + static_cast<UINT>(kCommandCount)) return std::nullopt;
  return static_cast<Command>(id - kCommandIdBase);
}

std::wstring MenuText(const MenuItemDef& def) {
  std::wstring text = Widen(def.caption);
  if (!def.shortcut.Empty()) {
    text += def.shortcut.ctrl ? L"\tCtrl+" : L"\t";
    text.push_back(static_cast<wchar_t>(def.shortcut.key));
  }
  return text;
}

std::vector<ShortcutBinding> CollectShortcuts(std::span<const MenuItemDef> items) {
  std::vector<ShortcutBinding> out;
  for (const MenuItemDef& def : items)
    if (def.kind == MenuKind::Item && !def.shortcut.Empty() && def.shortcut.ctrl)
      out.push_back({def.shortcut.key, def.command});
  return out;
}

std::optional<Command> FindShortcut(const std::vector<ShortcutBinding>& bindings, UINT vk, bool ctrl, bool alt,
                                    bool shift) noexcept {
  if (!ctrl || alt || shift) return std::nullopt;
  for (const ShortcutBinding& b : bindings)
    if (static_cast<UINT>(static_cast<unsigned char>(b.key)) == vk) return b.command;
  return std::nullopt;
}

HMENU BuildMenuBar(std::span<const MenuItemDef> items) {
  HMENU bar = ::CreateMenu();
  FillMenu(bar, items, 0);
  return bar;
}

HMENU BuildPopupMenu(std::span<const MenuItemDef> items) {
  HMENU popup = ::CreatePopupMenu();
  FillMenu(popup, items, 0);
  return popup;
}

const MenuItemDef* ItemDef(HMENU menu, UINT position, bool byPosition) {
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_DATA;
  if (!::GetMenuItemInfoW(menu, position, byPosition, &mii)) return nullptr;
  return reinterpret_cast<const MenuItemDef*>(mii.dwItemData);
}

void UpdateMenuItems(HMENU menu, const MenuState& state) {
  int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const MenuItemDef* def = ItemDef(menu, static_cast<UINT>(i), true);
    if (!def || def->kind != MenuKind::Item) continue;
    bool on = state.enabled ? state.enabled(def->command) : true;
    ::EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    if (def->check != CheckMark::None && state.checked)
      ::CheckMenuItem(menu, static_cast<UINT>(i),
                      MF_BYPOSITION | (state.checked(def->check) ? MF_CHECKED : MF_UNCHECKED));
  }
}

void MeasureColorItem(HWND, MEASUREITEMSTRUCT& mis) {
  const auto* def = reinterpret_cast<const MenuItemDef*>(mis.itemData);
  if (!def) return;
  const Size size = MeasurePopupItem(def->name, def->kind == MenuKind::Separator);
  mis.itemWidth = static_cast<UINT>(size.width);
  mis.itemHeight = static_cast<UINT>(size.height);
}

void DrawColorItem(DRAWITEMSTRUCT& dis, bool wordWrapChecked) {
  const auto* def = reinterpret_cast<const MenuItemDef*>(dis.itemData);
  if (!def) return;
  GdiCanvas canvas(dis.hDC);
  PaintPopupItem(canvas, def->name, def->caption, def->kind == MenuKind::Separator, FromRECT(dis.rcItem),
                 wordWrapChecked, MenuFont());
}

}  // namespace hanaroku::win32
