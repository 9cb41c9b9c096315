#include "app/ComponentState.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace hanaroku {
namespace {

// A component whose writing and reading are given by the test.
class Probe final : public IPersistent {
 public:
  std::string cls = "TProbe";
  std::function<void(StateWriter&)> write = [](StateWriter&) {};
  std::function<void(const StateReader&)> read = [](const StateReader&) {};
  std::string ClassName() const override { return cls; }
  std::string Name() const override { return "Probe1"; }
  void WriteState(StateWriter& w) const override { write(w); }
  void ReadState(const StateReader& r) override { read(r); }
};

std::string FullState() {
  Probe p;
  p.write = [](StateWriter& w) {
    w.WriteFlag("Vertical", true);
    w.WriteInt("Width", -129);
    w.WriteText("Msg", "くらきより\r\n\x82\xa0");
    w.WriteColor("Color", 0x00E9F5F4);
    FontSpec f;
    f.name = "ＭＳ 明朝";
    f.height = 17;
    f.italic = true;
    f.underline = true;
    f.color = 0xFFFFFF;
    w.WriteFont("Font", f);
  };
  return EncodeComponentState(p);
}

TEST(ComponentState, EveryTypeRoundTrips) {
  auto d = DecodeComponentState(FullState());
  ASSERT_TRUE(d);
  EXPECT_EQ(d->className, "TProbe");
  EXPECT_EQ(d->name, "Probe1");
  const StateReader& r = d->properties;
  bool v = false;
  EXPECT_TRUE(r.ReadFlag("Vertical", v));
  EXPECT_TRUE(v);
  std::int32_t w = 0;
  EXPECT_TRUE(r.ReadInt("Width", w));
  EXPECT_EQ(w, -129);
  std::string msg;
  EXPECT_TRUE(r.ReadText("Msg", msg));
  EXPECT_EQ(msg, "くらきより\r\n\x82\xa0");
  TColor c = 0;
  EXPECT_TRUE(r.ReadColor("Color", c));
  EXPECT_EQ(c, 0x00E9F5F4u);
  FontSpec f;
  EXPECT_TRUE(r.ReadFont("Font", f));
  EXPECT_EQ(f.name, "ＭＳ 明朝");
  EXPECT_EQ(f.height, 17);
  EXPECT_TRUE(f.italic && f.underline && !f.bold && !f.strikeOut);
  EXPECT_EQ(f.color, 0xFFFFFFu);
  EXPECT_EQ(f.charset, 128);
}

TEST(ComponentState, UnknownPropertiesAreSkippedAndMissingOnesKeepTheirValue) {
  // A later version wrote a property and a kind of value we do not know.
  Probe newer;
  newer.write = [](StateWriter& w) {
    w.WriteInt("FutureThing", 5);
    w.BeginGroup("FutureGroup");
    w.WriteText("Inner", "x");
    w.EndGroup();
    w.WriteFlag("WordWrap", false);
  };
  std::string blob = EncodeComponentState(newer);
  int width = 129;
  bool wrap = true, vertical = true;
  Probe older;
  older.read = [&](const StateReader& r) {
    r.ReadInt("Width", width, 0, 10000);
    r.ReadFlag("WordWrap", wrap);
    r.ReadFlag("Vertical", vertical);
  };
  EXPECT_TRUE(ApplyComponentState(blob, older));
  EXPECT_FALSE(wrap);
  EXPECT_EQ(width, 129);
  EXPECT_TRUE(vertical);
}

TEST(ComponentState, WrongTypesAndUnsoundValuesAreIgnored) {
  Probe p;
  p.write = [](StateWriter& w) {
    w.WriteText("Vertical", "yes");
    w.WriteInt("Width", 99999);
    FontSpec f;
    f.name = "";
    f.height = 0;
    f.charset = 300;
    w.WriteFont("Font", f);
  };
  auto d = DecodeComponentState(EncodeComponentState(p));
  ASSERT_TRUE(d);
  bool v = false;
  EXPECT_FALSE(d->properties.ReadFlag("Vertical", v));
  int width = 129;
  EXPECT_FALSE(d->properties.ReadInt("Width", width, 0, 10000));
  EXPECT_EQ(width, 129);
  FontSpec design;
  design.name = "design";
  EXPECT_TRUE(d->properties.ReadFont("Font", design));
  EXPECT_EQ(design.name, "design");
  EXPECT_EQ(design.height, 18);
  EXPECT_EQ(design.charset, 128);
}

TEST(ComponentState, EveryTruncationAndEveryDamagedByteIsRefused) {
  const std::string good = FullState();
  int applied = 0;
  Probe p;
  p.read = [&](const StateReader&) { ++applied; };
  ASSERT_TRUE(ApplyComponentState(good, p));
  applied = 0;
  for (std::size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(ApplyComponentState(good.substr(0, n), p)) << n;
  for (std::size_t i = 0; i < good.size(); ++i) {
    for (unsigned char bit : {0x01, 0x80}) {
      std::string bad = good;
      bad[i] = static_cast<char>(bad[i] ^ bit);
      EXPECT_FALSE(ApplyComponentState(bad, p)) << i;
    }
  }
  EXPECT_EQ(applied, 0);
  // Bytes after the checksum are room for later additions.
  EXPECT_TRUE(ApplyComponentState(good + "more", p));
}

TEST(ComponentState, ForeignAndGarbageBlobsAreRefused) {
  Probe p;
  bool touched = false;
  p.read = [&](const StateReader&) { touched = true; };
  Probe other;
  other.cls = "TMsgSCR";
  EXPECT_FALSE(ApplyComponentState(EncodeComponentState(other), p));
  // The property stream of another framework.
  EXPECT_FALSE(ApplyComponentState(std::string("TPF0\x0BTRichEditSx\x0BRichEditNx1\x00\x00", 30), p));
  std::uint32_t seed = 12345;
  for (int round = 0; round < 2000; ++round) {
    std::string junk = "HPS1";
    int len = round % 97;
    for (int i = 0; i < len; ++i) {
      seed = seed * 1103515245u + 12345u;
      junk.push_back(static_cast<char>(seed >> 16));
    }
    EXPECT_FALSE(ApplyComponentState(junk, p));
  }
  EXPECT_FALSE(touched);
}

TEST(ComponentState, NestingIsBounded) {
  Probe deep;
  deep.write = [](StateWriter& w) {
    for (int i = 0; i < 20; ++i) w.BeginGroup("g");
    w.WriteInt("x", 1);
  };
  Probe p;
  p.cls = deep.cls;
  EXPECT_FALSE(ApplyComponentState(EncodeComponentState(deep), p));
}

TEST(ComponentState, AThrowingReaderIsContained) {
  Probe p;
  p.read = [](const StateReader&) { throw std::runtime_error("bad value"); };
  EXPECT_FALSE(ApplyComponentState(EncodeComponentState(p), p));
}

TEST(ComponentState, KnownCrc) { EXPECT_EQ(Crc32("123456789"), 0xCBF43926u); }

}  // namespace
}  // namespace hanaroku
