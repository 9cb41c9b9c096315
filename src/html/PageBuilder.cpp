#include "html/PageBuilder.h"

#include <algorithm>

#include "convert/ReplaceSteps.h"
#include "html/PageReplacements.h"
#include "html/PageSettings.h"
#include "html/SymbolImages.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

constexpr std::size_t kChunkLines = 30;
constexpr const char* kCrLf = "\r\n";

std::string Sjis(std::string_view utf8) { return enc::Utf8ToSjis(utf8); }

// The three forms differ in small points of the columns.
enum class Form { Page, LongText, Block };

// The settings as they go into the page.
struct PageValues {
  explicit PageValues(const THtmlPageSettings& s)
      : bgc(Sjis(s.bgc)),
        mclo(Sjis(s.mclo)),
        mclt(Sjis(s.mclt)),
        Lcl(Sjis(s.Lcl)),
        Dai(Sjis(s.Dai)),
        Mfn(Sjis(s.Mfn)),
        fze(Sjis(s.fze)),
        title(Sjis(s.Title)),
        pageTitle(Sjis(s.PageTitle)),
        Lint(Sjis(s.Lint)),
        Linu(Sjis(s.Linu)),
        FLink(s.FLink),
        alternate(s.CheckBoxChecked(3)),
        heading(s.CheckBoxChecked(4)),
        rules(s.CheckBoxChecked(5)),
        symbols(s.CheckBoxChecked(6)),
        ownFirst(s.CheckBoxChecked(7)),
        evenSpacing(s.CheckBoxChecked(10)),
        padding(s.CheckBoxChecked(11)),
        blankAsText(s.CheckBoxChecked(14)) {}

  std::string bgc, mclo, mclt, Lcl, Dai, Mfn, fze, title, pageTitle, Lint, Linu;
  bool FLink;
  bool alternate, heading, rules, symbols, ownFirst, evenSpacing, padding, blankAsText;
};

// A page under construction: lines, each followed by CR LF.
class PageText {
 public:
  template <class... Parts>
  void Line(const Parts&... parts) {
    (text_.append(parts), ...);
    text_ += kCrLf;
  }
  std::string& Text() noexcept { return text_; }
  // Room for the columns of `lines`: "<br>" before every character and a
  // start line for each.
  void ReserveFor(const std::vector<std::string>& lines) {
    std::size_t n = 4096;
    for (const std::string& l : lines) n += l.size() * 3 + 64;
    text_.reserve(n);
  }

 private:
  std::string text_;
};

// Blank lines become the blank marker when symbols or blank-as-text is on.
void MarkBlankLines(std::vector<std::string>& lines, bool lastToo, const PageValues& v) {
  if (!v.symbols && !v.blankAsText) return;
  const std::string blank = Sjis(marker::kBlankLine);
  const std::size_t n = lastToo ? lines.size() : lines.size() - 1;
  for (std::size_t i = 0; i < n; ++i)
    if (IsBlankLine(lines[i])) lines[i] = blank;
}

// Padding to 30 lines, an even count and the reversal: the columns in page
// order, the leftmost first (the first line of the verse is the rightmost).
void ToColumns(std::vector<std::string>& lines, const PageValues& v, const char* evenLine) {
  if (v.padding && lines.size() < kChunkLines)
    lines.resize(kChunkLines, Sjis(v.blankAsText ? marker::kBlankLine : marker::kPaddingLine));
  if (lines.size() % 2 != 0) lines.push_back(Sjis(evenLine));
  std::reverse(lines.begin(), lines.end());
}

// The colour of column k (0 the leftmost) in the pattern of "特" (own-colour
// first column) and "交" (alternating colours).
const std::string& ColumnColor(std::size_t k, Form form, const PageValues& v) {
  bool first;
  if (!v.ownFirst) {
    first = v.alternate ? k % 2 == 0 : (k / 2) % 2 == 0;
  } else if (k == 0) {
    first = !v.alternate && form != Form::Page;
  } else {
    first = v.alternate ? k % 2 == 0 : ((k - 1) / 2) % 2 == 0;
  }
  return first ? v.mclo : v.mclt;
}

