#pragma once
// The application settings: the item table of RegManager1 and the order in
// which the main window reads them at start (FormCreate) and writes them at
// close (FormCloseQuery). Every item lives in a section "Form\<name>" of the
// INI file beside the program file.
//
// Reading applies each value to its control or field as soon as it is read,
// so the rules of the HTML option check boxes run as each box changes. The
// file is read once, at the first value; the writes go in the same order and
// reach the file together, in one atomic replace.
#include <span>
#include <string_view>
#include <vector>

namespace hanaroku {

class TMainForm1;
class TRegItems;
class TRegManager;

struct SettingsItemDef {
  std::string_view name, section, ident, defaultValue;
};

// The 40 items in their design order.
std::span<const SettingsItemDef> SettingsItems();
void FillSettingsItems(TRegItems& items);

// Item names in the order of reading and writing.
std::vector<std::string_view> SettingsReadOrder();

// FormCreate's restore steps.
void RestoreAppSettings(TMainForm1& form, TRegManager& reg);
// FormCloseQuery's writes. When some of them could not reach the file
// (a read-only folder, a full disk) the rest are still written, and then a
// FileError says that the settings were not saved.
void StoreAppSettings(TMainForm1& form, TRegManager& reg);

}  // namespace hanaroku
