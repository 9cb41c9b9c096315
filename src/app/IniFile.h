#pragma once
// IniFile: a profile (INI) file held in memory, read and written by our own
// code so that the file is Shift-JIS (code page 932) on every system.
//
// Conventions, as users of Windows profile files know them:
// - "[name]" starts a section; "key=value" lines belong to the section above.
//   Section names are taken literally between the brackets, so "Form\Main"
//   is one section whose name holds a backslash.
// - Section and key names compare without regard to ASCII letter case; the
//   first matching section, and in it the first matching key, wins.
// - Blanks (space, tab) around keys and values are ignored; a value wrapped
//   in a pair of matching quotes ("..." or '...') is read without them.
// - Lines starting with ';' are comments. Comments, blank lines, lines we do
//   not understand and all lines we do not change are written back byte for
//   byte as they were read (line ends all become the file's first line end).
//
// In memory, names and values are UTF-8. A value that code page 932 cannot
// hold exactly (a path with "é", an emoji) or that holds a line break or
// another control character is stored in an escaped form that stays plain
// Shift-JIS: the marker "%UTF8%" followed by the text, in which every such
// character (and every '%') is written as %XX escapes of its UTF-8 bytes.
// All other characters stay readable. A value that happens to begin with the
// marker is escaped too, so every value reads back exactly as it was set.
// Values with leading or trailing blanks, or wrapped in quotes, are written
// inside double quotes so that they survive the trimming.
//
// A file beginning with a UTF-8 or UTF-16LE byte-order mark (a file saved
// from an editor) is read as such and written back as Shift-JIS.
//
// Sections and keys are indexed by name: a lookup, a change and a deletion
// cost the same whatever the size of the file, so reading or writing a
// setting of many keys (a component state of thousands of hex lines) stays
// linear in its keys.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace hanaroku {

class IFileSystem;

class IniFile {
 public:
  IniFile() = default;
  // Parses file bytes. Never fails: what is not understood is kept as is.
  static IniFile Parse(std::string_view bytes);
  // The file bytes (Shift-JIS), each line ended as the file's lines are ended.
  std::string Serialize() const;

  // The value of the key, or nothing when the section or the key is absent.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Creates the section and the key as needed. Returns false, changing
  // nothing, for a name that cannot be a section or key name (empty, holding
  // a line break, a key holding '=' or starting with ';' or '[', a section
  // holding ']', or a name code page 932 cannot hold).
  bool Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes the first matching key; false when there was none.
  bool Delete(std::string_view section, std::string_view key);

  bool HasSection(std::string_view section) const;
  // Names of the keys of the first matching section, in file order.
  std::vector<std::string> Keys(std::string_view section) const;
  // Number of distinct key names in the first matching section: the most
  // entries a counted list of that section can really hold.
  std::size_t KeyCount(std::string_view section) const;
  // Deletes, as Delete does each of them, the keys stem + i (i written in
  // decimal) for first <= i < last; costs one pass over the section, however
  // far apart first and last are. Returns how many it removed.
  std::size_t DeleteNumbered(std::string_view section, std::string_view stem, long long first, long long last);
  // True once Set or Delete changed the content.
  bool Modified() const noexcept { return modified_; }

  // Loads a file: a missing file is an empty one. A file that exists but
  // cannot be read throws FileError (so that it is never overwritten).
  static IniFile Load(IFileSystem& fs, const std::string& path);
  // Writes the file atomically (a temporary file replaces the old one only
  // when complete) if Set or Delete changed it. Throws FileError.
  void SaveIfModified(IFileSystem& fs, const std::string& path);

  // The value escaping on its own, for tests and diagnostics.
  static std::string EncodeValue(std::string_view utf8);   // -> Shift-JIS line text
  static std::string DecodeValue(std::string_view sjis);   // line text -> UTF-8

 private:
  enum class Kind { Other, Section, Key };
  struct Line {
    std::string raw;     // Shift-JIS bytes without the line end
    Kind kind = Kind::Other;
    std::string name;    // UTF-8 section or key name, trimmed
    std::size_t eq = 0;  // Key: offset of '=' in raw
    bool deleted = false;  // left out when written
  };
  // A section header with the lines up to the next one. The lines before
  // the first header form a section without a header that no lookup finds.
  struct Section {
    std::optional<Line> header;
    std::vector<Line> lines;
    // Folded key name -> the lines holding that key, in file order.
    std::unordered_map<std::string, std::vector<std::size_t>> keys;
    void AddLine(Line line);
  };
  static Line ParseLine(std::string raw);
  static std::string Fold(std::string_view name);
  // The first section of that name, or null.
  const Section* FindSection(std::string_view section) const;
  Section* FindSection(std::string_view section);
  static const Line* FindKey(const Section& s, std::string_view key);
  void AddSection(Line header);
  void DeleteFirst(Section& s, std::unordered_map<std::string, std::vector<std::size_t>>::iterator key);

  std::vector<Section> sections_ = std::vector<Section>(1);
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first section
  std::string eol_ = "\r\n";
  bool finalEol_ = true;
  bool modified_ = false;
};

// ASCII case-insensitive equality of UTF-8 names.
bool SameName(std::string_view a, std::string_view b) noexcept;

}  // namespace hanaroku
