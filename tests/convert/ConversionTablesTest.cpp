#include "convert/KanaTables.h"
#include "convert/ManyoganaTables.h"

#include <gtest/gtest.h>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

std::string S(const char* utf8) { return enc::Utf8ToSjis(utf8); }
std::string U(const std::string& sjis) { return enc::SjisToUtf8(sjis); }

TEST(ManyoganaTables, CountsAndWeights) {
  EXPECT_EQ(ManyoganaFixedSteps().size(), 17u);
  const auto& g = ManyoganaGroups();
  ASSERT_EQ(g.size(), 67u);
  std::size_t total = 0;
  for (const auto& grp : g) {
    EXPECT_EQ(grp.count, static_cast<int>(grp.candidates.size())) << U(grp.kana);
    for (const auto& c : grp.candidates) EXPECT_EQ(c.size(), 2u) << U(grp.kana);
    total += grp.candidates.size();
  }
  EXPECT_EQ(total, 756u);
  auto weight = [&](const char* kana, const char* kanji) {
    for (const auto& grp : g)
      if (grp.kana == S(kana)) {
        int n = 0;
        for (const auto& c : grp.candidates) n += c == S(kanji);
        return n;
      }
    return -1;
  };
  EXPECT_EQ(weight("げ", "下"), 2);
  EXPECT_EQ(weight("ろ", "路"), 2);
  EXPECT_EQ(weight("げ", "牙"), 1);
}

TEST(KanaTables, SizesAndExceptions) {
  EXPECT_EQ(KatakanaToHiraganaTable().size(), 86u);
  EXPECT_EQ(KatakanaToKanjiTable().size(), 86u);
  EXPECT_EQ(HiraganaToKatakanaTable().size(), 83u);
  for (const auto* t : {&KatakanaToHiraganaTable(), &KatakanaToKanjiTable(), &HiraganaToKatakanaTable()})
    for (const auto& p : *t) {
      EXPECT_EQ(p.search.size(), 2u);
      EXPECT_EQ(p.replacement.size(), 2u) << U(p.search);
    }
}

}  // namespace
}  // namespace hanaroku
