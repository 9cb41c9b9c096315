#pragma once
// The program's own pictures: the picture buttons' bitmaps linked as
// resources (res/pictures), put into the picture set that controls draw by
// name, each with its greyed copy for a disabled button.
#include <string>
#include <string_view>

namespace hanaroku::win32 {

// "edit-cut" -> "EDIT_CUT", the name of its bitmap resource.
std::wstring PictureResourceName(std::string_view picture);
// Loads every picture the tool bars name (once); returns how many are in
// the set.
int LoadProgramPictures();

}  // namespace hanaroku::win32
