#include "convert/KanaTables.h"

#include <string>
#include <string_view>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

struct Exception {
  const char* from;
  const char* to;
};

// Every character of `order` becomes the character `offset` code points away,
// unless it is listed among the exceptions.
std::vector<ReplacePair> ByCodePoint(std::string_view order, int offset, const Exception* ex, std::size_t nEx) {
  std::vector<ReplacePair> out;
  const std::u16string chars = enc::Utf8ToUtf16(order);
  for (char16_t c : chars) {
    const std::string from = enc::Utf16ToUtf8(std::u16string(1, c));
    std::string to = enc::Utf16ToUtf8(std::u16string(1, static_cast<char16_t>(c + offset)));
    for (std::size_t i = 0; i < nEx; ++i)
      if (from == ex[i].from) to = ex[i].to;
    out.push_back({enc::Utf8ToSjis(from), enc::Utf8ToSjis(to)});
  }
  return out;
}

// Katakana into hiragana: 0x60 code points lower, except these.
constexpr Exception kKatakanaExceptions[] = {
    {"ヵ", "か"}, {"ヶ", "け"}, {"ヰ", "い"}, {"ヱ", "え"}, {"ヴ", "ぶ"},
    {"パ", "は"}, {"ピ", "ひ"}, {"プ", "ふ"}, {"ペ", "へ"}, {"ポ", "ほ"},
};
constexpr std::string_view kKatakanaOrder =
    "ァィゥェォヵヶャュョッヮ"
    "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヰヱヲン"
    "ヴ"
    "ガギグゲゴザジズゼゾダヂヅデドバビブベボ"
    "パピプペポ";

// Hiragana into katakana: 0x60 code points higher, except these.
constexpr Exception kHiraganaExceptions[] = {{"ゐ", "イ"}, {"ゑ", "エ"}};
constexpr std::string_view kHiraganaOrder =
    "ぁぃぅぇぉゃゅょっゎ"
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
    "がぎぐげござじずぜぞだぢづでどばびぶべぼ"
    "ぱぴぷぺぽ"
    "ゑゐ";

// Katakana into kanji, pair by pair: small kana share the kanji of their
// full-size kana, the p-row that of the b-row.
constexpr std::string_view kKatakanaKanji =
    "ァ阿ィ伊ゥ宇ェ江ォ於ヵ加ヶ介ャ也ュ由ョ与ッ川ヮ和"
    "ア阿イ伊ウ宇エ江オ於"
    "カ加キ幾ク久ケ介コ己"
    "サ散シ之ス須セ世ソ曾"
    "タ多チ千ツ川テ天ト止"
    "ナ奈ニ二ヌ奴ネ禰ノ乃"
    "ハ八ヒ比フ不ヘ部ホ保"
    "マ末ミ三ム牟メ女モ毛"
    "ヤ也ユ由ヨ与"
    "ラ良リ利ル流レ礼ロ呂"
    "ワ和ヰ井ヱ慧ヲ乎ン爾"
    "ヴ夫"
    "ガ賀ギ藝グ具ゲ下ゴ碁"
    "ザ邪ジ士ズ受ゼ是ゾ曾"
    "ダ陀ヂ治ヅ豆デ傳ド杼"
    "バ婆ビ毘ブ夫ベ倍ボ煩"
    "パ婆ピ毘プ夫ペ倍ポ煩";

}  // namespace

const std::vector<ReplacePair>& KatakanaToHiraganaTable() {
  static const std::vector<ReplacePair> t =
      ByCodePoint(kKatakanaOrder, -0x60, kKatakanaExceptions, std::size(kKatakanaExceptions));
  return t;
}

const std::vector<ReplacePair>& HiraganaToKatakanaTable() {
  static const std::vector<ReplacePair> t =
      ByCodePoint(kHiraganaOrder, 0x60, kHiraganaExceptions, std::size(kHiraganaExceptions));
  return t;
}

const std::vector<ReplacePair>& KatakanaToKanjiTable() {
  static const std::vector<ReplacePair> t = [] {
    std::vector<ReplacePair> v;
    const std::u16string s = enc::Utf8ToUtf16(kKatakanaKanji);
    for (std::size_t i = 0; i + 1 < s.size(); i += 2)
      v.push_back({enc::Utf8ToSjis(enc::Utf16ToUtf8(s.substr(i, 1))), enc::Utf8ToSjis(enc::Utf16ToUtf8(s.substr(i + 1, 1)))});
    return v;
  }();
  return t;
}

}  // namespace hanaroku
