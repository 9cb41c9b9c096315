#include "windows/CommaText.h"

#include <algorithm>

namespace hanaroku {
namespace {

constexpr bool IsBlank(char c) noexcept { return static_cast<unsigned char>(c) <= ' '; }
constexpr bool IsLineBreak(char c) noexcept { return c == '\r' || c == '\n'; }

bool NeedsQuotes(std::string_view cell) noexcept {
  for (char c : cell)
    if (IsBlank(c) || c == '"' || c == ',') return true;
  return false;
}

// The content of a quoted cell from `from` (just after its opening quote)
// up to `end`, doubled quotes read as one; returns the position after the
// closing quote, or npos when the quote is not closed before `end`.
std::size_t Unquote(std::string_view text, std::size_t from, std::size_t end, std::string& cell) {
  std::size_t pos = from;
  while (pos < end) {
    const std::size_t quote = text.find('"', pos);
    if (quote == std::string_view::npos || quote >= end) break;
    cell.append(text.substr(pos, quote - pos));
    if (quote + 1 < end && text[quote + 1] == '"') {
      cell.push_back('"');
      pos = quote + 2;
      continue;
    }
    return quote + 1;
  }
  cell.append(text.substr(pos, end - pos));
  return std::string_view::npos;
}

// Reads rows of cells. In table mode a line break ends a row (outside
// quotes); otherwise line breaks are blanks like any byte of 32 or less.
// Every step moves on, so no input can make it loop: a NUL byte counts as a
// blank.
class CommaReader {
 public:
  CommaReader(std::string_view text, bool table) noexcept : text_(text), table_(table) {}

  bool AtEnd() const noexcept { return pos_ >= text_.size(); }

  // The row's cells; nullopt as soon as there are more than maxCells.
  std::optional<std::vector<std::string>> Row(std::size_t maxCells = SIZE_MAX) {
    std::vector<std::string> cells;
    SkipBlanks();
    while (!EndOfRow()) {
      if (cells.size() >= maxCells) return std::nullopt;
      cells.push_back(text_[pos_] == '"' ? Quoted() : Plain());
      SkipBlanks();
      if (!EndOfRow() && text_[pos_] == ',') {
        ++pos_;
        SkipBlanks();
      }
    }
    SkipLineBreak();
    return cells;
  }

 private:
  bool EndOfRow() const noexcept { return AtEnd() || (table_ && IsLineBreak(text_[pos_])); }

  void SkipBlanks() noexcept {
    while (!AtEnd() && IsBlank(text_[pos_]) && !(table_ && IsLineBreak(text_[pos_]))) ++pos_;
  }

  void SkipLineBreak() noexcept {
    if (!AtEnd() && text_[pos_] == '\r') ++pos_;
    if (!AtEnd() && text_[pos_] == '\n') ++pos_;
  }

  std::string Plain() {
    const std::size_t start = pos_;
    while (!AtEnd() && !IsBlank(text_[pos_]) && text_[pos_] != ',') ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

  // A quote that is never closed takes the rest of its line in a table (the
  // rest of the text otherwise). As every quote after such a one is part of
  // a doubled pair, the cells read later all close: the whole read stays
  // linear in the text.
  std::string Quoted() {
    ++pos_;
    std::string cell;
    const std::size_t after = Unquote(text_, pos_, text_.size(), cell);
    if (after != std::string_view::npos) {
      pos_ = after;
      return cell;
    }
    std::size_t lineEnd = table_ ? text_.find_first_of("\r\n", pos_) : std::string_view::npos;
    if (lineEnd == std::string_view::npos) lineEnd = text_.size();
    cell.clear();
    Unquote(text_, pos_, lineEnd, cell);
    pos_ = lineEnd;
    return cell;
  }

  std::string_view text_;
  bool table_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string CommaTextOf(std::span<const std::string> cells) {
  if (cells.size() == 1 && cells[0].empty()) return "\"\"";
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i) line.push_back(',');
    const std::string& cell = cells[i];
    if (!NeedsQuotes(cell)) {
      line += cell;
      continue;
    }
    line.push_back('"');
    for (char c : cell) {
      if (c == '"') line.push_back('"');
      line.push_back(c);
    }
    line.push_back('"');
  }
  return line;
}

std::vector<std::string> CellsOfCommaText(std::string_view line) {
  CommaReader reader(line, false);
  return *reader.Row();
}

std::optional<CommaTable> ReadCommaTable(std::string_view bytes, std::size_t maxCells, std::size_t minColumns) {
  CommaTable rows;
  CommaReader reader(bytes, true);
  std::size_t width = std::max<std::size_t>(minColumns, 1);
  while (!reader.AtEnd()) {
    // A row wider than the cells left would allow stops being read at once.
    std::optional<std::vector<std::string>> row = reader.Row(maxCells / (rows.size() + 1));
    if (!row) return std::nullopt;
    rows.push_back(std::move(*row));
    width = std::max(width, rows.back().size());
    if (rows.size() > maxCells / width) return std::nullopt;
  }
  return rows;
}

std::string WriteCommaTable(std::span<const std::vector<std::string>> rows) {
  std::string out;
  for (const std::vector<std::string>& row : rows) {
    out += CommaTextOf(row);
    out += "\r\n";
  }
  return out;
}

}  // namespace hanaroku
