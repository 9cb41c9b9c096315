// The pane model under a random sequence of what a user and the program do
// to it: text set and replaced, selections, caret and editing keys, typing,
// composition results, the clipboard, mouse, undo and redo, writing
// direction, wrapping and size. After every step: the selection lies inside
// the text and never begins or ends on a trail byte or inside CR LF, the display lines are
// pieces of the text in order and agree with LineFromChar; an undo followed
// by a redo comes back to exactly the text it left, and every step that
// moves in the ring restores its slot's text exactly.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "controls/RichEditSx.h"
#include "controls/RichEditText.h"
#include "platform/Canvas.h"
#include "platform/Clipboard.h"

using namespace hanaroku;

namespace {

class Clipboard final : public IClipboard {
 public:
  bool GetText(std::u16string& text) override {
    text = content;
    return true;
  }
  void SetText(const std::u16string& text) override { content = text; }
  std::u16string content;
};

// Bytes with many lead bytes, line breaks and kana in them.
std::string SomeText(FuzzedDataProvider& in) {
  static const char* const kPieces[] = {"\r\n", "\x82\xA0", "\x82", "\r", "\n", "a", " ", "\x81\x40", "\xE0\x82"};
  std::string s;
  const int n = in.ConsumeIntegralInRange(0, 24);
  for (int i = 0; i < n; ++i) {
    if (in.ConsumeBool())
      s += kPieces[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kPieces) - 1)];
    else
      s += in.ConsumeRandomLengthString(8);
  }
  return s;
}

std::u16string SomeUtf16(FuzzedDataProvider& in) {
  std::u16string s;
  const int n = in.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < n; ++i) {
    static const char16_t kUnits[] = {u'あ', u'A', u'\r', u'\n', 0xD842, 0xDFB7, u'花', u' ', u'\t', 0x3000};
    s.push_back(in.ConsumeBool() ? kUnits[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kUnits) - 1)]
                                 : in.ConsumeIntegral<char16_t>());
  }
  return s;
}

