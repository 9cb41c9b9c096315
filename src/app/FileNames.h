#pragma once
// File-name parts as the program compares them (byte-exact).
#include <string>

namespace hanaroku {

// The extension of a file name: from the last "." of the name part (after
// the last "\", "/" or ":"), including the dot; empty when none.
std::string ExtractFileExt(const std::string& name);
// The directory part, up to and including the last "\", "/" or ":".
std::string ExtractFilePath(const std::string& name);
// True when the extension is exactly ".txt", ".TXT", ".htm" or ".html".
bool IsOpenableTextName(const std::string& name);
// True when the first command-line argument is to be opened (the text
// extensions above or ".lnk").
bool IsCommandLineFile(const std::string& arg);

}  // namespace hanaroku
