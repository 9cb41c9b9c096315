#pragma once
// TRegManager: the settings store. A table of named items says in which
// section and under which key each setting lives and what its default is;
// code asks for an item by name and reads or writes it through the filer
// with a typed operation.
//
// Storage: an INI file (IniFile.h), Shift-JIS whatever the system's code
// page. The file is read and parsed once, at the first access, and kept in
// memory; reads are answered from there. A write reaches the file at once
// through an atomic replace, so a crash or a full disk leaves the previous
// file whole; between BeginUpdate and EndUpdate the writes are collected and
// reach the file as one atomic replace at the end (the close writes every
// setting this way). An operation on several keys (string list, blob,
// component state) is all-or-nothing as well. A write that changes nothing
// does not touch the file.
//
// Counts read from the file (list and blob lengths) are bounded by the keys
// the section really holds, so a damaged count costs nothing.
//
// Writes that fail (read-only folder, full disk, a file that exists but
// cannot be read and so must not be overwritten) are not reported one by
// one: the manager counts them (WriteFailures) and keeps the first error
// text, so the caller can say once that the settings were not saved.
//
// The registry mode (rtReg) is not provided: its operations store nothing
// and read defaults, and the first of them says so in an error box.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ComponentState.h"
#include "app/IniFile.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"

namespace hanaroku {

class IFileSystem;
class TRegManager;

enum class TRegType { rtReg, rtIni };

class TRegItem {
 public:
  std::string Name;          // lookup name (case-insensitive)
  std::string Section;       // "\" is an ordinary character here
  std::string Ident;         // key, and stem of the derived keys
  std::string DefaultValue;  // read when the key is absent
  void Assign(const TRegItem& other) { *this = other; }
};

class TRegItems {
 public:
  int Count() const noexcept { return static_cast<int>(items_.size()); }
  const TRegItem& Get(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  void Set(int index, const TRegItem& item) { items_.at(static_cast<std::size_t>(index)).Assign(item); }
  TRegItem& Add(std::string name, std::string section, std::string ident, std::string defaultValue = {});
  // Index of the first item whose name matches case-insensitively, or -1.
  int IndexOf(std::string_view name) const noexcept;

 private:
  std::vector<TRegItem> items_;
};

// The typed operations on the current item. A filer obtained from a lookup
// is valid only until the next lookup (every lookup retargets the same one).
// With no current item, reads give empty text, 0 or false and writes and
// restores do nothing; the object operations also do nothing for null.
class TRegFiler {
 public:
  explicit TRegFiler(TRegManager& manager) : manager_(manager) {}
  virtual ~TRegFiler() = default;
  TRegFiler(const TRegFiler&) = delete;
  TRegFiler& operator=(const TRegFiler&) = delete;

  const TRegItem* Item() const noexcept;

  virtual void ReadText(std::string& text);
  virtual void WriteText(std::string_view text);
  virtual int ReadInt();
  virtual void WriteInt(int value);
  // True when the stored (or default) text is a non-zero decimal integer; a
  // DefaultValue of "1", "TRUE" or "YES" (any case) counts as "1".
  virtual bool ReadFlag();
  virtual void WriteFlag(bool value);
  virtual void ReadRaw(std::string_view section, std::string_view key, std::string& text, std::string_view def);
  virtual void WriteRaw(std::string_view section, std::string_view key, std::string_view text);
  // Keys Ident_FontName, _FontSize (points at 96 pixels per inch),
  // _FontColor (colour text), _FontStyle (bold 1, italic 2, underline 4,
  // strike-out 8).
  virtual void ReadFontValue(FontSpec* font);
  virtual void WriteFontValue(const FontSpec* font);
  // Keys Ident_ItemCount and Ident_Item0, Ident_Item1, ...
  virtual void ReadLines(std::vector<std::string>* list);
  virtual void WriteLines(const std::vector<std::string>* list);
  // Keys Ident_c and Ident_d0, Ident_d1, ...: upper-case hex, 64 digits a
  // line. ReadBlob appends the bytes to the stream; WriteBlob writes it all.
  virtual void ReadBlob(std::string* stream);
  virtual void WriteBlob(const std::string* stream);
  // A state that was never stored, or one that is damaged or foreign, leaves
  // the control as it is, without a message.
  virtual void RestoreComponent(IPersistent* control);
  virtual void StoreComponent(const IPersistent* component);
  void DeleteValue(std::string_view section, std::string_view key);

