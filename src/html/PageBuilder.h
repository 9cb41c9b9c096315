#pragma once
// The HTML pages in vertical writing: every text line becomes one column of
// a table, every character of the line stands in a row of its own ("<br>"
// before each character), the columns run from right to left in reading
// order and the text colour changes from column to column in the pattern the
// check boxes choose. Three forms share the template:
//   - a page of the left pane's verse ("換", ConvertToPage);
//   - a page of a long text in tables of at most 30 columns ("H",
//     ConvertLongText);
//   - a block of one table to insert into a page at its markers ("挿",
//     ConvertBlock).
//
// Lines and results are Shift-JIS; every line of a result is followed by
// CR LF. The settings are read as they are (UTF-8, converted to Shift-JIS).
//
// The conversions build the page in one pass and then run the replacements
// (symbols, title, back link, blank columns) each as one replace-all over
// the whole page, so they cost time in proportion to the text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hanaroku {

class THtmlPageSettings;

// Marker lines and texts put into the text and replaced at the end.
namespace marker {
inline constexpr const char* kBlankLine = "＠＃＆％！";              // a blank line
inline constexpr const char* kPaddingLine = "　　　　　　　　　＊";  // nine U+3000 and "＊"
inline constexpr const char* kEvenLine = "　　　　　　　　　　";    // ten U+3000
inline constexpr const char* kLongTextEvenLine = "　　　";          // three U+3000
inline constexpr const char* kTitle = "＃￥＆＃＆";
inline constexpr const char* kBackLink = "＆￥＆！＃";
inline constexpr const char* kUpdate = "<!--update-->";
inline constexpr const char* kInsert = "<!--insert-->";
}  // namespace marker

struct PageResult {
  std::string text;                    // Shift-JIS, CR LF after every line
  std::string tableWidth, ruleWidth;   // the widths the settings keep afterwards
};

// True for a line that sorts below a single space in byte order: the empty
// line or one that begins with a control character such as a tab.
bool IsBlankLine(std::string_view line) noexcept;

// The page of the verse `lines` (in text order). `lines` must not be empty.
PageResult ConvertToPage(std::vector<std::string> lines, const THtmlPageSettings& s);

// The page of a long text in chunks of 30 lines, each chunk a table of its
// own under its own rule. `lines` must not be empty.
PageResult ConvertLongText(std::vector<std::string> lines, const THtmlPageSettings& s);

// One table of `lines` to insert into a page (no head, title or back link;
// font size "2"). `lines` must not be empty.
PageResult ConvertBlock(std::vector<std::string> lines, const THtmlPageSettings& s);

// Where a block goes into a page: after its first line that is exactly
// "<!--update-->" (atUpdate) or before its first line that is exactly
// "<!--insert-->". breakFirst: the marker line ends the text without a line
// break, so one must come before the block. nullopt when there is no such
// line.
struct InsertPoint {
  std::size_t offset;
  bool breakFirst;
};
std::optional<InsertPoint> FindInsertPoint(std::string_view page, bool atUpdate) noexcept;

}  // namespace hanaroku
