#include "html/PageBuilder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "html/PageSettings.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

std::string U(const std::string& sjis) { return enc::SjisToUtf8(sjis); }

std::vector<std::string> Lines(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* l : utf8) out.push_back(enc::Utf8ToSjis(l));
  return out;
}

// Lines of an expected page, each followed by CR LF.
std::string Join(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

// Every check box off.
THtmlPageSettings NoOptions() {
  THtmlPageSettings s;
  for (int i = 1; i <= THtmlPageSettings::kCheckBoxes; ++i) s.SetCheckBox(i, false);
  s.AfterRestore();  // as at start-up: the saved line colours are the current ones
  return s;
}

// The lines of a result, for looking at single lines.
std::vector<std::string> PageLines(const PageResult& r) {
  std::vector<std::string> out;
  const std::string text = U(r.text);
  std::size_t start = 0;
  for (std::size_t i; (i = text.find("\r\n", start)) != std::string::npos; start = i + 2)
    out.push_back(text.substr(start, i - start));
  EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
  return out;
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size())) ++n;
  return n;
}

const std::string kHead =
    "<style type=\"text/css\"><!--BODY, TH, TD { font-family: \"ＭＳ 明朝\",\"ＭＳ 明朝\",\"ＭＳ "
    "ゴシック\",\"Osaka\"; }--></style>";
// The first lines of a page with the default page title and colours.
const std::string kPageStart = Join({"<HTML>", "<HEAD>", "<TITLE>sakuhin</TITLE>", kHead, "</HEAD>",
                                     "<body bgcolor=\"#fff8dc\" link=\"#0000D9\" vlink=\"#FFA477\">",
                                     "<BR><BR><P>"});
const std::string kTen = "<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>";
const std::string kZero = "<img src=\"kigou/zero.gif\" border=\"0\" width=\"19\" height=\"19\">";

TEST(HtmlPage, ThreeLinesWithoutOptions) {
  const PageResult r = ConvertToPage(Lines({"春", "夏秋", "冬"}), NoOptions());
  EXPECT_EQ(U(r.text), kPageStart + Join({
                              "<BR><BR>",
                              "<BR>",
                              "<font size=\"2\" color=\"#008080\" face=\"ＭＳ 明朝\">",
                              "<CENTER><TABLE width=\"700\" Hight=\"500\">",
                              "<TR BGCOLOR=\"#fff8dc\" ALIGN=CENTER VALIGN=TOP>",
                              "<TD><font size=\"2\" color=\"#8080FF\">",
                              kTen,
                              "<TD><font size=\"2\" color=\"#8080FF\">",
                              "<br><br>冬<br>",
                              "</TD><TD><font size=\"2\" color=\"#D0A2A2\">",
                              "<br><br>夏<br>秋<br>",
                              "</TD><TD><font size=\"2\" color=\"#D0A2A2\">",
                              "<br><br>春<br>",
                              "</TD>",
                              "</TR>",
                              "</TABLE>",
                              "<BR><BR><BR><BR>",
                              "<BR><BR><BR><BR>",
                              "</CENTER>",
                              "</BODY>",
                              "</HTML>"}));
  EXPECT_EQ(r.tableWidth, "700");
  EXPECT_EQ(r.ruleWidth, "800");
}

TEST(HtmlPage, HeadingRulesMarkersAndBackLink) {
  THtmlPageSettings s = NoOptions();
  s.SetCheckBox(4, true);
  s.SetCheckBox(5, true);
  s.FLink = true;
  s.Title = "花";
  s.Lint = "戻る";
  s.Linu = "../index.htm";
  s.fze = "3";
  const PageResult r = ConvertToPage(Lines({"月"}), s);
  EXPECT_EQ(U(r.text), kPageStart + Join({
                              "<CENTER><font size=\"3\" color=\"#8E8571\" face=\"ＭＳ 明朝\">花</FONT></CENTER><BR><BR>",
                              "<HR align=\"center\" width=\"800\" color=\"#CDC0A5\"><BR><BR><BR>",
                              "<!--update-->",
                              "<font size=\"3\" color=\"#008080\" face=\"ＭＳ 明朝\">",
                              "<CENTER><TABLE width=\"700\" Hight=\"500\">",
                              "<TR BGCOLOR=\"#fff8dc\" ALIGN=CENTER VALIGN=TOP>",
                              "<TD><font size=\"3\" color=\"#8080FF\">",
                              kTen,
                              "<TD><font size=\"3\" color=\"#8080FF\">",
                              "<br><br>月<br>",
                              "</TD>",
                              "</TR>",
                              "</TABLE>",
                              "<BR><BR><BR><BR>",
                              "<HR align=\"center\" width=\"800\" color=\"#CDC0A5\"><BR><BR><BR><BR>",
                              "<!--insert-->",
                              "<a href=\"../index.htm\">戻る</a><BR><BR><BR><BR>",
                              "</CENTER>",
                              "</BODY>",
                              "</HTML>"}));
}

