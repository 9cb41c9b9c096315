#pragma once
// The command-line rule of the program entry: only the first argument is
// looked at, and it is opened into the right pane when its extension is
// exactly ".txt", ".TXT", ".htm", ".html" or ".lnk".
#include <string>
#include <vector>

#include "app/FileNames.h"

namespace hanaroku {

class TMainForm1;

// args are the arguments after the program name. Opens the first one into
// the right pane of a created main window (behind the splash) when it
// qualifies; returns whether an open was attempted.
bool OpenCommandLineFile(TMainForm1& form, const std::vector<std::string>& args);

}  // namespace hanaroku
