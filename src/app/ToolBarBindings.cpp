// How the main window meets its tool bars' controls: clicks and edits from
// the bars run the window's handlers; after each handler the controls that
// show window fields (check boxes, tabs, the font button, the banner's run
// button, the launcher hints) are brought in line, and each control that changed is redrawn.
#include <array>
#include <string>

#include "app/MainForm1.h"

namespace hanaroku {
namespace {

constexpr std::array<std::string_view, 4> kEditBoxes = {"Edit2", "Edit3", "Edit4", "Edit5"};
constexpr std::array<FocusOwner, 4> kEditFocus = {FocusOwner::Edit2, FocusOwner::Edit3, FocusOwner::Edit4,
                                                  FocusOwner::Edit5};

// Looked up once: the controls the window's fields are shown on.
struct BoundControls {
  std::array<ControlRef, 14> checkBoxes;
  std::array<ControlRef, 4> tabs;
  ControlRef fontButton, launcher1, launcher2, bannerRun, title, pageTitle;
};

const BoundControls& Bound() {
  static const BoundControls bound = [] {
    BoundControls b{};
    for (int i = 0; i < 14; ++i) b.checkBoxes[static_cast<std::size_t>(i)] = BarControl("CheckBox" + std::to_string(i + 1));
    b.tabs = {BarControl("ActiveImage2"), BarControl("ActiveImage4"), BarControl("ActiveImage6"),
              BarControl("ActiveImage8")};
    b.fontButton = BarControl("HtmButton8");
    b.launcher1 = BarControl("ShineSpeedButton23");
    b.launcher2 = BarControl("ShineSpeedButton24");
    b.bannerRun = BarControl("ShineSpeedButton14");
    b.title = BarControl("Edit4");
    b.pageTitle = BarControl("Edit5");
    return b;
  }();
  return bound;
}

}  // namespace

std::optional<ControlRef> EditBoxOf(FocusOwner f) {
  for (std::size_t i = 0; i < kEditFocus.size(); ++i)
    if (kEditFocus[i] == f) return BarControl(kEditBoxes[i]);
  return std::nullopt;
}

FocusOwner FocusOwnerOf(ControlRef editBox) {
  const std::string_view name = DefOf(editBox).name;
  for (std::size_t i = 0; i < kEditBoxes.size(); ++i)
    if (kEditBoxes[i] == name) return kEditFocus[i];
  return FocusOwner::Other;
}

void TMainForm1::BindBarControls() {
  BarControls.HasHandler = [this](Command c) { return Enabled(c); };
  BarControls.OnTextChange = [this](ControlRef c) { Execute(DefOf(c).command); };
  verse_.OnRunCaptionChanged = [this] { SyncBarControls(); };
  windows_.Launcher().OnHintChanged = [this] { SyncBarControls(); };
  // The count grid takes the rows of "書記" and of the sound count, and the
  // secondary windows' edit boxes the edit commands no pane took.
  coloring_.RecordResult = [this](const std::string& colorString, const std::string& count,
                                  const std::string& elapsed) { windows_.RecordResult(colorString, count, elapsed); };
  verse_.OnSoundCounted = [this] {
    windows_.RecordSoundCount(verse_.LastSoundCount().firstLine, verse_.LastSoundCount().lines);
  };
  windows_.OnSettingsApplied = [this] {
    PageSettings.UpdateFontCaption();
    SyncBarControls();
  };
  SettingsEditAction = [this](EditBoxAction action) { return windows_.SettingsEditAction(action); };
  CountGridEditAction = [this](EditBoxAction action) { windows_.CountGridEditAction(action); };
}

void TMainForm1::ControlClicked(ControlRef c) {
  const BarControlDef& def = DefOf(c);
  if (!BarControls.Usable(c)) return;
  switch (def.kind) {
    case ControlKind::CheckBox:
      PageSettings.SetCheckBox(def.index, !PageSettings.CheckBoxChecked(def.index));
      SyncBarControls();
      return;
    case ControlKind::EditBox:
    case ControlKind::Label:
    case ControlKind::BannerCell:
      return;
    default:
      Execute(def.command);
      return;
  }
}

void TMainForm1::ControlTextEdited(ControlRef c, std::string_view text) {
  if (DefOf(c).kind != ControlKind::EditBox) return;
  BarControls.SetText(c, text);
}

void TMainForm1::SyncBarControls() {
  const BoundControls& b = Bound();
  for (int i = 0; i < 14; ++i)
    BarControls.SetChecked(b.checkBoxes[static_cast<std::size_t>(i)], PageSettings.CheckBoxChecked(i + 1));
  const bool tabs[4] = {ToolBars.ActiveImage2, ToolBars.ActiveImage4, ToolBars.ActiveImage6, ToolBars.ActiveImage8};
  for (std::size_t i = 0; i < 4; ++i) BarControls.SetVisible(b.tabs[i], tabs[i]);
  BarControls.SetCaption(b.fontButton, PageSettings.HtmButton8Caption);
  // The title texts: a box that shows another text takes the setting, and
  // its change handler runs.
  BarControls.SetText(b.title, PageSettings.Title);
  BarControls.SetText(b.pageTitle, PageSettings.PageTitle);
  BarControls.SetHint(b.launcher1, ShineSpeedButton23Hint);
  BarControls.SetHint(b.launcher2, ShineSpeedButton24Hint);
  BarControls.SetCaption(b.bannerRun, verse_.ShineSpeedButton14Caption());
}

void TMainForm1::Edit4Change() {
  const ControlRef box = Bound().title;
  html_.Edit4Change(BarControls.Text(box));
  BarControls.SetHint(box, html_.Edit4Hint);
}

void TMainForm1::Edit5Change() {
  const ControlRef box = Bound().pageTitle;
  html_.Edit5Change(BarControls.Text(box));
  BarControls.SetHint(box, html_.Edit5Hint);
}

bool TMainForm1::FocusedEditBoxAction(EditBoxAction action) {
  if (!host_.ApplicationActive()) return false;
  const std::optional<ControlRef> box = EditBoxOf(host_.FocusedControl());
  if (!box) return false;
  BarControls.Action(*box, action);
  return true;
}

}  // namespace hanaroku