TEST(HtmlPage, ColourPatternsFromTheLeftmostColumn) {
  auto colours = [](bool own, bool alternate) {
    THtmlPageSettings s = NoOptions();
    s.SetCheckBox(7, own);
    s.SetCheckBox(3, alternate);
    s.mclo = "1";
    s.mclt = "2";
    std::string out;
    for (const std::string& l : PageLines(ConvertToPage(Lines({"a", "b", "c", "d", "e", "f"}), s)))
      if (l.find("<TD><font") != std::string::npos) out += l.substr(l.size() - 3, 1);
    return out;
  };
  EXPECT_EQ(colours(false, false), "112211");  // A: pairs
  EXPECT_EQ(colours(false, true), "121212");   // B: one by one
  EXPECT_EQ(colours(true, false), "211221");   // C: the leftmost on its own, then pairs
  // D ("特" with "交") cannot be set: each of the two boxes turns the other off.
  EXPECT_EQ(colours(true, true), "121212");
  // Only pattern A opens its second column without closing the first.
  THtmlPageSettings s = NoOptions();
  s.SetCheckBox(3, true);
  const std::vector<std::string> b = PageLines(ConvertToPage(Lines({"a", "b"}), s));
  EXPECT_EQ(b[14], "</TD><TD><font size=\"2\" color=\"#D0A2A2\">");
}

TEST(HtmlPage, PaddingToThirtyLines) {
  THtmlPageSettings s = NoOptions();
  s.SetCheckBox(11, true);
  const std::vector<std::string> plain = PageLines(ConvertToPage(Lines({"一", "二", "三", "四", "五"}), s));
  const std::string pad = "<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>＊<br>";
  EXPECT_EQ(plain[13], pad);                 // the leftmost column
  for (int k = 1; k < 25; ++k) EXPECT_EQ(plain[13 + 2 * k], "<br>" + pad) << k;
  EXPECT_EQ(plain[13 + 2 * 25], "<br><br>五<br>");
  EXPECT_EQ(plain[13 + 2 * 29], "<br><br>一<br>");
  EXPECT_EQ(plain[13 + 2 * 29 + 1], "</TD>");

  s.SetCheckBox(6, true);  // symbol images: each padding column is one blank image
  const PageResult r = ConvertToPage(Lines({"一", "二", "三", "四", "五"}), s);
  const std::vector<std::string> images = PageLines(r);
  EXPECT_EQ(images[13], kZero);
  for (int k = 1; k < 25; ++k) EXPECT_EQ(images[13 + 2 * k], "<br>" + kZero) << k;
  EXPECT_EQ(Count(U(r.text), "zero.gif"), 25);
  EXPECT_EQ(images[12], "<TD><font size=\"2\" color=\"Black\">");  // symbols switch black text on

  // With blank-as-text the padding lines are blank markers: hidden asterisks.
  s.SetCheckBox(14, true);
  const std::vector<std::string> hidden = PageLines(ConvertToPage(Lines({"一", "二", "三", "四", "五"}), s));
  EXPECT_EQ(hidden[13], "<Font color=\"#fff8dc\">＊</Font>");
  EXPECT_EQ(hidden[15], "<br><Font color=\"#fff8dc\">＊</Font>");
}

