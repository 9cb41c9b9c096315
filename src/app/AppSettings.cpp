#include "app/AppSettings.h"

#include <algorithm>
#include <string>

#include "app/MainForm1.h"
#include "app/RegManager.h"
#include "app/StoredComponents.h"
#include "platform/FileSystem.h"

namespace hanaroku {
namespace {

constexpr SettingsItemDef kItems[] = {
    {"RichEditNx1Component", "Form\\RichEditNx1", "prop", ""},
    {"RichEditNx2Component", "Form\\RichEditNx2", "prop", ""},
    {"MainForm1Width", "Form\\MainForm1", "Width", "780"},
    {"MainForm1Height", "Form\\MainForm1", "Height", "550"},
    {"MsgSCR1Component", "Form\\MsgSCR1", "prop", ""},
    {"DropDst1Component", "Form\\DropDst1", "prop", ""},
    {"DropDst2Component", "Form\\DropDst2", "prop", ""},
    {"Expas", "Form\\Expas", "string", ""},
    {"Expas2", "Form\\Expas2", "string", ""},
    {"Edit4Text", "Form\\Edit4", "Text", ""},
    {"Edit5Text", "Form\\Edit5", "Text", ""},
    {"CheckBox1Checked", "Form\\CheckBox1", "Checked", ""},
    {"CheckBox2Checked", "Form\\CheckBox2", "Checked", ""},
    {"CheckBox3Checked", "Form\\CheckBox3", "Checked", ""},
    {"CheckBox4Checked", "Form\\CheckBox4", "Checked", "True"},
    {"CheckBox5Checked", "Form\\CheckBox5", "Checked", "True"},
    {"bgc", "Form\\bgc", "string", "#fff8dc"},
    {"mclo", "Form\\mclo", "string", "#8080FF"},
    {"mclt", "Form\\mclt", "string", "#D0A2A2"},
    {"Lcl", "Form\\Lcl", "string", "#CDC0A5"},
    {"Dai", "Form\\Dai", "string", "#CDC0A5"},
    {"CheckBox8Checked", "Form\\CheckBox8", "Checked", "True"},
    {"CheckBox9Checked", "Form\\CheckBox9", "Checked", ""},
    {"CheckBox10Checked", "Form\\CheckBox10", "Checked", ""},
    {"CheckBox6Checked", "Form\\CheckBox6", "Checked", ""},
    {"CheckBox7Checked", "Form\\CheckBox7", "Checked", ""},
    {"CheckBox11Checked", "Form\\CheckBox11", "Checked", ""},
    {"CheckBox12Checked", "Form\\CheckBox12", "Checked", ""},
    {"CheckBox13Checked", "Form\\CheckBox13", "Checked", ""},
    {"Mfn", "Form\\Mfn", "string", "ＭＳ 明朝"},
    {"fze", "Form\\fze", "string", "2"},
    {"Lint", "Form\\Lint", "string", "Back"},
    {"Linu", "Form\\Linu", "string", "index.htm"},
    {"FLink", "Form\\FLink", "Checked", ""},
    {"CheckBox14Checked", "Form\\CheckBox14", "Checked", "True"},
    {"fMaxForm", "Form\\fMaxForm", "Boolean", "False"},
    {"MainForm1Top", "Form\\MainForm1", "Top", "20"},
    {"MainForm1Left", "Form\\MainForm1", "Left", "20"},
    {"fLastfile", "Form\\fLastfile", "string", ""},
    {"fNx2Width", "Form\\fNx2Width", "Integer", "129"},
};

constexpr int kMaxCoordinate = 32767;

// ---- how each kind of item meets the window ----------------------------------------

using Access = void (*)(TMainForm1&, TRegFiler&);

// A field of the window, or of its page settings.
template <class T>
T& Member(TMainForm1& f, T TMainForm1::*m) {
  return f.*m;
}
template <class T>
T& Member(TMainForm1& f, T THtmlPageSettings::*m) {
  return f.PageSettings.*m;
}

template <auto Field>
void ReadTextField(TMainForm1& f, TRegFiler& r) {
  r.ReadText(Member(f, Field));
}
template <auto Field>
void WriteTextField(TMainForm1& f, TRegFiler& r) {
  r.WriteText(Member(f, Field));
}

template <auto Field>
void ReadFlagField(TMainForm1& f, TRegFiler& r) {
  Member(f, Field) = r.ReadFlag();
}
template <auto Field>
void WriteFlagField(TMainForm1& f, TRegFiler& r) {
  r.WriteFlag(Member(f, Field));
}

// A check box goes through its setter, so that its click rule runs.
template <int Index>
void ReadCheckBox(TMainForm1& f, TRegFiler& r) {
  f.PageSettings.SetCheckBox(Index, r.ReadFlag());
}
template <int Index>
void WriteCheckBox(TMainForm1& f, TRegFiler& r) {
  r.WriteFlag(f.PageSettings.CheckBoxChecked(Index));
}

// Window bounds; a size below the window's minimum is raised to it.
template <int WindowBounds::*Field, int Min>
void ReadBound(TMainForm1& f, TRegFiler& r) {
  f.Bounds.*Field = std::clamp(r.ReadInt(), Min, kMaxCoordinate);
}
template <int WindowBounds::*Field>
void WriteBound(TMainForm1& f, TRegFiler& r) {
  r.WriteInt(f.Bounds.*Field);
}

template <auto Make>
void RestoreComponent(TMainForm1& f, TRegFiler& r) {
  auto component = Make(f);
  r.RestoreComponent(&component);
}
template <auto Make>
void StoreComponent(TMainForm1& f, TRegFiler& r) {
  auto component = Make(f);
  r.StoreComponent(&component);
}

PaneComponent RightPane(TMainForm1& f) { return {f.RichEditNx1, "RichEditNx1"}; }
PaneComponent LeftPane(TMainForm1& f) { return {f.RichEditNx2, "RichEditNx2", &f.LeftPaneWidth}; }
MsgSCRComponent Banner(TMainForm1& f) { return {f.MsgSCR1, "MsgSCR1"}; }
DropDstComponent RightDropTarget(TMainForm1& f) { return {f.DropDst1, "DropDst1"}; }
DropDstComponent LeftDropTarget(TMainForm1& f) { return {f.DropDst2, "DropDst2"}; }

// The page font also names the font button: "明" for Mincho, "ゴ" otherwise.
void ReadPageFont(TMainForm1& f, TRegFiler& r) {
  r.ReadText(f.PageSettings.Mfn);
  f.PageSettings.UpdateFontCaption();
}

// The last file: read as the target of "前回のファイルを開く", written from
// the document open at close.
void ReadLastFile(TMainForm1& f, TRegFiler& r) { r.ReadText(f.LastFileName); }
void WriteLastFile(TMainForm1& f, TRegFiler& r) { r.WriteText(f.RightFileName); }

// The left pane's width: applied at the first show (within the window's
// coordinates whatever the file says); written as it is now.
void ReadLeftWidth(TMainForm1& f, TRegFiler& r) {
  f.SavedLeftWidth = std::clamp(r.ReadInt(), -kMaxCoordinate, kMaxCoordinate);
}
void WriteLeftWidth(TMainForm1& f, TRegFiler& r) { r.WriteInt(f.LeftPaneWidth); }

struct Binding {
  std::string_view item;
  Access read, write;
};

// Read order, which is also the write order. The drop targets come after
// the panes they attach to.
const Binding kOrder[] = {
    {"RichEditNx1Component", RestoreComponent<RightPane>, StoreComponent<RightPane>},
    {"RichEditNx2Component", RestoreComponent<LeftPane>, StoreComponent<LeftPane>},
    {"MainForm1Width", ReadBound<&WindowBounds::width, 780>, WriteBound<&WindowBounds::width>},
    {"MainForm1Height", ReadBound<&WindowBounds::height, 270>, WriteBound<&WindowBounds::height>},
    {"MsgSCR1Component", RestoreComponent<Banner>, StoreComponent<Banner>},
    {"DropDst1Component", RestoreComponent<RightDropTarget>, StoreComponent<RightDropTarget>},
    {"DropDst2Component", RestoreComponent<LeftDropTarget>, StoreComponent<LeftDropTarget>},
    {"Expas", ReadTextField<&TMainForm1::Expas>, WriteTextField<&TMainForm1::Expas>},
    {"Expas2", ReadTextField<&TMainForm1::Expas2>, WriteTextField<&TMainForm1::Expas2>},
    {"Edit4Text", ReadTextField<&THtmlPageSettings::Title>, WriteTextField<&THtmlPageSettings::Title>},
    {"Edit5Text", ReadTextField<&THtmlPageSettings::PageTitle>, WriteTextField<&THtmlPageSettings::PageTitle>},
    {"CheckBox1Checked", ReadCheckBox<1>, WriteCheckBox<1>},
    {"CheckBox2Checked", ReadCheckBox<2>, WriteCheckBox<2>},
    {"CheckBox3Checked", ReadCheckBox<3>, WriteCheckBox<3>},
    {"CheckBox4Checked", ReadCheckBox<4>, WriteCheckBox<4>},
    {"CheckBox5Checked", ReadCheckBox<5>, WriteCheckBox<5>},
    {"bgc", ReadTextField<&THtmlPageSettings::bgc>, WriteTextField<&THtmlPageSettings::bgc>},
    {"mclo", ReadTextField<&THtmlPageSettings::mclo>, WriteTextField<&THtmlPageSettings::mclo>},
    {"mclt", ReadTextField<&THtmlPageSettings::mclt>, WriteTextField<&THtmlPageSettings::mclt>},
    {"Lcl", ReadTextField<&THtmlPageSettings::Lcl>, WriteTextField<&THtmlPageSettings::Lcl>},
    {"Dai", ReadTextField<&THtmlPageSettings::Dai>, WriteTextField<&THtmlPageSettings::Dai>},
    {"Mfn", ReadPageFont, WriteTextField<&THtmlPageSettings::Mfn>},
    {"fze", ReadTextField<&THtmlPageSettings::fze>, WriteTextField<&THtmlPageSettings::fze>},
    {"Lint", ReadTextField<&THtmlPageSettings::Lint>, WriteTextField<&THtmlPageSettings::Lint>},
    {"Linu", ReadTextField<&THtmlPageSettings::Linu>, WriteTextField<&THtmlPageSettings::Linu>},
    {"CheckBox8Checked", ReadCheckBox<8>, WriteCheckBox<8>},
    {"CheckBox9Checked", ReadCheckBox<9>, WriteCheckBox<9>},
    {"CheckBox10Checked", ReadCheckBox<10>, WriteCheckBox<10>},
    {"CheckBox6Checked", ReadCheckBox<6>, WriteCheckBox<6>},
    {"CheckBox7Checked", ReadCheckBox<7>, WriteCheckBox<7>},
    {"CheckBox11Checked", ReadCheckBox<11>, WriteCheckBox<11>},
    {"CheckBox12Checked", ReadCheckBox<12>, WriteCheckBox<12>},
    {"CheckBox13Checked", ReadCheckBox<13>, WriteCheckBox<13>},
    {"CheckBox14Checked", ReadCheckBox<14>, WriteCheckBox<14>},
    {"FLink", ReadFlagField<&THtmlPageSettings::FLink>, WriteFlagField<&THtmlPageSettings::FLink>},
    {"fMaxForm", ReadFlagField<&TMainForm1::WasMaximized>, WriteFlagField<&TMainForm1::WasMaximized>},
    {"MainForm1Top", ReadBound<&WindowBounds::top, -kMaxCoordinate>, WriteBound<&WindowBounds::top>},
    {"MainForm1Left", ReadBound<&WindowBounds::left, -kMaxCoordinate>, WriteBound<&WindowBounds::left>},
    {"fLastfile", ReadLastFile, WriteLastFile},
    {"fNx2Width", ReadLeftWidth, WriteLeftWidth},
};

}  // namespace

std::span<const SettingsItemDef> SettingsItems() { return kItems; }

void FillSettingsItems(TRegItems& items) {
  for (const SettingsItemDef& d : kItems)
    items.Add(std::string(d.name), std::string(d.section), std::string(d.ident), std::string(d.defaultValue));
}

std::vector<std::string_view> SettingsReadOrder() {
  std::vector<std::string_view> names;
  for (const Binding& b : kOrder) names.push_back(b.item);
  return names;
}

void RestoreAppSettings(TMainForm1& form, TRegManager& reg) {
  for (const Binding& b : kOrder) b.read(form, reg[b.item]);
}

void StoreAppSettings(TMainForm1& form, TRegManager& reg) {
  reg.ClearWriteFailures();
  {
    TRegManager::UpdateScope oneWrite(reg);  // every setting in one replace of the file
    for (const Binding& b : kOrder) b.write(form, reg[b.item]);
  }
  if (reg.WriteFailures() > 0)
    throw FileError("設定を保存できませんでした。\n" + reg.FirstWriteError());
}

}  // namespace hanaroku
