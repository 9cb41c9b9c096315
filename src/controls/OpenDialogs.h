#pragma once
// The document open dialogs' own behaviour, apart from the platform dialog
// that shows them:
// - TExtChangeOpenDialog: choosing another file type changes the extension
//   of the name in the file-name box and the default extension to the
//   type's own;
// - TEnhOpenDialog: the dialog template "ENHDLG1" leaves free space below
//   the standard controls, where a borderless panel goes;
// - TTextOpenDialog: on that panel a "Preview(&P)" check box and a read-only
//   memo showing the first 1 024 bytes of the selected file as Shift-JIS
//   text.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Geometry.h"

namespace hanaroku {

// The extension of entry `index` (1-based) of a filter "name|pattern|name|
// pattern": the pattern cut at its first ";" and taken from its first "."
// (".txt" for "*.txt;*.text", ".*" for "*.*", "" for a pattern without a
// dot). nullopt when the filter has no such entry.
std::optional<std::string> FilterExtension(std::string_view filter, int index);

// `name` with its extension (from the last "." after the last "\", "/" or
// ":") replaced by `ext`; a name without one gets `ext` appended.
std::string ReplaceExtension(std::string_view name, std::string_view ext);

class TExtChangeOpenDialog {
 public:
  bool AutoExtChange = true;
  std::string Filter;
  int FilterIndex = 1;     // 1-based, as the platform counts
  std::string DefaultExt;  // without the dot

  // Before the dialog shows: the default extension of the current type.
  void BeforeShow();
  // The user picked file type `index` while the file-name box held `box`:
  // the new text of the box, or nullopt to leave it as it is.
  std::optional<std::string> TypeChanged(int index, std::string_view box);
};

class TEnhOpenDialog : public TExtChangeOpenDialog {
 public:
  static constexpr const char* kTemplateName = "ENHDLG1";
  // The panel in the template's client area: full width, from 10 pixels
  // above the bottom of the standard controls' area down to the bottom.
  static Rect PanelRect(Size client, int standardControlsBottom) noexcept;
};

class TTextOpenDialog : public TEnhOpenDialog {
 public:
  static constexpr std::size_t kPreviewBytes = 1024;
  static constexpr const char* kPreviewCaption = "Preview(&P)";
  static constexpr const char* kMemoFont = "Arial";

  bool Preview = false;

  // On the panel: the check box, and the memo below it, narrowed by the
  // size grip's width when the dialog can be resized (0 otherwise).
  static Rect CheckBoxRect() noexcept;
  static Rect MemoRect(Size panelClient, int sizeGripWidth) noexcept;

  // Reads at most `most` bytes from the start of a file; nullopt when it is
  // not a file that can be read.
  using HeadReader = std::function<std::optional<std::string>(const std::string& path, std::size_t most)>;
  // What the memo shows for the selected name: nothing unless Preview is on
  // and the name has no wildcard and names a readable file; otherwise its
  // first 1 024 bytes as Shift-JIS text (a double-byte character cut by the
  // limit left out), every line break as CR LF and NULs as U+FFFD, so that
  // any file shows whole in an edit control.
  std::u16string PreviewText(const std::string& selected, const HeadReader& read) const;
};

}  // namespace hanaroku