TEST(HtmlPage, BlankLinesInTheMiddleAndAtTheEnd) {
  auto middle = [](int box) {
    THtmlPageSettings s = NoOptions();
    if (box) s.SetCheckBox(box, true);
    return PageLines(ConvertToPage(Lines({"春", "", "冬"}), s))[17];  // columns: ten spaces, 冬, blank, 春
  };
  EXPECT_EQ(middle(14), "<br><Font color=\"#fff8dc\">＊</Font>");
  EXPECT_EQ(middle(6), "<br>" + kZero);
  EXPECT_EQ(middle(0), "<br><br>");
  // A line that begins with a control character counts as blank; a space does not.
  THtmlPageSettings s = NoOptions();
  s.SetCheckBox(14, true);
  const std::vector<std::string> tab = PageLines(ConvertToPage(Lines({"春", "\tx", " ", "冬"}), s));
  EXPECT_EQ(tab[15], "<br><br> <br>");
  EXPECT_EQ(tab[17], "<br><Font color=\"#fff8dc\">＊</Font>");
  // The last line is never a blank marker here.
  const std::vector<std::string> last = PageLines(ConvertToPage(Lines({"春", "冬", ""}), s));
  EXPECT_EQ(last[15], "<br><br>");
  // A typed blank symbol is a blank line too.
  EXPECT_EQ(PageLines(ConvertToPage(Lines({"＠＃＆％！", "冬"}), s))[15], "<br><Font color=\"#fff8dc\">＊</Font>");
}

TEST(HtmlPage, DashesBarsAndSymbols) {
  THtmlPageSettings s = NoOptions();
  EXPECT_EQ(PageLines(ConvertToPage(Lines({"あ――い", "ー"}), s))[15], "<br><br>あ<br>│<br>│<br>い<br>");
  s.SetCheckBox(6, true);
  const std::vector<std::string> images = PageLines(ConvertToPage(Lines({"あ――い", "ー。"}), s));
  EXPECT_EQ(images[15],
            "<br><br>あ<br><img src=\"kigou/sen2.gif\" border=\"0\" width=\"19\" height=\"40\"><br>い<br>");
  EXPECT_EQ(images[13],
            "<br><img src=\"kigou/sen.gif\" border=\"0\" width=\"19\" height=\"19\"><br>"
            "<img src=\"kigou/kuten.gif\" border=\"0\" width=\"19\" height=\"19\"><br>");
}

TEST(HtmlPage, TitleStaysTextWhileThePageTitleTakesImages) {
  THtmlPageSettings s = NoOptions();
  s.SetCheckBox(4, true);
  s.SetCheckBox(6, true);
  s.Title = "花（はな）ー";
  s.PageTitle = "題（だい）";
  const std::vector<std::string> p = PageLines(ConvertToPage(Lines({"月"}), s));
  EXPECT_EQ(p[2],
            "<TITLE>題<img src=\"kigou/kakko5.gif\" border=\"0\" width=\"19\" height=\"19\">だい"
            "<img src=\"kigou/kakko6.gif\" border=\"0\" width=\"19\" height=\"19\"></TITLE>");
  EXPECT_EQ(p[7], "<CENTER><font size=\"2\" color=\"#8E8571\" face=\"ＭＳ 明朝\">花（はな）ー</FONT></CENTER><BR><BR>");
}

TEST(HtmlPage, EvenSpacingFollowsTheLineCount) {
  THtmlPageSettings s = NoOptions();
  s.SetCheckBox(5, true);
  s.SetCheckBox(10, true);
  const PageResult r = ConvertToPage(Lines({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}), s);
  EXPECT_EQ(r.tableWidth, "288");
  EXPECT_EQ(r.ruleWidth, "348");
  const std::vector<std::string> p = PageLines(r);
  EXPECT_EQ(p[7], "<HR align=\"center\" width=\"348\" color=\"#CDC0A5\"><BR><BR><BR>");
  EXPECT_EQ(p[10], "<CENTER><TABLE width=\"288\" Hight=\"500\">");
}

