#include "convert/ManyoganaTables.h"

#include <string_view>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

struct FixedRow {
  const char* search;
  const char* replacement;
};

// Fixed steps: small kana, the long-vowel mark, "ん" and the p-row.
constexpr FixedRow kFixed[] = {
    {"ぁ", "あ"}, {"ぃ", "い"}, {"ぅ", "う"}, {"ぇ", "え"}, {"ぉ", "お"}, {"ゃ", "や"},
    {"ゅ", "ゆ"}, {"ょ", "よ"}, {"っ", "つ"}, {"ゎ", "わ"}, {"ー", "う"}, {"ん", "无"},
    {"ぱ", "ば"}, {"ぴ", "び"}, {"ぷ", "ぶ"}, {"ぺ", "べ"}, {"ぽ", "ぼ"},
};

struct GroupRow {
  const char* kana;
  int count;
  const char* candidates;  // separated by blanks
};

// Candidate groups in conversion order.
constexpr GroupRow kGroups[] = {
    {"ぜ", 2, "是 湍"},
    {"あ", 3, "阿 安 足"},
    {"る", 3, "留 流 類"},
    {"わ", 3, "和 丸 輪"},
    {"づ", 3, "豆 頭 弩"},
    {"ゆ", 4, "由 喩 遊 湯"},
    {"ず", 4, "受 授 殊 儒"},
    {"だ", 4, "陀 太 大 嚢"},
    {"ば", 4, "伐 婆 磨 魔"},
    {"ぼ", 4, "煩 菩 番 蕃"},
    {"お", 5, "意 憶 於 応 游"},
    {"う", 5, "宇 羽 有 卯 得"},
    {"ゑ", 5, "廻 恵 面 咲 惠"},
    {"い", 6, "伊 夷 以 異 移 射"},
    {"つ", 6, "都 豆 通 追 川 津"},
    {"れ", 6, "礼 列 例 烈 連 禮"},
    {"ね", 6, "禰 尼 泥 年 根 宿"},
    {"ら", 6, "良 浪 郎 楽 羅 等"},
    {"ぐ", 6, "具 遇 隅 求 愚 虞"},
    {"ぢ", 6, "遅 治 地 恥 尼 泥"},
    {"ゐ", 7, "位 為 謂 井 猪 藍 韋"},
    {"ち", 7, "知 智 陳 千 乳 血 茅"},
    {"ぬ", 7, "奴 努 怒 農 濃 沼 宿"},
    {"む", 7, "牟 武 無 模 務 謀 六"},
    {"り", 7, "里 理 利 梨 隣 入 煎"},
    {"ざ", 7, "社 射 謝 耶 奢 装 蔵"},
    {"ぞ", 7, "俗 序 叙 賊 存 茹 鋤"},
    {"ぶ", 7, "夫 扶 府 文 柔 歩 部"},
    {"べ", 8, "弁 便 別 部 倍 毎 戸 辨"},
    {"て", 8, "堤 天 帝 底 手 代 直 弖"},
    {"く", 8, "久 九 口 丘 苦 鳩 来 君"},
    {"た", 8, "太 多 他 丹 駄 田 手 立"},
    {"ふ", 8, "不 否 布 負 部 敷 経 歴"},
    {"か", 9, "可 何 加 架 香 蚊 迦 閑 訶"},
    {"さ", 9, "左 佐 沙 作 者 柴 紗 草 散"},
    {"せ", 9, "世 西 斉 勢 施 背 脊 迫 瀬"},
    {"の", 9, "努 怒 野 乃 能 笑 荷 弩 笶"},
    {"や", 9, "也 移 夜 楊 耶 野 八 矢 屋"},
    {"が", 9, "奇 宜 我 蛾 何 河 賀 俄 餓"},
    {"な", 10, "那 男 奈 南 寧 難 七 名 魚 菜"},
    {"ぎ", 11, "伎 祇 芸 岐 儀 蟻 疑 宜 義 擬 藝"},
    {"で", 11, "代 田 泥 庭 伝 殿 而 涅 提 弟 傳"},
    {"す", 11, "寸 須 周 酒 州 洲 珠 数 酢 栖 渚"},
    {"ほ", 12, "凡 方 抱 朋 倍 保 宝 富 百 帆 穂 本"},
    {"げ", 12, "下 牙 雅 夏 義 気 宜 礙 削 下 偈 皚"},
    {"も", 12, "毛 母 文 茂 門 問 聞 忘 物 裳 喪 藻"},
    {"じ", 12, "自 士 仕 司 時 尽 慈 耳 餌 児 弐 爾"},
    {"ま", 12, "万 末 馬 麻 摩 磨 満 前 真 間 鬼 萬"},
    {"び", 12, "婢 鼻 弥 備 肥 飛 乾 眉 媚 傍 妣 彌"},
    {"ど", 13, "土 度 渡 奴 怒 特 藤 騰 等 耐 抒 杼 廼"},
    {"を", 14, "乎 呼 遠 鳥 怨 越 少 小 尾 麻 男 緒 雄 袁"},
    {"め", 15, "売 馬 面 女 梅 米 迷 昧 目 眼 海 謎 妹 綿 賣"},
    {"ろ", 15, "路 漏 呂 侶 里 慮 稜 魯 路 露 婁 廬 樓 閭 勒"},
    {"に", 16, "二 人 日 仁 爾 迩 尼 耳 柔 丹 荷 似 煮 煎 尓 邇"},
    {"え", 16, "衣 依 愛 荏 叡 榎 延 縁 兄 江 枝 柄 埃 曵 睿 裔"},
    {"ご", 18, "吾 呉 胡 娯 後 籠 児 悟 誤 其 期 碁 語 御 馭 凝 虞 五"},
    {"は", 19, "八 方 芳 房 半 伴 倍 泊 波 婆 破 薄 播 幡 羽 早 者 速 葉"},
    {"よ", 19, "用 容 欲 夜 与 余 四 世 代 吉 預 庸 慾 豫 已 與 譽 餘 遙"},
    {"み", 20, "民 彌 美 三 水 見 視 御 未 味 尾 微 身 実 箕 參 寐 實 瀰 眷"},
    {"そ", 21, "宗 祖 素 蘇 十 所 則 曾 僧 増 憎 衣 背 苑 磯 巷 襲 諸 層 贈 賊"},
    {"こ", 26, "古 姑 枯 故 侯 孤 児 粉 己 巨 去 居 忌 許 虚 興 渠 庫 胡 顧 高 子 小 兒 據 籠"},
    {"ひ", 26, "比 必 卑 賓 日 氷 飯 火 乾 妃 彼 悲 斐 肥 被 避 非 飛 樋 負 嬪 檜 祕 臂 譬 辟"},
    {"し", 29, "子 之 芝 水 四 司 詞 斯 志 思 信 偲 寺 侍 時 歌 詩 師 紫 新 旨 指 次 此 死 事 准 磯 為"},
    {"け", 32, "祁 家 計 係 価 結 鶏 気 既 毛 飼 異 戒 開 階 凱 概 骸 希 居 啓 稽 消 食 笥 價 奚 擧 氣 谿 賈 鷄"},
    {"き", 33, "支 伎 岐 企 棄 寸 貴 紀 記 奇 寄 忌 幾 木 城 基 既 機 規 騎 妓 祇 吉 杵 樹 服 來 竒 枳 歸 氣 綺 耆"},
    {"と", 33, "刀 土 斗 度 戸 利 速 止 等 登 澄 得 騰 十 鳥 常 跡 外 苔 塗 妬 屠 徒 杜 渡 砥 砺 門 圖 聰 臺 覩 迹"},
    {"へ", 35, "平 反 返 弁 弊 陛 遍 覇 部 辺 重 隔 閉 倍 陪 拝 戸 経 綜 俳 杯 畔 蔽 方 幤 敝 霸 沛 珮 瓮 甕 經 罐 邊 閇"},
};

std::vector<std::string> SplitBlanks(std::string_view s) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && s[i] == ' ') ++i;
    std::size_t j = i;
    while (j < s.size() && s[j] != ' ') ++j;
    if (j > i) out.push_back(enc::Utf8ToSjis(s.substr(i, j - i)));
    i = j;
  }
  return out;
}

}  // namespace

const std::vector<ReplacePair>& ManyoganaFixedSteps() {
  static const std::vector<ReplacePair> steps = [] {
    std::vector<ReplacePair> v;
    for (const FixedRow& r : kFixed) v.push_back({enc::Utf8ToSjis(r.search), enc::Utf8ToSjis(r.replacement)});
    return v;
  }();
  return steps;
}

const std::vector<CandidateGroup>& ManyoganaGroups() {
  static const std::vector<CandidateGroup> groups = [] {
    std::vector<CandidateGroup> v;
    for (const GroupRow& r : kGroups) {
      v.push_back({enc::Utf8ToSjis(r.kana), r.count, SplitBlanks(r.candidates)});
    }
    return v;
  }();
  return groups;
}

}  // namespace hanaroku
