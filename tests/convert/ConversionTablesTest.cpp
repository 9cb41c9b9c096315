#include "convert/KanaTables.h"
#include "convert/ManyoganaTables.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

std::string S(const char* utf8) { return enc::Utf8ToSjis(utf8); }
std::string U(const std::string& sjis) { return enc::SjisToUtf8(sjis); }
char16_t W(const std::string& sjis) {
  const std::u16string u = enc::SjisToUtf16(sjis);
  return u.size() == 1 ? u[0] : u'\0';
}

std::u16string Candidates(const CandidateGroup& g) {
  std::u16string out;
  for (const std::string& c : g.candidates) out += W(c);
  return out;
}

TEST(ManyoganaTables, FixedStepsFoldIntoKanaWithGroups) {
  const auto& a = ManyoganaFixedSteps();
  ASSERT_EQ(a.size(), 17u);
  EXPECT_EQ(U(a[0].search) + U(a[0].replacement), "ぁあ");
  EXPECT_EQ(U(a[8].search) + U(a[8].replacement), "っつ");
  EXPECT_EQ(U(a[10].search) + U(a[10].replacement), "ーう");
  EXPECT_EQ(U(a[11].search) + U(a[11].replacement), "ん无");
  EXPECT_EQ(U(a[16].search) + U(a[16].replacement), "ぽぼ");
  // No step's replacement is searched by an earlier step, and every
  // replacement but "无" has a group of its own.
  std::set<std::string> kana;
  for (const CandidateGroup& g : ManyoganaGroups()) kana.insert(g.kana);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(a[i].replacement, a[j].search) << i;
    if (a[i].replacement != S("无")) {
      EXPECT_EQ(kana.count(a[i].replacement), 1u) << U(a[i].replacement);
    }
  }
}

TEST(ManyoganaTables, GroupsCountsAndWeights) {
  const auto& g = ManyoganaGroups();
  ASSERT_EQ(g.size(), 67u);
  std::size_t total = 0;
  std::set<std::string> searched;
  for (const ReplacePair& p : ManyoganaFixedSteps()) searched.insert(p.search);
  for (const CandidateGroup& grp : g) searched.insert(grp.kana);
  for (const CandidateGroup& grp : g) {
    EXPECT_EQ(grp.count, static_cast<int>(grp.candidates.size())) << U(grp.kana);
    // Counts of up to 10 go to ManReplaceAll, the others to ManReplaceAll2,
    // which takes 11 to 21, 26, 29, 32, 33 and 35.
    const int n = grp.count;
    EXPECT_TRUE((n >= 2 && n <= 21) || n == 26 || n == 29 || n == 32 || n == 33 || n == 35) << n;
    for (const std::string& c : grp.candidates) {
      EXPECT_EQ(c.size(), 2u) << U(grp.kana);
      EXPECT_EQ(searched.count(c), 0u) << U(c);  // a candidate is never converted again
      EXPECT_GE(W(c), u'\u4E00') << U(c);       // a kanji
    }
    total += grp.candidates.size();
  }
  EXPECT_EQ(total, 756u);
  EXPECT_EQ(U(g.front().kana), "ぜ");
  EXPECT_EQ(Candidates(g.front()), u"是湍");
  EXPECT_EQ(Candidates(g[9]), u"煩菩番蕃");  // "ぼ", which "ぽ" joins
  EXPECT_EQ(U(g[44].kana), "げ");
  EXPECT_EQ(Candidates(g[44]), u"下牙雅夏義気宜礙削下偈皚");
  EXPECT_EQ(U(g[52].kana), "ろ");
  EXPECT_EQ(Candidates(g[52]), u"路漏呂侶里慮稜魯路露婁廬樓閭勒");
  EXPECT_EQ(U(g.back().kana), "へ");
  EXPECT_EQ(g.back().count, 35);
  EXPECT_EQ(W(g.back().candidates.back()), u'閇');
}

