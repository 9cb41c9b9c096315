// The component-state decoder on any blob: the raw bytes, and the bytes as
// the body of a blob with a sound header and CRC, so that the record parser
// itself is reached. Applied to a pane, a banner and a drop target; a state
// the component then writes decodes again and, applied to a fresh
// component, writes the very same blob.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "app/ComponentState.h"
#include "app/StoredComponents.h"
#include "controls/RichEditSx.h"

using namespace hanaroku;

namespace {

std::string U32(std::uint32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
  return s;
}

// "HPS1", the body's length, the body, its CRC-32.
std::string Blob(const std::string& body) {
  return "HPS1" + U32(static_cast<std::uint32_t>(body.size())) + body + U32(Crc32(body));
}

// Class and component name, then the records.
std::string Body(const std::string& className, const std::string& name, const std::string& records) {
  return U32(static_cast<std::uint32_t>(className.size())) + className + U32(static_cast<std::uint32_t>(name.size())) +
         name + records;
}

// Applies the blob; what the component writes afterwards is a fixed point.
template <class MakeComponent>
void Check(const std::string& blob, MakeComponent make) {
  auto first = make();
  ApplyComponentState(blob, first.component);
  const std::string written = EncodeComponentState(first.component);
  FUZZ_CHECK(DecodeComponentState(written).has_value());
  auto second = make();
  FUZZ_CHECK(ApplyComponentState(written, second.component));
  FUZZ_CHECK(EncodeComponentState(second.component) == written);
}

struct Pane {
  TRichEditSx pane;
  int width = 129;
  PaneComponent component{pane, "RichEditNx2", &width};
};
struct Banner {
  MsgSCRProperties props;
  MsgSCRComponent component{props, "MsgSCR1"};
};
struct Drop {
  DropDstProperties props;
  DropDstComponent component{props, "DropDst1"};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int kind = in.ConsumeIntegralInRange(0, 3);
  const std::string bytes = in.ConsumeRemainingBytesAsString();
  static const char* const kClasses[] = {"TRichEditSx", "TMsgSCR", "TDropDst"};
  static const char* const kNames[] = {"RichEditNx2", "MsgSCR1", "DropDst1"};
  // kind 3: the bytes as they are, header and all.
  const std::string blob = kind == 3 ? bytes : Blob(Body(kClasses[kind], kNames[kind], bytes));

  if (auto decoded = DecodeComponentState(blob)) {
    const StateReader& r = decoded->properties;
    bool flag = false;
    std::int32_t number = 0;
    std::string text;
    TColor color = 0;
    FontSpec font;
    for (const char* name : {"Font", "Color", "Vertical", "Msg", "Width", "Name", "Height"}) {
      r.ReadFlag(name, flag);
      r.ReadInt(name, number);
      r.ReadText(name, text);
      r.ReadColor(name, color);
      r.ReadFont(name, font);
      if (const StateReader* g = r.Group(name)) g->ReadFont(name, font);
    }
  }
  if (kind == 0 || kind == 3) Check(blob, [] { return Pane(); });
  if (kind == 1 || kind == 3) Check(blob, [] { return Banner(); });
  if (kind == 2 || kind == 3) Check(blob, [] { return Drop(); });
  return 0;
}
