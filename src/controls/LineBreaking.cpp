#include "controls/LineBreaking.h"

namespace hanaroku::linebreak {
namespace {

// Single-byte characters: ASCII and half-width katakana.
Flags SingleByte(unsigned char b) noexcept {
  switch (b) {
    case '(': case '[': case '{':
      return kLatin | kNoEnd;
    case ')': case ']': case '}':
      return kLatin | kNoStart;
    case 0xA1: case 0xA4:  // ｡ ､
      return kHang | kNoStart;
    case 0xA2:  // ｢
      return kNoEnd;
    case 0xA3: case 0xA5: case 0xB0: case 0xDE: case 0xDF:  // ｣ ･ ｰ ﾞ ﾟ
      return kNoStart;
    default:
      break;
  }
  if (b > 0x20 && b < 0x7F) return kLatin;  // letters, digits and signs
  if (b >= 0xA7 && b <= 0xAF) return kNoStart;  // small kana ｧ..ｯ
  return 0;
}

// Double-byte characters by their code page 932 code.
Flags DoubleByte(unsigned code) noexcept {
  switch (code) {
    case 0x8141: case 0x8142: case 0x8143: case 0x8144:  // 、 。 ， ．
      return kHang | kNoStart;
    case 0x8145: case 0x8146: case 0x8147: case 0x8148: case 0x8149:  // ・ ： ； ？ ！
    case 0x814A: case 0x814B:                                         // ゛ ゜
    case 0x8152: case 0x8153: case 0x8154: case 0x8155: case 0x8158:  // ヽ ヾ ゝ ゞ 々
    case 0x815B: case 0x815D: case 0x8160:                            // ー ‐ ～
    case 0x8163: case 0x8164:                                         // … ‥
    case 0x8166: case 0x8168: case 0x816A: case 0x816C: case 0x816E:  // ’ ” ） 〕 ］
    case 0x8170: case 0x8172: case 0x8174: case 0x8176: case 0x8178:  // ｝ 〉 》 」 』
    case 0x817A: case 0x8781:                                         // 】 〟
    case 0x818B: case 0x818C: case 0x818D: case 0x818E:               // ° ′ ″ ℃
    case 0x8193: case 0x81F1:                                         // ％ ‰
      return kNoStart;
    case 0x8165: case 0x8167: case 0x8169: case 0x816B: case 0x816D:  // ‘ “ （ 〔 ［
    case 0x816F: case 0x8171: case 0x8173: case 0x8175: case 0x8177:  // ｛ 〈 《 「 『
    case 0x8179: case 0x8780:                                         // 【 〝
    case 0x818F: case 0x8190: case 0x8192:                            // ￥ ＄ ￡
      return kNoEnd;
    case 0x815C:  // ―
      return kInseparable;
    // Small kana: ぁ ぃ ぅ ぇ ぉ っ ゃ ゅ ょ ゎ, ァ ィ ゥ ェ ォ ッ ャ ュ ョ ヮ ヵ ヶ.
    case 0x829F: case 0x82A1: case 0x82A3: case 0x82A5: case 0x82A7:
    case 0x82C1: case 0x82E1: case 0x82E3: case 0x82E5: case 0x82EC:
    case 0x8340: case 0x8342: case 0x8344: case 0x8346: case 0x8348:
    case 0x8362: case 0x8383: case 0x8385: case 0x8387: case 0x838E:
    case 0x8395: case 0x8396:
      return kNoStart;
    default:
      return 0;
  }
}

}  // namespace

Flags ClassOf(std::string_view text, std::size_t pos, std::size_t len) noexcept {
  if (pos >= text.size()) return 0;
  const auto b0 = static_cast<unsigned char>(text[pos]);
  if (len < 2 || pos + 1 >= text.size()) return SingleByte(b0);
  return DoubleByte((static_cast<unsigned>(b0) << 8) | static_cast<unsigned char>(text[pos + 1]));
}

}  // namespace hanaroku::linebreak
