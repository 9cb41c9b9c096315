#pragma once
// Documents in other encodings than Shift-JIS. A file that starts with a
// byte-order mark (UTF-8, UTF-16 LE/BE), or that is valid UTF-8 holding
// characters beyond ASCII, is converted to Shift-JIS for the pane and back
// when it is saved; any other file is the pane's bytes as they are.
//   - a document whose lines end in LF alone gets CR LF in the pane and LF
//     again in the file;
//   - a character that Shift-JIS cannot hold becomes "〓" (and the document is
//     marked lossy), as does a character that would not come back the same;
//   - a document opened and saved without edits is byte for byte the file.
#include <string>
#include <string_view>

namespace hanaroku {

enum class TextEncoding { ShiftJis, Utf8, Utf16LE, Utf16BE };

struct DocumentFormat {
  TextEncoding encoding = TextEncoding::ShiftJis;
  bool bom = false;     // written with a byte-order mark
  bool lfOnly = false;  // lines end in LF alone in the file
  bool lossy = false;   // some characters became "〓" when it was opened

  // "" for Shift-JIS, else "UTF-8", "UTF-8 BOM", "UTF-16LE", "UTF-16BE".
  std::string Name() const;
  bool operator==(const DocumentFormat&) const = default;
};

struct DecodedDocument {
  std::string text;       // Shift-JIS, for the pane
  DocumentFormat format;
  std::u16string lost;    // the characters that became "〓", in order
};

// Strictly valid UTF-8 (no overlong forms, no surrogates, nothing beyond
// U+10FFFF, nothing cut at the end).
bool IsValidUtf8(std::string_view bytes) noexcept;

DecodedDocument DecodeDocument(std::string_view bytes);
// The file's bytes for the pane's Shift-JIS text in the given format.
std::string EncodeDocument(std::string_view paneText, const DocumentFormat& format);

}  // namespace hanaroku