// Column starts and the columns' content lines: "<br>" before every
// character of a line and one after its last; every content line after the
// first begins with one further "<br>", the one that fell inside the line
// break before it.
void AppendColumns(PageText& page, const std::vector<std::string>& columns, const std::string& fontSize, Form form,
                   const PageValues& v) {
  const bool pairs = !v.ownFirst && !v.alternate;
  std::string& out = page.Text();
  for (std::size_t k = 0; k < columns.size(); ++k) {
    page.Line(k == 0 || (pairs && k == 1) ? "<TD>" : "</TD><TD>", "<font size=\"", fontSize, "\" color=\"",
              ColumnColor(k, form, v), "\">");
    const std::string& line = columns[k];
    if (k > 0) out += "<br>";
    for (std::size_t i = 0; i < line.size();) {
      const std::size_t len = enc::CharLen(line, i);
      out += "<br>";
      out.append(line, i, len);
      i += len;
    }
    out += "<br>";
    out += kCrLf;
  }
}

std::string Width(std::size_t lines, int extra) { return std::to_string(lines * 24 + static_cast<std::size_t>(extra)); }

std::string RuleLine(const std::string& width, const PageValues& v, const char* breaks) {
  return "<HR align=\"center\" width=\"" + width + "\" color=\"" + v.Lcl + "\">" + breaks;
}

// Lines 1 to 13 of the page: head, body, heading, rule and the table's start.
void AppendPageHead(PageText& page, const std::string& tableWidth, const std::string& ruleWidth,
                    const PageValues& v) {
  page.Line("<HTML>");
  page.Line("<HEAD>");
  page.Line("<TITLE>", v.pageTitle, "</TITLE>");
  page.Line("<style type=\"text/css\"><!--BODY, TH, TD { font-family: \"", v.Mfn,
            Sjis("\",\"ＭＳ 明朝\",\"ＭＳ ゴシック\",\"Osaka\"; }--></style>"));
  page.Line("</HEAD>");
  page.Line("<body bgcolor=\"", v.bgc, "\" link=\"#0000D9\" vlink=\"#FFA477\">");
  page.Line("<BR><BR><P>");
  if (v.heading)
    page.Line("<CENTER><font size=\"", v.fze, "\" color=\"", v.Dai, "\" face=\"", v.Mfn, "\">",
              Sjis(marker::kTitle), "</FONT></CENTER><BR><BR>");
  page.Line(v.rules ? RuleLine(ruleWidth, v, "<BR><BR><BR>") : std::string("<BR><BR>"));
  page.Line(v.rules ? marker::kUpdate : "<BR>");
  page.Line("<font size=\"", v.fze, "\" color=\"#008080\" face=\"", v.Mfn, "\">");
  page.Line("<CENTER><TABLE width=\"", tableWidth, "\" Hight=\"500\">");
  page.Line("<TR BGCOLOR=\"", v.bgc, "\" ALIGN=CENTER VALIGN=TOP>");
}

// The head of a chunk or block table: no row colour.
void AppendTableHead(PageText& page, const std::string& fontSize, const std::string& tableWidth,
                     const PageValues& v) {
  page.Line("<font size=\"", fontSize, "\" color=\"#008080\" face=\"", v.Mfn, "\">");
  page.Line("<CENTER><TABLE width=\"", tableWidth, "\" Hight=\"500\">");
  page.Line("<TR ALIGN=CENTER VALIGN=TOP>");
}

// The end of the page: the back link and the closing tags.
void AppendPageEnd(PageText& page, const PageValues& v) {
  if (v.FLink) page.Line("<a href=\"", v.Linu, "\">", Sjis(marker::kBackLink), "</a><BR><BR><BR><BR>");
  page.Line("</CENTER>");
  page.Line("</BODY>");
  page.Line("</HTML>");
}

// The page's and the block's columns from the text lines: blank lines
// marked, padding, even count and reversal; the widths of the table and its
// rules.
PageResult PrepareColumns(std::vector<std::string>& lines, bool lastToo, const PageValues& v) {
  MarkBlankLines(lines, lastToo, v);
  ToColumns(lines, v, marker::kEvenLine);
  PageResult res;
  res.tableWidth = v.evenSpacing ? Width(lines.size(), 0) : "700";
  res.ruleWidth = v.evenSpacing ? Width(lines.size(), 60) : "800";
  return res;
}

void CloseTable(PageText& page) {
  page.Line("</TD>");
  page.Line("</TR>");
  page.Line("</TABLE>");
}

ReplaceStep Step(std::string search, std::string replacement) {
  return ReplaceStep{std::move(search), {std::move(replacement)}, false, 0};
}