  // Longest list or blob read back (lines); a larger stored count is cut.
  static constexpr int kMaxLines = 100000;

 protected:
  TRegManager& Manager() noexcept { return manager_; }

 private:
  friend class TRegManager;
  // The store's file; null when the store cannot be used (the error box has
  // been shown). `readable` is false for a file that exists but could not
  // be read (it then reads as empty).
  IniFile* File(bool& readable);
  const IniFile* FileForRead();
  // Runs edit on the file and writes it (now, or at the end of the update);
  // failures are counted.
  template <class Edit>
  void Update(Edit&& edit);
  void WriteCountedKeys(const std::string& countSuffix, const std::string& itemSuffix,
                        const std::vector<std::string>& lines);
  std::vector<std::string> ReadCountedKeys(const std::string& countSuffix, const std::string& itemSuffix);

  TRegManager& manager_;
  int itemIndex_ = -1;
};

class TRegManager {
 public:
  // dialogs may be null (tests): the error boxes are then not shown.
  TRegManager(IFileSystem& fs, IDialogs* dialogs);
  virtual ~TRegManager();
  TRegManager(const TRegManager&) = delete;
  TRegManager& operator=(const TRegManager&) = delete;

  std::string IniFileName;
  std::string RegDir;
  TRegItems RegItems;
  TRegType RegType = TRegType::rtIni;

  // Retargets the filer on the first item of that name (case-insensitive).
  // An unknown name shows "[' name '] is invalid." and leaves the filer on
  // no item.
  TRegFiler& Filer(std::string_view name);
  TRegFiler& operator[](std::string_view name) { return Filer(name); }

  // The next access reads the file again (a start of the program, or a file
  // changed behind the store's back).
  void Reread() noexcept { cache_.reset(); }
  // Writes between these two reach the file as one write, at the last
  // EndUpdate (nested). A write that fails leaves the file as it was, and
  // the store forgets what did not reach it.
  void BeginUpdate() noexcept { ++updateDepth_; }
  void EndUpdate();
  class UpdateScope {
   public:
    explicit UpdateScope(TRegManager& m) noexcept : m_(m) { m_.BeginUpdate(); }
    ~UpdateScope() { m_.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

   private:
    TRegManager& m_;
  };

  int WriteFailures() const noexcept { return writeFailures_; }
  const std::string& FirstWriteError() const noexcept { return firstWriteError_; }
  void ClearWriteFailures() noexcept;

  IFileSystem& FileSystem() noexcept { return fs_; }
  IDialogs* Dialogs() noexcept { return dialogs_; }

 protected:
  // Makes the filer; called once, at the first lookup.
  virtual std::unique_ptr<TRegFiler> CreateFiler();

 private:
  friend class TRegFiler;
  void ErrorBox(const std::string& text);
  void NoteWriteFailure(const std::string& what);
  // The file as read at the first access, with the writes made since.
  // `readable` is false when the file exists but could not be read: it must
  // then never be overwritten.
  IniFile& Cached(bool& readable);
  // Writes the cached file if it changed; failures are counted.
  void Flush();

  std::optional<IniFile> cache_;
  std::string cacheName_;       // IniFileName the cache was read from
  bool cacheReadable_ = true;
  std::string lastReadError_;   // why it could not be read
  int updateDepth_ = 0;

  IFileSystem& fs_;
  IDialogs* dialogs_;
  std::unique_ptr<TRegFiler> filer_;
  bool registryReported_ = false;
  int writeFailures_ = 0;
  std::string firstWriteError_;
};

// ---- value texts shared with other units -------------------------------------

// Decimal integer with an optional sign, within the 32-bit range.
std::optional<int> ParseDecimal(std::string_view text) noexcept;
// "clBlue", "clWindowText" ... for the colours that have a name, else "$"
// and eight hex digits of the 0x00BBGGRR value ("$00F4F5E9").
std::string ColorToString(TColor color);
// Accepts the names, "$hex", "0x" hex and decimal; false for other text.
bool StringToColor(std::string_view text, TColor& color);
// Point size <-> pixel height at 96 pixels per inch, rounded.
int PixelsToPoints(int pixels) noexcept;
int PointsToPixels(int points) noexcept;

}  // namespace hanaroku
