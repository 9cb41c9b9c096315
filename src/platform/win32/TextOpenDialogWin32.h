#pragma once
// The text open dialog on the platform's open dialog: the template
// "ENHDLG1" below the standard controls, a panel there with the preview
// check box and memo, and a hook that follows the selected file and the
// chosen file type.
#include "platform/win32/Win32Util.h"

#include <commdlg.h>

#include "controls/OpenDialogs.h"

namespace hanaroku::win32 {

// Identifiers of the panel and its controls in the template's dialog.
constexpr int kPreviewPanelId = 1200, kPreviewCheckId = 1201, kPreviewMemoId = 1202;
constexpr const wchar_t* kPreviewPanelClass = L"HanarokuPreviewPanel";

// Runs GetOpenFileNameW on ofn (explorer style) as `dialog`, which holds
// the filter, the preview switch and the default extension the dialog
// starts with (ofn's own default extension is set from it). Without the
// template in the program's resources the dialog still changes
// extensions, without the preview.
BOOL ShowTextOpenDialog(OPENFILENAMEW& ofn, TTextOpenDialog& dialog);

// At most `most` bytes from the start of a regular file; nullopt for a
// directory, a device or a file that cannot be read.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t most);

}  // namespace hanaroku::win32
