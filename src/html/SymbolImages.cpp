#include "html/SymbolImages.h"

namespace hanaroku {
namespace {

constexpr SymbolImage kTable[] = {
    {"。", "kuten.gif", 19},
    {"、", "touten.gif", 19},
    {"「", "kakko1.gif", 19},
    {"」", "kakko2.gif", 19},
    {"『", "kakko3.gif", 19},
    {"』", "kakko4.gif", 19},
    {"（", "kakko5.gif", 19},
    {"）", "kakko6.gif", 19},
    {"＜", "kakko7.gif", 19},
    {"＞", "kakko8.gif", 19},
    {"《", "kakko9.gif", 19},
    {"》", "kakko10.gif", 19},
    {"［", "kakko11.gif", 19},
    {"］", "kakko12.gif", 19},
    {"〔", "kakko13.gif", 19},
    {"〕", "kakko14.gif", 19},
    {"～", "kara.gif", 19},
    {"…", "mmm.gif", 19},
    {"：", "tenten.gif", 19},
    {"ー", "sen.gif", 19},
    // Two vertical bars in consecutive rows of a column: a doubled dash.
    {"│<br>│", "sen2.gif", 40},
    // A whole blank-line column and a whole padding column.
    {"<br>＠<br>＃<br>＆<br>％<br>！<br>", "zero.gif", 19},
    {"<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>　<br>＊<br>", "zero.gif", 19},
};

constexpr std::string_view kFiles[] = {
    "kuten.gif",  "touten.gif", "kakko1.gif",  "kakko2.gif",  "kakko3.gif",  "kakko4.gif",
    "kakko5.gif", "kakko6.gif", "kakko7.gif",  "kakko8.gif",  "kakko9.gif",  "kakko10.gif",
    "kakko11.gif", "kakko12.gif", "kakko13.gif", "kakko14.gif", "kara.gif",   "mmm.gif",
    "tenten.gif", "sen.gif",    "sen2.gif",    "zero.gif",
};

}  // namespace

std::span<const SymbolImage> SymbolImageTable() noexcept { return kTable; }

std::string SymbolImageTag(const SymbolImage& row) {
  std::string tag = "<img src=\"kigou/";
  tag += row.file;
  tag += "\" border=\"0\" width=\"19\" height=\"";
  tag += std::to_string(row.height);
  tag += "\">";
  return tag;
}

std::span<const std::string_view> SymbolImageFiles() noexcept { return kFiles; }

bool UsesSymbolImages(std::string_view page) noexcept {
  return page.find("<img src=\"kigou/") != std::string_view::npos;
}

}  // namespace hanaroku
