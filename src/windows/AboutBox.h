#pragma once
// TAboutBox "About & 設定": the small modeless window with the program's name
// and version and the settings that have no place on the main window: the
// programs of the two launcher buttons (set by dropping a program onto
// ColorEdit1 or ColorEdit2), and the colours, font, font size and back link
// of the generated pages. It edits the main window's settings in memory;
// they reach the settings file when the main window closes.
//
// The six colour and font fields are taken over by "OK" and "Exit" only;
// closing with the title bar leaves them. The font size (Label15), the link
// switch (LCheckBox1) and the link text and target (ColorEdit9, ColorEdit10)
// take effect at once; the launcher paths only change by a drop.
//
// The model is portable: the window that shows it (IAboutBoxView) builds its
// controls from Controls(), passes typing, focus, drops and clicks on to the
// handlers below and shows the fields again when the model says they
// changed.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/ToolBars.h"
#include "controls/ColorEdit.h"
#include "controls/LozengeCheckBox.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace hanaroku {

class IFileSystem;
class IShell;
class TLauncher;

// The main window's settings the window edits (their settings items).
struct AboutBoxSettings {
  std::string& bgc;   // page colour
  std::string& Dai;   // heading colour
  std::string& mclo;  // first line colour
  std::string& mclt;  // second line colour
  std::string& Lcl;   // rule colour
  std::string& Mfn;   // page font
  std::string& fze;   // font size, "2" or "3"
  std::string& Lint;  // back-link text
  std::string& Linu;  // back-link target
  bool& FLink;        // back-link switch
  const std::string& ExeDir;  // the program's folder, with its separator
};

enum class AboutControlKind : std::uint8_t {
  Label,      // a fixed text
  Link,       // a text that opens something when clicked (Label3, Label13)
  ColorEdit,  // ColorEdit1..ColorEdit10
  FontSize,   // Label15, clicked to toggle the font size
  CheckBox,   // LCheckBox1
  Button,     // the gradient buttons "OK" and "Exit"
};

struct AboutControlDef {
  AboutControlKind kind;
  std::string_view name;
  std::string_view caption;  // UTF-8
  std::string_view hint;
  Rect bounds;               // client pixels
  int index = 0;             // ColorEdit<index>
};

// The window that shows the model.
class IAboutBoxView {
 public:
  virtual ~IAboutBoxView() = default;
  // ColorEdit<index>'s text or hint changed.
  virtual void FieldChanged(int index) = 0;
  // Label15's caption or LCheckBox1 changed.
  virtual void FontSizeChanged() = 0;
  // Undo, cut, copy or paste in ColorEdit<index>.
  virtual void FieldAction(int index, EditBoxAction action) = 0;
  // Closes the window (after the handler that asks has returned).
  virtual void CloseWindow() = 0;
  // The window's font, which the launcher paths are shortened with.
  virtual const ITextMeasurer& FieldMeasurer() const = 0;
};

class TAboutBox {
 public:
  static constexpr const char* kCaption = "About & 設定";
  static constexpr const char* kVersion = "Hanaroku ver 1.33";
  static constexpr int kClientWidth = 338;
  static constexpr int kClientHeight = 334;
  static constexpr TColor kColor = 0xE4EDEF;  // RGB #EFEDE4
  static constexpr int kFieldCount = 10;
  static constexpr int kPathFieldWidth = 233;
  // The mail form of the second link: no address, the subject "Hanaroku".
  static constexpr const char* kMailForm = "mailto:?subject=Hanaroku";
  // The first link opens the first of these found beside the program, or
  // the program's folder when there is none.
  static constexpr std::array<const char*, 2> kReadmeNames = {"README.txt", "README.md"};

  TAboutBox(AboutBoxSettings settings, TLauncher& launcher, IShell& shell, IFileSystem& fs);
  TAboutBox(const TAboutBox&) = delete;
  TAboutBox& operator=(const TAboutBox&) = delete;

  // The controls in their tab order.
  static std::span<const AboutControlDef> Controls() noexcept;

  void SetView(IAboutBoxView* view) noexcept { view_ = view; }

  // ColorEdit1 .. ColorEdit10.
  TColorEdit& ColorEdit(int index) { return edits_.at(static_cast<std::size_t>(index - 1)); }
  const TColorEdit& ColorEdit(int index) const { return edits_.at(static_cast<std::size_t>(index - 1)); }
  const std::string& Label15() const noexcept { return label15_; }
  TLozengeCheckBox LCheckBox1;

  // ---- handlers --------------------------------------------------------------
  void FormCreate();
  void DropDst1FileDrop(const std::vector<std::string>& names) { DropProgram(1, names); }
  void DropDst2FileDrop(const std::vector<std::string>& names) { DropProgram(2, names); }
  void Label15Click();
  void LCheckBox1Click();
  void ColorEdit9Change();
  void ColorEdit10Change();
  void ShineSpeedButton2Click();  // "OK": apply the fields
  void ShineSpeedButton1Click();  // "Exit": apply, then close
  // Called after the fields were applied to the settings.
  std::function<void()> OnApplied;
  void Label3Click();             // the README beside the program
  void Label13Click();            // a new mail with the subject "Hanaroku"
  // The button, link or label named `name` was clicked.
  void ControlClicked(std::string_view name);

  // The edit commands of the main window on the focused field: true when
  // one of the fields has the focus (and got the action).
  bool FocusedFieldAction(EditBoxAction action);

 private:
  void DropProgram(int launcher, const std::vector<std::string>& names);
  std::string ShortenedPath(const std::string& path) const;
  void SetField(int index, const std::string& text);
  void Apply();

  AboutBoxSettings s_;
  TLauncher& launcher_;
  IShell& shell_;
  IFileSystem& fs_;
  IAboutBoxView* view_ = nullptr;
  std::array<TColorEdit, kFieldCount> edits_;
  std::string label15_;
};

}  // namespace hanaroku