void CheckInvariants(const TRichEditSx& p) {
  const std::string& text = p.Text();
  const int size = static_cast<int>(text.size());
  FUZZ_CHECK(p.TextLength() == size);
  const int start = p.SelStart(), length = p.SelLength();
  FUZZ_CHECK(start >= 0 && length >= 0 && start + length <= size);
  // The pane's own stepping: a line break is never a trail byte, and CR LF
  // is one character.
  for (const int at : {start, start + length}) {
    FUZZ_CHECK(!richtext::IsTrail(text, static_cast<std::size_t>(at)));
    FUZZ_CHECK(!richtext::InsideCrLf(text, static_cast<std::size_t>(at)));
  }
  const int count = p.Lines().Count();
  int previous = -1;
  for (int i = 0; i < count; ++i) {
    const int index = p.LineIndex(i);
    FUZZ_CHECK(index > previous || (index == previous && index == size));
    FUZZ_CHECK(index >= 0 && index <= size);
    const std::string line = p.Lines().Get(i);
    FUZZ_CHECK(text.compare(static_cast<std::size_t>(index), line.size(), line) == 0);
    if (!line.empty()) FUZZ_CHECK(p.LineFromChar(index) == i);
    previous = index;
  }
  FUZZ_CHECK(p.LineIndex(count + 1) == -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  FixedMeasurer measurer(16, 20);
  TRichEditSx p;
  p.SetMeasurer(&measurer);
  p.SetClientSize(160, 120);
  p.ConfirmLoss = [](const std::u16string&) { return true; };
  Clipboard clipboard;
  static const int kKeys[] = {8, 9, 13, 33, 34, 35, 36, 37, 38, 39, 40, 45, 46, 'A', 'C', 'V', 'X', 'Z'};

  for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
    const int size = p.TextLength();
    switch (in.ConsumeIntegralInRange(0, 17)) {
      case 0: p.SetText(SomeText(in)); break;
      case 1: p.Select(in.ConsumeIntegralInRange(-2, size + 2), in.ConsumeIntegralInRange(-2, size + 2)); break;
      case 2: p.SetSelStart(in.ConsumeIntegralInRange(-2, size + 2)); break;
      case 3: p.SetSelLength(in.ConsumeIntegralInRange(-2, size + 2)); break;
      case 4: {
        const bool shift = in.ConsumeBool(), ctrl = in.ConsumeBool();
        const int key = kKeys[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kKeys) - 1)];
        p.KeyDown(key, shift, ctrl);
        p.KeyUp(key, shift, ctrl);
        break;
      }
      case 5: p.CharInput(SomeUtf16(in)); break;
      case 6:
        p.ImeStartComposition();
        p.ImeResult(SomeUtf16(in));
        break;
      case 7: p.SetSelText(SomeText(in)); break;
      case 8: {
        const std::string text = SomeText(in);
        p.ReplaceAllText(text, in.ConsumeIntegralInRange(-2, static_cast<int>(text.size()) + 2),
                         in.ConsumeIntegralInRange(-2, 4));
        break;
      }
      case 9:
        clipboard.content = SomeUtf16(in);
        p.PasteFromClipboard(clipboard);
        break;
      case 10:
        if (in.ConsumeBool())
          p.CutToClipboard(clipboard);
        else
          p.CopyToClipboard(clipboard);
        break;
      case 11: {
        const int x = in.ConsumeIntegralInRange(-20, 200), y = in.ConsumeIntegralInRange(-20, 160);
        if (in.ConsumeBool()) {
          p.MouseDoubleClick(x, y);
        } else {
          p.MouseDown(x, y, in.ConsumeBool());
          p.MouseMove(in.ConsumeIntegralInRange(-20, 200), in.ConsumeIntegralInRange(-20, 160));
          p.MouseUp(x, y);
        }
        break;
      }
      case 12: p.RecordAction(in.PickValueInArray({0, 1, 2, 3, 4, 5, 6, 9})); break;
      case 13: {
        // An undo that moves keeps the state it left in the slot after it
        // (unless the program changed the text since the last undo step):
        // a redo gives that back exactly.
        if (!p.CanUndo()) break;
        const std::string before = p.Text();
        const int from = p.UndoIndex();
        p.Undo();
        const int left = (p.UndoIndex() + 1) % 15;
        const bool kept = p.UndoIndex() != from && p.UndoSlot(left).Text == before;
        if (in.ConsumeBool() && p.CanRedo()) {
          p.Redo();
          FUZZ_CHECK(p.UndoSlot(p.UndoIndex()).Text == p.Text());
          if (kept) FUZZ_CHECK(p.Text() == before);
        }
        break;
      }
      case 14:
        if (p.CanRedo()) p.Redo();
        break;
      case 15: p.SetVertical(in.ConsumeBool()); break;
      case 16: p.SetWordWrap(in.ConsumeBool()); break;
      case 17:
        p.SetClientSize(in.ConsumeIntegralInRange(0, 400), in.ConsumeIntegralInRange(0, 300));
        p.MouseWheel(in.ConsumeIntegralInRange(-480, 480));
        break;
    }
    CheckInvariants(p);
  }
  // Undo all the way back and forward again: every step that moves in the
  // ring gives back exactly the text its slot keeps.
  for (int i = 0; i < 32 && p.CanUndo(); ++i) {
    const int before = p.UndoIndex();
    p.Undo();
    if (p.UndoIndex() != before) FUZZ_CHECK(p.UndoSlot(p.UndoIndex()).Text == p.Text());
    CheckInvariants(p);
  }
  for (int i = 0; i < 32 && p.CanRedo(); ++i) {
    p.Redo();
    FUZZ_CHECK(p.UndoSlot(p.UndoIndex()).Text == p.Text());
    CheckInvariants(p);
  }
  return 0;
}
