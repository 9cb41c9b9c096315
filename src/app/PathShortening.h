#pragma once
// Fitting a path into a pixel width: leading directories are replaced by
// "...\" one at a time, then the drive goes, until the text fits or only the
// file name is left.
#include <string>

namespace hanaroku {

class ITextMeasurer;

// path and result are UTF-8; the separator is "\".
std::string ShortenPathToWidth(const std::string& path, const ITextMeasurer& canvas, int maxWidth);

}  // namespace hanaroku
