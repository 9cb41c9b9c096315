#pragma once
// Comma-separated text: one grid row as one line, and a table file as its
// rows. The rules work on bytes; they hold for Shift-JIS text because the
// bytes they look at (the control characters and the blank, the double
// quote and the comma) never occur as the second byte of a double-byte
// character.
//
// Writing: the cells joined with ","; a cell holding a byte of 32 or less, a
// double quote or a comma is put in double quotes with each inner double
// quote doubled; a row of one empty cell is written as two double quotes.
//
// Reading: bytes of 32 or less are skipped; a cell that starts with a
// double quote runs to the matching closing quote, doubled quotes standing
// for one; any other cell runs to the next comma or byte of 32 or less;
// after a cell come blanks, then at most one comma and the blanks after it.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hanaroku {

std::string CommaTextOf(std::span<const std::string> cells);
std::vector<std::string> CellsOfCommaText(std::string_view line);

using CommaTable = std::vector<std::vector<std::string>>;

// A table file's rows. A line break (CR LF, LF or CR) ends a row, except
// inside a quoted cell, which keeps its line breaks; a quote that is never
// closed ends at the end of its line. A file that ends with a line break
// has no empty row after it; an empty file has no rows.
// nullopt when the table would hold more than maxCells cells once every row
// is as wide as the widest one and at least minColumns wide (a grid shows
// it so), which keeps a hostile file from exhausting the memory.
std::optional<CommaTable> ReadCommaTable(std::string_view bytes, std::size_t maxCells = SIZE_MAX,
                                         std::size_t minColumns = 1);
// The rows' comma text, each line ended by CR LF.
std::string WriteCommaTable(std::span<const std::vector<std::string>> rows);

}  // namespace hanaroku
