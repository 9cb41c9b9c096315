#pragma once
// The symbol images of the pages (check box "記"): punctuation and brackets
// of the text become pictures of their vertical forms from a folder "kigou"
// beside the page, and a blank column becomes the blank picture.
#include <span>
#include <string>
#include <string_view>

namespace hanaroku {

struct SymbolImage {
  std::string_view search;  // UTF-8; the last three rows match text after break insertion
  std::string_view file;    // in "kigou/"
  int height;
};

// The 23 rows in the order they are replaced.
std::span<const SymbolImage> SymbolImageTable() noexcept;

// The tag of a row: <img src="kigou/FILE" border="0" width="19" height="H">.
std::string SymbolImageTag(const SymbolImage& row);

// The folder the pages refer to, and the 22 files it holds.
inline constexpr std::string_view kSymbolFolder = "kigou";
std::span<const std::string_view> SymbolImageFiles() noexcept;

// True when a page (Shift-JIS or UTF-8: the tag is ASCII) refers to images
// of the folder.
bool UsesSymbolImages(std::string_view page) noexcept;

}  // namespace hanaroku
