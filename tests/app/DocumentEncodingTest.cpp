// Documents in UTF-8 and UTF-16: recognised on open, converted for the pane
// and written back byte for byte when nothing was edited.
#include "app/DocumentEncoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

std::string Sjis(const char* utf8) { return enc::Utf8ToSjis(utf8); }

std::string Utf16(std::u16string_view text, bool bigEndian, bool bom) {
  std::string out = bom ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
  for (char16_t c : text) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

constexpr const char* kPoem = "秋の田の　かりほの庵の　苫をあらみ\r\nわが衣手は　露にぬれつつ\r\n天智天皇\r\n";

TEST(DocumentEncoding, RealLookingFilesOpenConvertedAndSaveBackByteForByte) {
  const std::string lf = "秋の田の　かりほの庵の\nわが衣手は　露にぬれつつ\n";
  struct Case {
    const char* what;
    std::string file;
    TextEncoding encoding;
    bool bom, lfOnly;
    std::string pane;
  };
  const std::vector<Case> corpus = {
      {"UTF-8 CR LF", kPoem, TextEncoding::Utf8, false, false, Sjis(kPoem)},
      {"UTF-8 BOM CR LF", "\xEF\xBB\xBF" + std::string(kPoem), TextEncoding::Utf8, true, false, Sjis(kPoem)},
      {"UTF-8 LF", lf, TextEncoding::Utf8, false, true, Sjis("秋の田の　かりほの庵の\r\nわが衣手は　露にぬれつつ\r\n")},
      {"UTF-8 BOM LF", "\xEF\xBB\xBF" + lf, TextEncoding::Utf8, true, true,
       Sjis("秋の田の　かりほの庵の\r\nわが衣手は　露にぬれつつ\r\n")},
      {"UTF-16LE", Utf16(enc::Utf8ToUtf16(kPoem), false, true), TextEncoding::Utf16LE, true, false, Sjis(kPoem)},
      {"UTF-16BE", Utf16(enc::Utf8ToUtf16(kPoem), true, true), TextEncoding::Utf16BE, true, false, Sjis(kPoem)},
      {"NEC and IBM characters", "①Ⅱ㈱ 髙﨑 ～ ￢", TextEncoding::Utf8, false, false, Sjis("①Ⅱ㈱ 髙﨑 ～ ￢")},
      {"UTF-8 BOM, ASCII only", "\xEF\xBB\xBFhaiku\r\n", TextEncoding::Utf8, true, false, "haiku\r\n"},
  };
  for (const Case& c : corpus) {
    const DecodedDocument doc = DecodeDocument(c.file);
    EXPECT_EQ(doc.format.encoding, c.encoding) << c.what;
    EXPECT_EQ(doc.format.bom, c.bom) << c.what;
    EXPECT_EQ(doc.format.lfOnly, c.lfOnly) << c.what;
    EXPECT_FALSE(doc.format.lossy) << c.what;
    EXPECT_EQ(doc.text, c.pane) << c.what;
    EXPECT_EQ(EncodeDocument(doc.text, doc.format), c.file) << c.what;
  }
}

TEST(DocumentEncoding, ShiftJisAndOtherFilesStayAsTheyAre) {
  for (const std::string& file : {Sjis(kPoem), std::string("plain ASCII\nonly\r\n"), std::string(),
                                  std::string("\x82\xA0\xC3\x28\xFF\x00\x80", 7),  // neither Shift-JIS nor UTF-8
                                  Sjis("ｱｲｳｴｵ半角")}) {
    const DecodedDocument doc = DecodeDocument(file);
    EXPECT_EQ(doc.format, DocumentFormat{});
    EXPECT_EQ(doc.text, file);
    EXPECT_EQ(EncodeDocument(doc.text, doc.format), file);
    EXPECT_EQ(doc.format.Name(), "");
  }
}

TEST(DocumentEncoding, CharactersShiftJisCannotHoldBecomeGetaAndAreNamed) {
  const DecodedDocument doc = DecodeDocument("花🌸𠮷野\r\n次の行 é\r\n");
  EXPECT_TRUE(doc.format.lossy);
  EXPECT_EQ(doc.lost, u"🌸𠮷é");
  EXPECT_EQ(doc.text, Sjis("花〓〓野\r\n次の行 〓\r\n"));
  // Invalid sequences after a byte-order mark, a cut UTF-16 file and a lone
  // surrogate are lost characters too, never a crash or a swallowed neighbour.
  EXPECT_EQ(DecodeDocument("\xEF\xBB\xBF" "a\xC3(b").text, Sjis("a〓(b"));
  EXPECT_EQ(DecodeDocument(std::string("\xFF\xFE" "A\0B", 5)).text, Sjis("A〓"));
  const DecodedDocument lone = DecodeDocument(Utf16(u"A\xD800あB", false, true));
  EXPECT_EQ(lone.text, Sjis("A〓あB"));
  EXPECT_EQ(lone.lost.size(), 1u);
}

TEST(DocumentEncoding, StrictUtf8) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("花🌸 é"));
  for (const char* bad : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x81", "\x80",
                          "\xF8\x88\x80\x80\x80", "\xE3\x81\x41"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

TEST(DocumentEncoding, ANewFormatWritesTheSameTextInIt) {
  const std::string pane = Sjis("ふるいけや\r\nかはづとびこむ\r\n");
  EXPECT_EQ(EncodeDocument(pane, {TextEncoding::Utf8, false}), "ふるいけや\r\nかはづとびこむ\r\n");
  EXPECT_EQ(EncodeDocument(pane, {TextEncoding::Utf8, true}), "\xEF\xBB\xBFふるいけや\r\nかはづとびこむ\r\n");
  EXPECT_EQ(EncodeDocument(pane, {TextEncoding::Utf8, false, true}), "ふるいけや\nかはづとびこむ\n");
  EXPECT_EQ(EncodeDocument(pane, {}), pane);
  EXPECT_EQ((DocumentFormat{TextEncoding::Utf8, true}).Name(), "UTF-8 BOM");
  EXPECT_EQ((DocumentFormat{TextEncoding::Utf16BE, true}).Name(), "UTF-16BE");
}

TEST(DocumentEncoding, AnyBytesOpenAndWhatIsNotLostComesBackTheSame) {
  std::mt19937 random(20261209);
  const std::vector<std::string> pieces = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF", "花", "🌸", "\r\n", "\n", "\r",
                                           "a", "\x82\xA0", "\xC3", "\x80", std::string(1, '\0'), "～", "〜", "‖"};
  for (int round = 0; round < 3000; ++round) {
    std::string file;
    const int n = static_cast<int>(random() % 12);
    for (int i = 0; i < n; ++i) {
      if (random() % 3 == 0) file += static_cast<char>(random() & 0xFF);
      else file += pieces[random() % pieces.size()];
    }
    const DecodedDocument doc = DecodeDocument(file);
    if (!doc.format.lossy) {
      EXPECT_EQ(EncodeDocument(doc.text, doc.format), file) << round;
    }
  }
}

}  // namespace
}  // namespace hanaroku
