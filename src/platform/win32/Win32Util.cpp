#include "platform/win32/Win32Util.h"

#include <imm.h>

namespace hanaroku::win32 {

std::string SystemErrorText(DWORD code) {
  wchar_t* buf = nullptr;
  DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  std::wstring text;
  if (n && buf) text.assign(buf, n);
  if (buf) ::LocalFree(buf);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
  if (text.empty()) return "Error " + std::to_string(code);
  return Narrow(text);
}

FontPtr MakeFont(std::wstring_view face, int pixelHeight, int charset, int weight, int escapement) {
  LOGFONTW lf{};
  lf.lfHeight = pixelHeight;
  lf.lfWeight = weight;
  lf.lfEscapement = escapement;
  lf.lfOrientation = escapement;
  lf.lfCharSet = static_cast<BYTE>(charset);
  std::size_t n = face.size() < LF_FACESIZE - 1 ? face.size() : LF_FACESIZE - 1;
  face.copy(lf.lfFaceName, n);
  lf.lfFaceName[n] = 0;
  return FontPtr(::CreateFontIndirectW(&lf));
}

void SetHiraganaMode(HWND wnd) {
  HIMC imc = ::ImmGetContext(wnd);
  if (!imc) return;
  ::ImmSetOpenStatus(imc, TRUE);
  DWORD conversion = 0, sentence = 0;
  ::ImmGetConversionStatus(imc, &conversion, &sentence);
  conversion = (conversion & ~static_cast<DWORD>(IME_CMODE_KATAKANA)) | IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
  ::ImmSetConversionStatus(imc, conversion, sentence);
  ::ImmReleaseContext(wnd, imc);
}

}  // namespace hanaroku::win32