// Titles, back-link texts and colours that hold a marker or a search text of
// the replacements: every conversion ends, and this is what the page holds.
TEST(HtmlPage, MarkersAndSearchTextsInTheSettingsEnd) {
  THtmlPageSettings s = NoOptions();
  s.SetCheckBox(4, true);
  s.FLink = true;
  auto heading = [&] { return PageLines(ConvertToPage(Lines({"月"}), s))[7]; };
  auto link = [&] {
    const std::vector<std::string> p = PageLines(ConvertToPage(Lines({"月"}), s));
    return p[p.size() - 4];
  };
  const std::string open = "<CENTER><font size=\"2\" color=\"#8E8571\" face=\"ＭＳ 明朝\">";
  const std::string close = "</FONT></CENTER><BR><BR>";
  s.Title = "＃￥＆＃＆";  // its own marker: written as it is
  EXPECT_EQ(heading(), open + "＃￥＆＃＆" + close);
  s.Title = "a＃￥＆＃＆b＃￥＆＃＆";
  EXPECT_EQ(heading(), open + "a＃￥＆＃＆b＃￥＆＃＆" + close);
  s.Title = "＆￥＆！＃";  // the back link's marker: the back-link text replaces it
  EXPECT_EQ(heading(), open + "Back" + close);
  s.Title = "│ー―";  // the bars and dashes are replaced before the title goes in
  EXPECT_EQ(heading(), open + "│ー―" + close);
  s.Lint = "＃￥＆＃＆";  // the title is in before the back-link text
  EXPECT_EQ(link(), "<a href=\"index.htm\">＃￥＆＃＆</a><BR><BR><BR><BR>");
  s.Lint = "＆￥＆！＃＆￥＆！＃";
  EXPECT_EQ(link(), "<a href=\"index.htm\">＆￥＆！＃＆￥＆！＃</a><BR><BR><BR><BR>");
  s.PageTitle = "＃￥＆＃＆";  // no marker of its own: the page title takes the title
  s.Title = "花";
  EXPECT_EQ(PageLines(ConvertToPage(Lines({"月"}), s))[2], "<TITLE>花</TITLE>");
  // A page colour that holds the blank column's search text.
  s.SetCheckBox(14, true);
  s.bgc = "<br>＠<br>＃<br>＆<br>％<br>！<br>";
  const std::vector<std::string> p = PageLines(ConvertToPage(Lines({"", "月"}), s));
  EXPECT_EQ(p[16], "<br><Font color=\"<br>＠<br>＃<br>＆<br>％<br>！<br>\">＊</Font>");
  // A colour that is a symbol becomes an image as the columns do.
  s.SetCheckBox(6, true);
  s.mclo = "。";
  EXPECT_NE(PageLines(ConvertToPage(Lines({"月"}), s))[13].find("kuten.gif"), std::string::npos);
}

TEST(HtmlPage, LongTextInChunksOfThirty) {
  std::vector<std::string> lines;
  for (int i = 0; i < 31; ++i) lines.push_back(enc::Utf8ToSjis(i == 30 ? "終" : "行"));
  THtmlPageSettings s = NoOptions();
  s.SetCheckBox(5, true);
  const PageResult r = ConvertLongText(lines, s);
  const std::string text = U(r.text);
  EXPECT_EQ(Count(text, "<TABLE"), 3);  // one in the head, one per chunk
  EXPECT_EQ(Count(text, "<HR align=\"center\" width=\"800\""), 3);
  const std::vector<std::string> p = PageLines(r);
  // The head, then the first chunk's head.
  EXPECT_EQ(p[11], "<TR BGCOLOR=\"#fff8dc\" ALIGN=CENTER VALIGN=TOP>");
  EXPECT_EQ(p[12], "<font size=\"2\" color=\"#008080\" face=\"ＭＳ 明朝\">");
  EXPECT_EQ(p[14], "<TR ALIGN=CENTER VALIGN=TOP>");
  // The second chunk: three ideographic spaces, then its one line.
  const std::size_t second = 15 + 60 + 5;
  EXPECT_EQ(p[second + 2], "<TR ALIGN=CENTER VALIGN=TOP>");
  EXPECT_EQ(p[second + 4], "<br>　<br>　<br>　<br>");
  EXPECT_EQ(p[second + 6], "<br><br>終<br>");
  EXPECT_EQ(p[second + 11], "<HR align=\"center\" width=\"800\" color=\"#CDC0A5\"><BR><BR><BR><BR>");
  EXPECT_EQ(p[second + 12], "<!--insert-->");
  EXPECT_EQ(r.tableWidth, "700");
  EXPECT_EQ(r.ruleWidth, "800");

  // Padding gives the last chunk 30 columns too; even spacing gives each
  // table its own width and the page head the last one's.
  s.SetCheckBox(11, true);
  s.SetCheckBox(10, true);
  const PageResult padded = ConvertLongText(lines, s);
  EXPECT_EQ(Count(U(padded.text), "<CENTER><TABLE width=\"720\""), 3);
  EXPECT_EQ(padded.tableWidth, "720");
  EXPECT_EQ(padded.ruleWidth, "800");
  s.SetCheckBox(11, false);
  const std::string widths = U(ConvertLongText(lines, s).text);
  EXPECT_EQ(Count(widths, "<CENTER><TABLE width=\"720\""), 1);
  EXPECT_EQ(Count(widths, "<CENTER><TABLE width=\"48\""), 2);
  EXPECT_EQ(Count(widths, "width=\"800\" color"), 3);

  // Without rules the chunks keep theirs; the heading rule and markers go.
  s.SetCheckBox(5, false);
  const std::string bare = U(ConvertLongText(lines, s).text);
  EXPECT_EQ(Count(bare, "<HR "), 2);
  EXPECT_EQ(Count(bare, "<!--update-->") + Count(bare, "<!--insert-->"), 0);
}

