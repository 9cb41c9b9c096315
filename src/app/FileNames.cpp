#include "app/FileNames.h"

namespace hanaroku {

std::string ExtractFileExt(const std::string& name) {
  const auto pos = name.find_last_of(".\\/:");
  if (pos == std::string::npos || name[pos] != '.') return {};
  return name.substr(pos);
}

std::string ExtractFilePath(const std::string& name) {
  const auto pos = name.find_last_of("\\/:");
  return pos == std::string::npos ? std::string() : name.substr(0, pos + 1);
}

bool IsOpenableTextName(const std::string& name) {
  if (name.empty()) return false;
  const std::string ext = ExtractFileExt(name);
  return ext == ".txt" || ext == ".TXT" || ext == ".htm" || ext == ".html";
}

bool IsCommandLineFile(const std::string& arg) {
  return IsOpenableTextName(arg) || ExtractFileExt(arg) == ".lnk";
}

}  // namespace hanaroku
