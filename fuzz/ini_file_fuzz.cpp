// The INI reader on any bytes: parsing never fails, writing the parsed file
// and parsing that again gives the same file, and every value set on it
// reads back exactly (escaped when code page 932 cannot hold it).
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "app/IniFile.h"
#include "platform/Encoding.h"

using hanaroku::IniFile;
namespace enc = hanaroku::enc;

namespace {
// Names and values are UTF-8 in memory: any bytes made into UTF-8.
std::string Utf8(const std::string& bytes) { return enc::Utf16ToUtf8(enc::Utf8ToUtf16(bytes)); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = Utf8(in.ConsumeRandomLengthString(40));
  const std::string key = Utf8(in.ConsumeRandomLengthString(40));
  const std::string value = Utf8(in.ConsumeRandomLengthString(200));
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  IniFile file = IniFile::Parse(bytes);
  const std::string once = file.Serialize();
  FUZZ_CHECK(IniFile::Parse(once).Serialize() == once);
  for (const std::string& k : file.Keys(section)) FUZZ_CHECK(file.Get(section, k).has_value());
  FUZZ_CHECK(file.KeyCount(section) <= file.Keys(section).size());

  if (file.Set(section, key, value)) {
    FUZZ_CHECK(file.Get(section, key) == value);
    const IniFile back = IniFile::Parse(file.Serialize());
    FUZZ_CHECK(back.Get(section, key) == value);
    FUZZ_CHECK(file.Delete(section, key));
  }
  FUZZ_CHECK(IniFile::DecodeValue(IniFile::EncodeValue(value)) == value);
  file.DeleteNumbered(section, key, -5, 1000000000000LL);
  return 0;
}