TEST(HtmlPage, LongTextDiffersInPatternCAndBlankLastLines) {
  THtmlPageSettings s = NoOptions();
  s.mclo = "1";
  s.mclt = "2";
  s.SetCheckBox(7, true);
  s.SetCheckBox(14, true);
  const std::vector<std::string> p = PageLines(ConvertLongText(Lines({"a", "b", ""}), s));
  EXPECT_EQ(p[15], "<TD><font size=\"2\" color=\"1\">");  // leftmost: the first colour
  EXPECT_EQ(p[16], "<br>　<br>　<br>　<br>");                 // three spaces make the count even
  EXPECT_EQ(p[17], "</TD><TD><font size=\"2\" color=\"1\">");
  EXPECT_EQ(p[18], "<br><Font color=\"#fff8dc\">＊</Font>");  // the blank last line
}

TEST(HtmlPage, BlockForInsertion) {
  THtmlPageSettings s = NoOptions();
  s.fze = "5";
  s.SetCheckBox(7, true);
  s.SetCheckBox(14, true);
  const PageResult r = ConvertBlock(Lines({"春", ""}), s);
  EXPECT_EQ(U(r.text), Join({"<font size=\"2\" color=\"#008080\" face=\"ＭＳ 明朝\">",
                              "<CENTER><TABLE width=\"700\" Hight=\"500\">",
                              "<TR ALIGN=CENTER VALIGN=TOP>",
                              "<TD><font size=\"2\" color=\"#8080FF\">",
                              "<Font color=\"#fff8dc\">＊</Font>",
                              "</TD><TD><font size=\"2\" color=\"#8080FF\">",
                              "<br><br>春<br>",
                              "</TD>",
                              "</TR>",
                              "</TABLE>",
                              "</CENTER>",
                              "<BR><BR><BR><BR>",
                              "<HR align=\"center\" width=\"800\" color=\"#CDC0A5\"><BR><BR><BR><BR>"}));
  s.Title = "x";
  s.SetCheckBox(10, true);
  const PageResult wide = ConvertBlock(Lines({"春", "夏", "秋"}), s);
  EXPECT_EQ(wide.tableWidth, "96");
  EXPECT_EQ(wide.ruleWidth, "156");
  EXPECT_EQ(U(wide.text).find("＃￥＆＃＆"), std::string::npos);
}

TEST(HtmlPage, InsertPointsAtTheMarkers) {
  const std::string page = "a\r\n<!--update-->\r\nb\r\n<!--insert-->\r\n <!--insert-->\r\n";
  const auto update = FindInsertPoint(page, true);
  ASSERT_TRUE(update);
  EXPECT_EQ(update->offset, 18u);
  EXPECT_FALSE(update->breakFirst);
  const auto insert = FindInsertPoint(page, false);
  ASSERT_TRUE(insert);
  EXPECT_EQ(insert->offset, 21u);
  EXPECT_FALSE(FindInsertPoint("x<!--update-->\r\n <!--insert-->", true));
  EXPECT_FALSE(FindInsertPoint("", false));
  const auto last = FindInsertPoint("a\n<!--update-->", true);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->offset, 15u);
  EXPECT_TRUE(last->breakFirst);
  EXPECT_EQ(FindInsertPoint("a\r<!--insert-->\r", false)->offset, 2u);
}

}  // namespace
}  // namespace hanaroku
