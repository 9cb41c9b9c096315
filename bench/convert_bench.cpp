// Times the one-pass replace-all against the loop that rereads the whole
// text after every replacement, on a generated Shift-JIS verse text (mostly
// hiragana): the man'yōgana conversion (17 fixed steps, 67 drawn groups) and
// the three kana conversions. The rereading loop is quadratic, so it runs on
// a smaller text and its 1 MiB figure is extrapolated (stated as such).
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "convert/KanaTables.h"
#include "convert/ManyoganaTables.h"
#include "convert/ReplaceEngine.h"
#include "platform/Encoding.h"

using namespace hanaroku;

namespace {

std::string MakeVerse(std::size_t bytes) {
  std::mt19937 gen(42);
  std::vector<std::string> chars;
  for (const char* c : {"あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ", "さ", "し", "す", "せ", "そ",
                        "た", "ち", "つ", "て", "と", "な", "に", "ぬ", "ね", "の", "は", "ひ", "ふ", "へ", "ほ",
                        "ま", "み", "む", "め", "も", "や", "ゆ", "よ", "ら", "り", "る", "れ", "ろ", "わ", "を",
                        "ん", "が", "ぎ", "ぐ", "げ", "ご", "ざ", "じ", "ず", "ぜ", "ぞ", "だ", "で", "ど", "ば",
                        "び", "ぶ", "べ", "ぼ", "ぱ", "っ", "ゃ", "ょ", "ー", "カ", "タ", "花", "月", "山", "　"})
    chars.push_back(enc::Utf8ToSjis(c));
  std::uniform_int_distribution<std::size_t> pick(0, chars.size() - 1);
  std::string s;
  int col = 0;
  while (s.size() < bytes) {
    std::size_t k = pick(gen);
    if (k >= 69 && pick(gen) % 3) k = pick(gen) % 46;  // mostly hiragana
    s += chars[k];
    if (++col == 31) {
      s += "\r\n";
      col = 0;
    }
  }
  return s;
}

// The rereading loop, for comparison.
void LoopReplace(std::string& text, const std::string& search, IReplacementSource& src) {
  for (;;) {
    const std::string r(src.Next());
    const std::string copy = text;
    const std::size_t q = FindWholeChars(copy, search);
    if (q == std::string::npos) return;
    text.replace(q, search.size(), r);
  }
}

void EngineReplace(std::string& text, const std::string& search, IReplacementSource& src) {
  ReplaceAllResult r = ReplaceAllWholeChars(text, search, src);
  if (r.count > 0) text = std::move(r.text);
}

template <class F>
double TimeManyogana(std::string text, F replace) {
  const auto t0 = std::chrono::steady_clock::now();
  for (const ReplacePair& p : ManyoganaFixedSteps()) {
    FixedReplacement r(p.replacement);
    replace(text, p.search, r);
  }
  std::uint32_t seed = 43200000;
  for (const CandidateGroup& g : ManyoganaGroups()) {
    DrawnReplacement d(g.candidates.data(), static_cast<std::uint32_t>(g.count), seed++);
    replace(text, g.kana, d);
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

template <class F>
double TimeTable(std::string text, const std::vector<ReplacePair>& table, F replace) {
  const auto t0 = std::chrono::steady_clock::now();
  for (const ReplacePair& p : table) {
    FixedReplacement r(p.replacement);
    replace(text, p.search, r);
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main() {
  const std::size_t full = 1 << 20, small = 32 << 10;
  const std::string big = MakeVerse(full), little = MakeVerse(small);
  const double scale = static_cast<double>(full) / small;
  std::printf("text: %zu bytes (one-pass); rereading loop on %zu bytes, extrapolated x%.0f^2\n", big.size(),
              little.size(), scale);
  struct Job {
    const char* name;
    const std::vector<ReplacePair>* table;
  };
  const Job jobs[] = {{"man'yogana", nullptr},
                      {"katakana->hiragana", &KatakanaToHiraganaTable()},
                      {"katakana->kanji", &KatakanaToKanjiTable()},
                      {"hiragana->katakana", &HiraganaToKatakanaTable()}};
  for (const Job& j : jobs) {
    auto run = [&](const std::string& t, auto f) { return j.table ? TimeTable(t, *j.table, f) : TimeManyogana(t, f); };
    const double fast = run(big, EngineReplace);
    const double fastSmall = run(little, EngineReplace);
    const double loopSmall = run(little, LoopReplace);
    const double loopFull = loopSmall * scale * scale;
    std::printf("%-20s one-pass 1 MiB %8.2f ms | at 32 KiB: one-pass %7.3f ms, loop %9.2f ms (x%.0f) | "
                "loop 1 MiB est. %10.0f ms, ratio %.0f\n",
                j.name, fast, fastSmall, loopSmall, loopSmall / fastSmall, loopFull, loopFull / fast);
  }
  return 0;
}
