// The verse collections shipped beside the program, as built: Shift-JIS
// with CR LF only, the Hundred Poets complete and in order, the haiku each
// with a poet of the classical age.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

std::string ReadShipped(const char* name) {
  std::ifstream in(std::string(HANAROKU_VERSE_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name << " is not beside the program";
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every byte sequence is a Shift-JIS character: a lead byte with a trail
// byte, or a single byte that is not a lead byte; and every line ends in CR LF.
void ExpectShiftJisWithCrLf(const std::string& bytes) {
  ASSERT_FALSE(bytes.empty());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == '\r') {
      ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
      ++i;
    } else if (b == '\n') {
      FAIL() << "LF without CR at " << i;
    } else if (enc::IsLeadByte(b)) {
      ASSERT_LT(i + 1, bytes.size());
      const auto t = static_cast<unsigned char>(bytes[i + 1]);
      ASSERT_TRUE((t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC)) << "bad trail byte at " << i + 1;
      ++i;
    } else {
      ASSERT_TRUE(b >= 0x20 && b < 0x7F) << "control or stray byte " << int(b) << " at " << i;
    }
  }
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(enc::SjisToUtf16(bytes).find(u'\uFFFD'), std::u16string::npos);
}

// The file as UTF-8 records: groups of lines separated by one blank line.
std::vector<std::vector<std::string>> Records(const std::string& sjis) {
  std::vector<std::vector<std::string>> records(1);
  std::istringstream in(enc::SjisToUtf8(sjis));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
      EXPECT_FALSE(records.back().empty()) << "two blank lines in a row";
      records.emplace_back();
    } else {
      records.back().push_back(line);
    }
  }
  return records;
}

// "一" .. "九十九", "百" as used for the poem numbers.
int KanjiNumber(const std::u16string& s) {
  static const std::u16string digits = u"〇一二三四五六七八九";
  if (s == u"百") return 100;
  int value = 0, digit = -1;
  for (char16_t c : s) {
    if (c == u'十') {
      value += (digit < 0 ? 1 : digit) * 10;
      digit = -1;
    } else {
      const auto d = digits.find(c);
      if (d == std::u16string::npos || d == 0 || digit >= 0) return -1;
      digit = static_cast<int>(d);
    }
  }
  return value + (digit < 0 ? 0 : digit);
}

TEST(VerseFiles, HundredPoetsAreAllThereInOrderEachWithItsPoet) {
  const std::string bytes = ReadShipped("hyakunin.txt");
  ExpectShiftJisWithCrLf(bytes);
  const auto records = Records(bytes);
  ASSERT_EQ(records.size(), 101u);
  EXPECT_EQ(records[0], std::vector<std::string>{"小倉百人一首"});
  std::set<std::string> poems;
  for (int n = 1; n <= 100; ++n) {
    const auto& r = records[static_cast<std::size_t>(n)];
    ASSERT_EQ(r.size(), 2u) << "poem " << n;
    const std::u16string line = enc::Utf8ToUtf16(r[0]);
    const auto gap = line.find(u'　');
    ASSERT_NE(gap, std::u16string::npos) << r[0];
    EXPECT_EQ(KanjiNumber(line.substr(0, gap)), n) << r[0];
    // The upper and the lower verse, split by one ideographic space.
    const std::u16string poem = line.substr(gap + 1);
    const auto mid = poem.find(u'　');
    ASSERT_NE(mid, std::u16string::npos) << r[0];
    EXPECT_EQ(poem.find(u'　', mid + 1), std::u16string::npos) << r[0];
    EXPECT_GE(poem.size(), 20u) << r[0];
    EXPECT_TRUE(poems.insert(enc::Utf16ToUtf8(poem)).second) << "twice: " << r[0];
    EXPECT_FALSE(r[1].empty());
    EXPECT_EQ(enc::Utf8ToUtf16(r[1]).find_first_of(u"　 "), std::u16string::npos) << r[1];
  }
  EXPECT_EQ(records[1][1], "天智天皇");
  EXPECT_EQ(records[2][1], "持統天皇");
  EXPECT_EQ(records[3][1], "柿本人麻呂");
  EXPECT_EQ(records[4][1], "山部赤人");
  // Court titles as printed: the former middle counsellor Masafusa, the
  // provisional ones Sadayori and Teika.
  EXPECT_EQ(records[64][1], "権中納言定頼");
  EXPECT_EQ(records[73][1], "前中納言匡房");
  EXPECT_EQ(records[97][1], "権中納言定家");
  EXPECT_EQ(records[99][1], "後鳥羽院");
  EXPECT_EQ(records[100][1], "順徳院");
}

// Every poet of the haiku file with the year of death: all before 1900
// (Masaoka Shiki, 1902, belongs to the modern age and is not among them).
const std::map<std::string, int>& HaikuPoets() {
  static const std::map<std::string, int> poets = {
      {"荒木田守武", 1549}, {"山崎宗鑑", 1554}, {"井原西鶴", 1693}, {"松尾芭蕉", 1694},
      {"山口素堂", 1716},   {"宝井其角", 1707}, {"服部嵐雪", 1707}, {"向井去来", 1704},
      {"内藤丈草", 1704},   {"野沢凡兆", 1714}, {"河合曾良", 1710}, {"上島鬼貫", 1738},
      {"池西言水", 1722},   {"加賀千代女", 1775}, {"炭太祇", 1771}, {"与謝蕪村", 1784},
      {"大島蓼太", 1787},   {"加舎白雄", 1791}, {"小林一茶", 1828},
  };
  return poets;
}

TEST(VerseFiles, HaikuAreAHundredAndMoreEachByAPoetWhoDiedBefore1900) {
  const std::string bytes = ReadShipped("haiku.txt");
  ExpectShiftJisWithCrLf(bytes);
  const auto records = Records(bytes);
  ASSERT_GE(records.size(), 101u);
  EXPECT_EQ(records[0], std::vector<std::string>{"古典俳句"});
  std::set<std::string> haiku;
  for (std::size_t i = 1; i < records.size(); ++i) {
    const auto& r = records[i];
    ASSERT_EQ(r.size(), 2u) << "record " << i;
    const std::u16string verse = enc::Utf8ToUtf16(r[0]);
    EXPECT_GE(verse.size(), 8u) << r[0];
    EXPECT_LE(verse.size(), 24u) << r[0];
    EXPECT_TRUE(haiku.insert(r[0]).second) << "twice: " << r[0];
    const auto poet = HaikuPoets().find(r[1]);
    ASSERT_NE(poet, HaikuPoets().end()) << "poet without a known year of death: " << r[1];
    EXPECT_LT(poet->second, 1900) << r[1];
  }
  EXPECT_EQ(HaikuPoets().count("正岡子規"), 0u);
}

}  // namespace
}  // namespace hanaroku
