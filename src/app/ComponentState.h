#pragma once
// Component state: the persistent properties of a control, as one binary
// blob that the settings store keeps in hex lines.
//
// Layout of a state (all integers little-endian):
//   "HPS1"                  signature, format 1
//   u32 N                   length of the body
//   N bytes                 body
//   u32                     CRC-32 of the body
//   (anything after the CRC is ignored)
// Body: class name, component name (each u32 length + bytes), then the
// property records, then one 0 byte (an empty name) ending the list.
// Property record: u8 name length (1..255), name, u8 type, u32 payload
// length, payload. Types: 1 flag (1 byte, 0 or 1), 2 integer (i32),
// 3 text (bytes as the component keeps them), 4 colour (u32 0x00BBGGRR),
// 5 group (a nested record list with its own 0 end byte; fonts are groups).
//
// Extending: a later version adds properties as new records and new kinds
// of value as new type numbers. Every record carries its length, so a
// reader skips names and types it does not know, and a property missing
// from the blob keeps the component's design value. Older files therefore
// stay readable by newer programs and the other way round; only a change
// that cannot be expressed this way would take a new signature.
//
// A blob that is truncated, damaged (CRC, lengths, structure) or written
// for another class is refused as a whole before anything is applied.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Dialogs.h"

namespace hanaroku {

enum class StateType : std::uint8_t { Flag = 1, Integer = 2, Text = 3, Color = 4, Group = 5 };

class StateWriter {
 public:
  StateWriter();
  void WriteFlag(std::string_view name, bool value);
  void WriteInt(std::string_view name, std::int32_t value);
  void WriteText(std::string_view name, std::string_view bytes);
  void WriteColor(std::string_view name, TColor value);
  // Font as a group: Name, Height, Color, Style (bold 1, italic 2,
  // underline 4, strike-out 8), Charset.
  void WriteFont(std::string_view name, const FontSpec& font);
  // Properties written until EndGroup belong to the group.
  void BeginGroup(std::string_view name);
  void EndGroup();
  // The property records written so far, with their end byte (open groups
  // are closed).
  std::string Records() const;

 private:
  void Record(std::string_view name, StateType type, std::string_view payload);
  struct Open {
    std::string name;
    std::string body;
  };
  std::vector<Open> stack_;  // stack_[0] is the top level
};

class StateReader {
 public:
  // Each Read returns true and sets the value when the property is present
  // with the expected type and a sound value; otherwise the value is left
  // alone. The first record of a name counts.
  bool ReadFlag(std::string_view name, bool& value) const;
  bool ReadInt(std::string_view name, std::int32_t& value) const;
  bool ReadInt(std::string_view name, int& value, int min, int max) const;  // within [min, max]
  bool ReadText(std::string_view name, std::string& value) const;
  bool ReadColor(std::string_view name, TColor& value) const;
  // Updates the fields of font that the group holds with sound values
  // (height 1..1000, charset 0..255, a face name of 1..64 bytes).
  bool ReadFont(std::string_view name, FontSpec& font) const;
  const StateReader* Group(std::string_view name) const;
  bool Has(std::string_view name) const;

  // Parses a record list (with its end byte) that must fill bytes exactly.
  static std::optional<StateReader> Parse(std::string_view bytes, int depth = 0);

 private:
  struct Rec {
    std::string name;
    StateType type;
    std::string payload;
    std::shared_ptr<StateReader> group;
  };
  const Rec* Find(std::string_view name, StateType type) const;
  std::vector<Rec> records_;
};

// Anything whose state the settings store can keep.
class IPersistent {
 public:
  virtual ~IPersistent() = default;
  virtual std::string ClassName() const = 0;
  virtual std::string Name() const = 0;
  // A whole window is not stored as a component.
  virtual bool IsForm() const noexcept { return false; }
  virtual void WriteState(StateWriter& w) const = 0;
  // Called only with a sound state of this class. Gather the values first
  // and apply them at the end, so that a throwing setter leaves nothing half
  // applied.
  virtual void ReadState(const StateReader& r) = 0;
};

std::uint32_t Crc32(std::string_view bytes) noexcept;

// The component's state as a blob.
std::string EncodeComponentState(const IPersistent& component);

struct DecodedState {
  std::string className, name;
  StateReader properties;
};
// Checks and parses a blob; nothing when it is not a sound state.
std::optional<DecodedState> DecodeComponentState(std::string_view bytes);

// Applies a blob to the component when it is a sound state of the
// component's class; otherwise leaves the component untouched. Exceptions of
// ReadState are swallowed (the state is then not applied). True when applied.
bool ApplyComponentState(std::string_view bytes, IPersistent& component);

}  // namespace hanaroku