TEST(ManyoganaTables, TogetherTheyCoverEveryHiragana) {
  std::set<char16_t> covered;
  for (const ReplacePair& p : ManyoganaFixedSteps()) covered.insert(W(p.search));
  for (const CandidateGroup& g : ManyoganaGroups()) EXPECT_TRUE(covered.insert(W(g.kana)).second) << U(g.kana);
  for (char16_t c = u'ぁ'; c <= u'ん'; ++c) EXPECT_EQ(covered.count(c), 1u) << static_cast<int>(c);
  EXPECT_EQ(covered.size(), 83u + 1u);  // and "ー"
}

// Pairs of single characters, none of whose replacements a later pair
// searches for.
void ExpectSinglePairsThatDoNotFeed(const std::vector<ReplacePair>& t) {
  for (std::size_t i = 0; i < t.size(); ++i) {
    EXPECT_EQ(t[i].search.size(), 2u);
    EXPECT_EQ(t[i].replacement.size(), 2u) << U(t[i].search);
    for (std::size_t j = i + 1; j < t.size(); ++j) EXPECT_NE(t[i].replacement, t[j].search) << i << " " << j;
  }
}

TEST(KanaTables, KatakanaIntoHiraganaByCodePointWithTheExceptions) {
  const auto& k = KatakanaToHiraganaTable();
  ASSERT_EQ(k.size(), 86u);
  ExpectSinglePairsThatDoNotFeed(k);
  const std::u16string exceptions = u"ヵヶヰヱヴパピプペポ", to = u"かけいえぶはひふへほ";
  std::set<char16_t> seen;
  for (const ReplacePair& p : k) {
    const char16_t from = W(p.search);
    seen.insert(from);
    const std::size_t e = exceptions.find(from);
    EXPECT_EQ(W(p.replacement), e == std::u16string::npos ? static_cast<char16_t>(from - 0x60) : to[e]);
  }
  EXPECT_EQ(seen.size(), 86u);
  EXPECT_EQ(U(k[0].search), "ァ");
  EXPECT_EQ(U(k[12].search), "ア");
  EXPECT_EQ(U(k[59].search), "ン");
  EXPECT_EQ(U(k[60].search), "ヴ");
  EXPECT_EQ(U(k.back().search), "ポ");
}

TEST(KanaTables, HiraganaIntoKatakanaByCodePointWithTheExceptions) {
  const auto& h = HiraganaToKatakanaTable();
  ASSERT_EQ(h.size(), 83u);
  ExpectSinglePairsThatDoNotFeed(h);
  for (const ReplacePair& p : h) {
    const char16_t from = W(p.search);
    const char16_t expected = from == u'ゐ' ? u'イ' : from == u'ゑ' ? u'エ' : static_cast<char16_t>(from + 0x60);
    EXPECT_EQ(W(p.replacement), expected) << U(p.search);
  }
  EXPECT_EQ(U(h[0].search), "ぁ");
  EXPECT_EQ(U(h[10].search), "あ");
  EXPECT_EQ(U(h[h.size() - 2].search), "ゑ");
  EXPECT_EQ(U(h.back().search), "ゐ");
}

TEST(KanaTables, KatakanaIntoKanji) {
  const auto& j = KatakanaToKanjiTable();
  ASSERT_EQ(j.size(), 86u);
  ExpectSinglePairsThatDoNotFeed(j);
  std::u16string pairs;
  for (const ReplacePair& p : j) pairs += std::u16string{W(p.search), W(p.replacement)};
  EXPECT_EQ(pairs.substr(0, 24), u"ァ阿ィ伊ゥ宇ェ江ォ於ヵ加ヶ介ャ也ュ由ョ与ッ川ヮ和");
  EXPECT_NE(pairs.find(u"ヰ井ヱ慧ヲ乎ン爾ヴ夫"), std::u16string::npos);
  EXPECT_NE(pairs.find(u"ダ陀ヂ治ヅ豆デ傳ド杼"), std::u16string::npos);
  EXPECT_EQ(pairs.substr(pairs.size() - 10), u"パ婆ピ毘プ夫ペ倍ポ煩");
}

}  // namespace
}  // namespace hanaroku
