#include "windows/CommaText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace hanaroku {
namespace {

using Cells = std::vector<std::string>;

// A row as a grid shows it: empty cells at its end are no different from
// cells it does not have (the rules write "a," for a, "" and read it back
// as one cell).
Cells Trimmed(Cells row) {
  while (!row.empty() && row.back().empty()) row.pop_back();
  return row;
}
std::vector<Cells> Trimmed(std::vector<Cells> rows) {
  for (Cells& row : rows) row = Trimmed(std::move(row));
  return rows;
}

TEST(CommaText, CellsWithBlanksCommasAndQuotesComeBackWhole) {
  const std::vector<Cells> rows = {
      {"a", "b c", "d,e", "say \"hi\""},
      {"", "x", ""},
      {"\t", " lead", "trail ", "\"\"", ","},
      {"\x93\xfa\x96\x7b", "\x89\xd4 \x98\x5e"},  // 日本 / 花 録 with a blank
      {"line\r\nbreak"},
  };
  for (const Cells& row : rows) {
    const std::string line = CommaTextOf(row);
    EXPECT_EQ(CellsOfCommaText(line), Trimmed(row)) << line;
  }
  EXPECT_EQ(CommaTextOf(Cells{"a b", "c,d", "e\"f", "g"}), "\"a b\",\"c,d\",\"e\"\"f\",g");
}

TEST(CommaText, ARowOfOneEmptyCellIsTwoQuotes) {
  EXPECT_EQ(CommaTextOf(Cells{""}), "\"\"");
  EXPECT_EQ(CellsOfCommaText("\"\""), Cells{""});
  EXPECT_EQ(CommaTextOf(Cells{}), "");
  EXPECT_EQ(CellsOfCommaText(""), Cells{});
}

TEST(CommaText, ReadingSplitsAtBlanksOutsideQuotes) {
  // The header of the count grid: a quoted full-width blank, then four cells.
  EXPECT_EQ(CellsOfCommaText("\"\x81\x40\",a,b"), (Cells{"\x81\x40", "a", "b"}));
  EXPECT_EQ(CellsOfCommaText("  one two ,three"), (Cells{"one", "two", "three"}));
  EXPECT_EQ(CellsOfCommaText("a,,b"), (Cells{"a", "", "b"}));
  EXPECT_EQ(CellsOfCommaText("a , b"), (Cells{"a", "b"}));
  EXPECT_EQ(CellsOfCommaText("a,"), Cells{"a"});
  // A record: the stop-watch text has no blank, so it stays one cell.
  EXPECT_EQ(CellsOfCommaText("000001,abc,000003,00:00:01:250"), (Cells{"000001", "abc", "000003", "00:00:01:250"}));
}

TEST(CommaText, AnUnclosedQuoteTakesTheRest) {
  EXPECT_EQ(CellsOfCommaText("a,\"b,c"), (Cells{"a", "b,c"}));
  EXPECT_EQ(CellsOfCommaText("\""), Cells{""});
  EXPECT_EQ(CellsOfCommaText("\"a\"\"b"), Cells{"a\"b"});
}

TEST(CommaTable, LineBreaksEndRowsExceptInsideQuotes) {
  const auto rows = ReadCommaTable("h1,h2\r\n\"multi\r\nline\",x\r\n\"q\"\"q\",\"c,d\"\r\n");
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 3u);
  EXPECT_EQ((*rows)[0], (Cells{"h1", "h2"}));
  EXPECT_EQ((*rows)[1], (Cells{"multi\r\nline", "x"}));
  EXPECT_EQ((*rows)[2], (Cells{"q\"q", "c,d"}));
}

TEST(CommaTable, OneLineEmptyFileAndBareLineEnds) {
  EXPECT_EQ(ReadCommaTable("only,line")->size(), 1u);
  EXPECT_EQ(ReadCommaTable("only,line\r\n")->size(), 1u);
  EXPECT_TRUE(ReadCommaTable("")->empty());
  const auto mixed = ReadCommaTable("a\nb\rc\r\n\r\nd");
  ASSERT_EQ(mixed->size(), 5u);
  EXPECT_EQ((*mixed)[2], Cells{"c"});
  EXPECT_TRUE((*mixed)[3].empty());  // an empty line is an empty row
  EXPECT_EQ((*mixed)[4], Cells{"d"});
}

TEST(CommaTable, AnUnclosedQuoteEndsAtItsLine) {
  const auto rows = ReadCommaTable("a,\"open\r\nb,c\r\n");
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ((*rows)[0], (Cells{"a", "open"}));
  EXPECT_EQ((*rows)[1], (Cells{"b", "c"}));
}

TEST(CommaTable, WritesEveryRowWithCrLf) {
  const std::vector<Cells> rows = {{"a", "b c"}, {""}, {}};
  EXPECT_EQ(WriteCommaTable(rows), "a,\"b c\"\r\n\"\"\r\n\r\n");
  EXPECT_EQ(*ReadCommaTable(WriteCommaTable(rows)), rows);
}

TEST(CommaTable, RefusesMoreCellsThanAllowed) {
  // 3 rows of 4 cells: 12, or 3 x 5 = 15 when the grid shows 5 columns.
  const std::string text = "a,b,c,d\r\na\r\na\r\n";
  EXPECT_TRUE(ReadCommaTable(text, 12));
  EXPECT_FALSE(ReadCommaTable(text, 11));
  EXPECT_FALSE(ReadCommaTable(text, 14, 5));
  EXPECT_TRUE(ReadCommaTable(text, 15, 5));
  EXPECT_FALSE(ReadCommaTable(std::string(100000, ','), 10));
}

TEST(CommaTable, AnyBytesReadAndReadBackTheSame) {
  std::mt19937 rng(12);
  const char alphabet[] = {'"', ',', ' ', '\r', '\n', '\t', '\0', 'a', '\x81', '\x40', '\xff', '\x82'};
  for (int round = 0; round < 400; ++round) {
    std::string bytes(static_cast<std::size_t>(rng() % 80), '\0');
    for (char& c : bytes)
      c = round % 2 ? static_cast<char>(rng() % 256) : alphabet[rng() % sizeof alphabet];
    const auto rows = ReadCommaTable(bytes);
    ASSERT_TRUE(rows);
    // What was read, written and read again is what was read.
    EXPECT_EQ(Trimmed(*ReadCommaTable(WriteCommaTable(*rows))), Trimmed(*rows)) << round;
    for (const Cells& row : *rows) EXPECT_EQ(Trimmed(CellsOfCommaText(CommaTextOf(row))), Trimmed(row)) << round;
  }
}

TEST(CommaTable, ManyQuotesStayLinear) {
  // Every quote opening a cell that never closes must not make the reader
  // search the rest of the text again for each of them.
  const std::string quotes(200000, '"');
  EXPECT_EQ(ReadCommaTable(quotes)->size(), 1u);
  // Each quote closes at the next line's: two lines make one row.
  std::string lines;
  for (int i = 0; i < 20000; ++i) lines += "\"a,\r\n";
  EXPECT_EQ(ReadCommaTable(lines)->size(), 10000u);
}

}  // namespace
}  // namespace hanaroku
