#pragma once
// MainMenu1 and PopupMenu1 built from the command tables, their check marks
// and enabled states, the owner-drawn colour items of the popup, and the
// Ctrl+letter shortcuts of the menu items.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/Commands.h"

namespace hanaroku::win32 {

// Menu item identifiers: the command's value plus this base.
constexpr UINT kCommandIdBase = 1000;
constexpr UINT CommandId(Command c) noexcept { return kCommandIdBase + static_cast<UINT>(c); }
std::optional<Command> CommandFromId(UINT id) noexcept;

// "新規作成(&N)" with Ctrl+N -> "新規作成(&N)\tCtrl+N".
std::wstring MenuText(const MenuItemDef& def);

// The shortcut table of a menu: Ctrl+letter -> command.
struct ShortcutBinding {
  char key;
  Command command;
};
std::vector<ShortcutBinding> CollectShortcuts(std::span<const MenuItemDef> items);
std::optional<Command> FindShortcut(const std::vector<ShortcutBinding>& bindings, UINT vk, bool ctrl, bool alt,
                                    bool shift) noexcept;

// Builds a menu bar (MainMenu1) or a pop-up menu (PopupMenu1) from a table.
// Every item carries a pointer to its table entry as item data.
HMENU BuildMenuBar(std::span<const MenuItemDef> items);
HMENU BuildPopupMenu(std::span<const MenuItemDef> items);

// Brings the items of one (sub) menu in line before it opens.
struct MenuState {
  std::function<bool(Command)> enabled;
  std::function<bool(CheckMark)> checked;
};
void UpdateMenuItems(HMENU menu, const MenuState& state);

// The table entry behind a menu item, or null.
const MenuItemDef* ItemDef(HMENU menu, UINT position, bool byPosition);

// Owner-drawn items of PopupMenu1; the box of "折り返し" follows the
// right pane's word wrap.
void MeasureColorItem(HWND wnd, MEASUREITEMSTRUCT& mis);
void DrawColorItem(DRAWITEMSTRUCT& dis, bool wordWrapChecked);

}  // namespace hanaroku::win32
