#include "controls/OpenDialogs.h"

#include <algorithm>

#include "platform/Encoding.h"

namespace hanaroku {

std::optional<std::string> FilterExtension(std::string_view filter, int index) {
  if (index < 1) return std::nullopt;
  std::size_t start = 0;
  for (int bars = 0; bars < 2 * index - 1; ++bars) {
    const std::size_t bar = filter.find('|', start);
    if (bar == std::string_view::npos) return std::nullopt;
    start = bar + 1;
  }
  std::string_view pattern = filter.substr(start);
  pattern = pattern.substr(0, pattern.find('|'));
  pattern = pattern.substr(0, pattern.find(';'));
  const std::size_t dot = pattern.find('.');
  if (dot == std::string_view::npos) return std::string();
  return std::string(pattern.substr(dot));
}

std::string ReplaceExtension(std::string_view name, std::string_view ext) {
  const std::size_t sep = name.find_last_of("\\/:");
  const std::size_t dot = name.rfind('.');
  const bool hasExt = dot != std::string_view::npos && (sep == std::string_view::npos || dot > sep);
  std::string out(hasExt ? name.substr(0, dot) : name);
  out += ext;
  return out;
}

void TExtChangeOpenDialog::BeforeShow() {
  if (!AutoExtChange) return;
  if (const auto ext = FilterExtension(Filter, FilterIndex)) DefaultExt = ext->empty() ? "" : ext->substr(1);
}

std::optional<std::string> TExtChangeOpenDialog::TypeChanged(int index, std::string_view box) {
  FilterIndex = index;
  if (!AutoExtChange) return std::nullopt;
  const auto ext = FilterExtension(Filter, index);
  if (!ext) return std::nullopt;
  DefaultExt = ext->empty() ? "" : ext->substr(1);
  return box.empty() ? "*" + *ext : ReplaceExtension(box, *ext);
}

Rect TEnhOpenDialog::PanelRect(Size client, int standardControlsBottom) noexcept {
  const int top = std::clamp(standardControlsBottom - 10, 0, std::max(client.height, 0));
  return {0, top, std::max(client.width, 0), std::max(client.height, top)};
}

Rect TTextOpenDialog::CheckBoxRect() noexcept { return Rect::FromSize(5, 2, 200, 25); }

Rect TTextOpenDialog::MemoRect(Size panelClient, int sizeGripWidth) noexcept {
  return Rect::FromSize(5, 25, std::max(panelClient.width - 10 - std::max(sizeGripWidth, 0), 0),
                        std::max(panelClient.height - 30, 0));
}

namespace {

// Shift-JIS bytes as edit-control text: CR LF line breaks, no NULs.
std::u16string EditControlText(std::string_view sjis) {
  const std::u16string text = enc::SjisToUtf16(sjis);
  std::u16string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      out += u"\r\n";
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      out.push_back(c == 0 ? u'\uFFFD' : c);
    }
  }
  return out;
}

}  // namespace

std::u16string TTextOpenDialog::PreviewText(const std::string& selected, const HeadReader& read) const {
  if (!Preview || selected.empty() || selected.find_first_of("*?") != std::string::npos) return {};
  std::optional<std::string> head = read(selected, kPreviewBytes);
  if (!head) return {};
  if (head->size() > kPreviewBytes) head->resize(kPreviewBytes);
  // A lead byte at the very end had its second byte cut off by the limit.
  if (head->size() == kPreviewBytes && enc::CharStart(*head, head->size() - 1) == head->size() - 1 &&
      enc::IsLeadByte(static_cast<unsigned char>(head->back())))
    head->pop_back();
  return EditControlText(*head);
}

}  // namespace hanaroku