// The replacements, in their order: the horizontal bar stands upright, the
// symbols become images, the long-vowel mark a bar, the markers the title
// and the back-link text, the blank columns a hidden asterisk. Each is a
// replace-all over the whole text; runs of single-character steps share one
// pass.
void RunReplacements(std::string& text, bool titleAndLink, const PageValues& v) {
  std::vector<ReplaceStep> steps;
  steps.push_back(Step(Sjis("―"), Sjis("│")));
  if (v.symbols)
    for (const SymbolImage& row : SymbolImageTable()) steps.push_back(Step(Sjis(row.search), SymbolImageTag(row)));
  steps.push_back(Step(Sjis("ー"), Sjis("│")));
  if (titleAndLink) {
    steps.push_back(Step(Sjis(marker::kTitle), v.title));
    steps.push_back(Step(Sjis(marker::kBackLink), v.Lint));
  }
  if (v.blankAsText)
    steps.push_back(Step(Sjis(SymbolImageTable()[21].search), "<Font color=\"" + v.bgc + Sjis("\">＊</Font>")));
  RunReplaceSteps(text, steps);
}

}  // namespace

bool IsBlankLine(std::string_view line) noexcept { return line < std::string_view(" "); }

PageResult ConvertToPage(std::vector<std::string> lines, const THtmlPageSettings& s) {
  const PageValues v(s);
  PageResult res = PrepareColumns(lines, false, v);
  PageText page;
  page.ReserveFor(lines);
  AppendPageHead(page, res.tableWidth, res.ruleWidth, v);
  AppendColumns(page, lines, v.fze, Form::Page, v);
  CloseTable(page);
  page.Line("<BR><BR><BR><BR>");
  if (v.rules) {
    page.Line(RuleLine(res.ruleWidth, v, "<BR><BR><BR><BR>"));
    page.Line(marker::kInsert);
  } else {
    page.Line("<BR><BR><BR><BR>");
  }
  AppendPageEnd(page, v);
  RunReplacements(page.Text(), true, v);
  res.text = std::move(page.Text());
  return res;
}

PageResult ConvertLongText(std::vector<std::string> lines, const THtmlPageSettings& s) {
  const PageValues v(s);
  MarkBlankLines(lines, true, v);
  PageResult res;
  res.ruleWidth = "800";
  PageText chunks;
  chunks.ReserveFor(lines);
  for (std::size_t from = 0; from < lines.size(); from += kChunkLines) {
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(from);
    std::vector<std::string> chunk(first, first + static_cast<std::ptrdiff_t>(std::min(kChunkLines, lines.size() - from)));
    ToColumns(chunk, v, marker::kLongTextEvenLine);
    res.tableWidth = v.evenSpacing ? Width(chunk.size(), 0) : "700";
    AppendTableHead(chunks, v.fze, res.tableWidth, v);
    AppendColumns(chunks, chunk, v.fze, Form::LongText, v);
    CloseTable(chunks);
    chunks.Line("<BR><BR><BR><BR>");
    chunks.Line(RuleLine(res.ruleWidth, v, "<BR><BR><BR><BR>"));
  }
  PageText page;
  page.Text().reserve(chunks.Text().size() + 4096);
  AppendPageHead(page, res.tableWidth, res.ruleWidth, v);
  page.Text() += chunks.Text();
  page.Line(v.rules ? marker::kInsert : "<BR><BR><BR><BR>");
  AppendPageEnd(page, v);
  RunReplacements(page.Text(), true, v);
  res.text = std::move(page.Text());
  return res;
}

PageResult ConvertBlock(std::vector<std::string> lines, const THtmlPageSettings& s) {
  const PageValues v(s);
  PageResult res = PrepareColumns(lines, true, v);
  const std::string fontSize = "2";
  PageText block;
  AppendTableHead(block, fontSize, res.tableWidth, v);
  AppendColumns(block, lines, fontSize, Form::Block, v);
  CloseTable(block);
  block.Line("</CENTER>");
  block.Line("<BR><BR><BR><BR>");
  block.Line(RuleLine(res.ruleWidth, v, "<BR><BR><BR><BR>"));
  RunReplacements(block.Text(), false, v);
  res.text = std::move(block.Text());
  return res;
}

std::optional<InsertPoint> FindInsertPoint(std::string_view page, bool atUpdate) noexcept {
  const std::string_view wanted = atUpdate ? marker::kUpdate : marker::kInsert;
  for (std::size_t start = 0; start < page.size();) {
    std::size_t end = page.find_first_of(kCrLf, start);
    if (end == std::string_view::npos) end = page.size();
    std::size_t next = end;
    if (next < page.size()) next += page[next] == '\r' && next + 1 < page.size() && page[next + 1] == '\n' ? 2 : 1;
    if (page.substr(start, end - start) == wanted) {
      if (!atUpdate) return InsertPoint{start, false};
      return InsertPoint{next, next == end};
    }
    start = next;
  }
  return std::nullopt;
}

}  // namespace hanaroku
