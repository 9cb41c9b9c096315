#pragma once
// Shared fixtures for the pane tests.
#include <string>
#include <string_view>

#include "controls/RichEditSx.h"
#include "platform/Canvas.h"
#include "platform/Clipboard.h"
#include "platform/Encoding.h"

namespace hanaroku::testing {

// UTF-8 source literal to pane bytes.
inline std::string S(std::string_view utf8) { return enc::Utf8ToSjis(utf8); }

class FakeClipboard final : public IClipboard {
 public:
  bool GetText(std::u16string& text) override {
    if (!has) return false;
    text = content;
    return true;
  }
  void SetText(const std::u16string& text) override {
    content = text;
    has = true;
  }
  std::u16string content;
  bool has = false;
};

class CountingView final : public IPaneView {
 public:
  void Invalidate() override { ++invalidates; }
  void CaretMoved() override { ++caretMoves; }
  void LayoutChanged() override { ++layoutChanges; }
  int invalidates = 0, caretMoves = 0, layoutChanges = 0;
};

// A pane with deterministic geometry: double-byte characters 16 pixels,
// single bytes 8, lines 20 apart; a client area of `columns` double-byte
// characters (plus the margin) by `rows` lines.
struct PaneFixture {
  explicit PaneFixture(int columns = 20, int rows = 10) {
    pane.SetMeasurer(&measurer);
    pane.SetClientSize(columns * 16 + 2, rows * 20);
  }
  FixedMeasurer measurer{16, 20};
  TRichEditSx pane;
};

}  // namespace hanaroku::testing
