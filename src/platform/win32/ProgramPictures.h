#pragma once
// The program's own pictures: the picture buttons' bitmaps linked as
// resources (res/pictures), put into the picture set that controls draw by
// name, each with its greyed copy for a disabled button.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hanaroku::win32 {

// "edit-cut" -> "EDIT_CUT", the name of its bitmap resource.
std::wstring PictureResourceName(std::string_view picture);
// Loads every picture the tool bars name (once); returns how many are in
// the set.
int LoadProgramPictures();
// Puts a picture made by the program (straight-alpha 0xAARRGGBB pixels, top
// row first) into the set under `name`, unless one of that name is there.
void RegisterMadePicture(const std::string& name, int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace hanaroku::win32
