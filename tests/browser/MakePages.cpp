// Writes sample pages for the browser check into a folder: a poem as a
// plain page, a poem with symbol images and padding, and a long text in
// several tables, each as Shift-JIS with CR LF, and manifest.json (UTF-8)
// naming for each page its verse lines in reading order, line by line as a
// table column holds them.
#include <cstdio>
#include <string>
#include <vector>

#include "html/PageBuilder.h"
#include "html/PageSettings.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"

using namespace hanaroku;

namespace {

std::vector<std::string> Sjis(const std::vector<std::string>& utf8) {
  std::vector<std::string> out;
  for (const std::string& l : utf8) out.push_back(enc::Utf8ToSjis(l));
  return out;
}

std::string JsonString(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

struct Sample {
  std::string file;
  std::vector<std::string> lines;  // UTF-8, reading order
  int tables;                      // tables holding columns
  bool symbols;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  IFileSystem& fs = SystemFileSystem();
  std::vector<Sample> samples;

  const std::vector<std::string> poem = {"ひさかたの", "光のどけき", "春の日に", "しづ心なく", "花の散るらむ"};
  THtmlPageSettings plain;
  plain.Title = "古今和歌集";
  plain.PageTitle = "春歌";
  fs.WriteFileAtomic(dir + "plain.htm", ConvertToPage(Sjis(poem), plain).text);
  samples.push_back({"plain.htm", poem, 1, false});

  const std::vector<std::string> marks = {"「春の野に」", "すみれ摘みにと、", "来し我ぞ――", "野をなつかしみ…", "一夜寝にける。",
                                          "（山部赤人）"};
  THtmlPageSettings symbols;
  symbols.SetCheckBox(6, true);
  symbols.SetCheckBox(11, true);
  symbols.Title = "萬葉集";
  fs.WriteFileAtomic(dir + "symbols.htm", ConvertToPage(Sjis(marks), symbols).text);
  samples.push_back({"symbols.htm", marks, 1, true});

  std::vector<std::string> longText;
  for (int i = 1; i <= 70; ++i) longText.push_back("第" + std::to_string(i) + "行の歌");
  THtmlPageSettings chunks;
  chunks.SetCheckBox(10, true);
  fs.WriteFileAtomic(dir + "long.htm", ConvertLongText(Sjis(longText), chunks).text);
  samples.push_back({"long.htm", longText, 3, false});

  std::string json = "[\n";
  for (const Sample& s : samples) {
    json += "  {\"file\": " + JsonString(s.file) + ", \"tables\": " + std::to_string(s.tables) +
            ", \"symbols\": " + (s.symbols ? "true" : "false") + ", \"lines\": [";
    for (std::size_t i = 0; i < s.lines.size(); ++i) json += (i ? ", " : "") + JsonString(s.lines[i]);
    json += "]}";
    json += &s == &samples.back() ? "\n" : ",\n";
  }
  json += "]\n";
  fs.WriteFileAtomic(dir + "manifest.json", json);
  return 0;
}
