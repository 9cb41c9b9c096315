#pragma once
// User-facing dialogs and small services of the platform: message boxes, file
// dialogs, font and colour choosers, beep, shell. All texts are UTF-8.
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace hanaroku {

enum class MsgButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MsgIcon { None, Information, Question, Warning, Error };
enum class MsgResult { Ok, Cancel, Yes, No };

struct FileDialogSpec {
  std::string filter;        // "Text(*.txt)|*.txt|HTML|*.HTML;*.HTM"
  std::string defaultExt;    // "txt" or empty
  std::string fileName;      // preset, "*.txt"
  std::string initialDir;    // UTF-8 directory
  std::string title;
  bool preview = false;      // text open dialog with preview
  int filterIndex = 1;       // the file type shown first (from 1)
  int* chosenFilterIndex = nullptr;  // when given: receives the type chosen
};

struct FontSpec {
  std::string name;          // face name, UTF-8 ("ＭＳ 明朝")
  int height = 18;           // pixels
  bool bold = false, italic = false, underline = false, strikeOut = false;
  TColor color = 0;
  int charset = 128;         // SHIFTJIS_CHARSET
  bool operator==(const FontSpec&) const = default;
};

class IDialogs {
 public:
  virtual ~IDialogs() = default;
  virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                               MsgButtons buttons, MsgIcon icon) = 0;
  // Return false when cancelled; on OK the chosen path is in `path`.
  virtual bool OpenFile(const FileDialogSpec& request, std::string& path) = 0;
  virtual bool SaveFile(const FileDialogSpec& request, std::string& path) = 0;
  virtual bool ChooseFont(FontSpec& font, bool effects) = 0;
  virtual bool ChooseColor(TColor& color) = 0;
  virtual void Beep() = 0;  // MessageBeep(0)
};

// Shell services.
struct ShortcutTarget {
  std::string path, workingDir, arguments;  // path empty when unresolved
};

class IShell {
 public:
  virtual ~IShell() = default;
  virtual ShortcutTarget ResolveShortcut(const std::string& lnkPath) = 0;
  virtual bool ShellOpen(const std::string& fileOrAddress) = 0;
  virtual bool StartProcess(const std::string& exePath, const std::string& args) = 0;
};

}  // namespace hanaroku
