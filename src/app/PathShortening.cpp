#include "app/PathShortening.h"

#include "platform/Canvas.h"

namespace hanaroku {
namespace {

// Removes the first directory of dir, leaving "...\" in its place.
std::string CutFirstDirectory(std::string dir) {
  if (dir == "\\") return {};
  const bool root = !dir.empty() && dir.front() == '\\';
  if (root) dir.erase(0, 1);
  if (!dir.empty() && dir.front() == '.') dir.erase(0, dir.size() < 4 ? dir.size() : 4);
  const auto slash = dir.find('\\');
  if (slash != std::string::npos) {
    dir = "...\\" + dir.substr(slash + 1);
  } else {
    dir.clear();
  }
  if (root) dir.insert(0, "\\");
  return dir;
}

}  // namespace

std::string ShortenPathToWidth(const std::string& path, const ITextMeasurer& canvas, int maxWidth) {
  std::string result = path;
  const auto slash = path.rfind('\\');
  std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string drive;
  if (dir.size() >= 2 && dir[1] == ':') {
    drive = dir.substr(0, 2);
    dir.erase(0, 2);
  }
  while ((!dir.empty() || !drive.empty()) && canvas.TextWidth(result) > maxWidth) {
    if (dir == "\\...\\") {
      drive.clear();
      dir = "...\\";
    } else if (dir.empty()) {
      drive.clear();
    } else {
      dir = CutFirstDirectory(dir);
    }
    result = drive + dir + name;
  }
  return result;
}

}  // namespace hanaroku
