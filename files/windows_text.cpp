// Text between UTF-8 and Windows' UTF-16 and code pages.
#include "windows_text.h"

#include <windows.h>

#include <cstdio>

namespace zolt {

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string Utf8FromWide(std::wstring_view text) {
  return CodePageFromWide(text, CP_UTF8);
}

std::string CodePageFromWide(std::wstring_view text, unsigned codePage) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(codePage, 0, text.data(), size,
                                                                 nullptr, 0, nullptr, nullptr)),
                    '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                      nullptr, nullptr);
  return bytes;
}

std::optional<std::string> CodePageFromWideExactly(std::wstring_view text, unsigned codePage) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  // UTF-8 and GB18030 hold every character and take no stand-in to report.
  const bool complete = codePage == CP_UTF8 || codePage == 54936;
  BOOL stoodIn = FALSE;
  BOOL* const report = complete ? nullptr : &stoodIn;
  const DWORD flags = complete ? 0 : WC_NO_BEST_FIT_CHARS;
  const int length =
      WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, report);
  if (length <= 0 || stoodIn) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::string PipeText(std::wstring_view text) {
  constexpr UINT kGbk = 936;
  constexpr UINT kGb18030 = 54936;
  const UINT console = GetConsoleOutputCP();
  const UINT page = console != 0 ? console : GetACP();
  if (page != kGbk && page != kGb18030) return CodePageFromWide(text, CP_UTF8);
  for (const UINT chinese : {kGb18030, kGbk}) {
    if (std::optional<std::string> bytes = CodePageFromWideExactly(text, chinese)) return *bytes;
  }
  std::string bytes;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t size = IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() ? 2 : 1;
    const std::wstring_view character = text.substr(at, size);
    if (std::optional<std::string> gbk = CodePageFromWideExactly(character, kGbk)) {
      bytes += *gbk;
    } else {
      const char32_t code =
          size == 2 ? 0x10000 + ((character[0] - 0xD800) << 10) + (character[1] - 0xDC00)
                    : character[0];
      char name[16];
      std::snprintf(name, sizeof(name), "<U+%04X>", static_cast<unsigned>(code));
      bytes += name;
    }
    at += size;
  }
  return bytes;
}

}  // namespace zolt
