// Source code pages on Windows: MultiByteToWideChar.
#include <windows.h>

#include <array>
#include <cctype>
#include <string_view>

#include "source_charset.h"
#include "windows_text.h"

namespace zolt {
namespace {

class CodePageDecoder : public SourceDecoder {
 public:
  explicit CodePageDecoder(UINT codePage) : codePage_(codePage) {}

  std::string ToUtf8(std::string_view bytes) const override {
    std::string text;
    for (std::size_t at = 0; at < bytes.size();) {
      const std::size_t length = CharacterAt(bytes, at);
      if (length == 0) {
        // A byte that starts no character of the code page stays as read.
        text += bytes[at++];
        continue;
      }
      std::array<wchar_t, 2> wide{};
      const int made = MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, bytes.data() + at,
                                           static_cast<int>(length), wide.data(), 2);
      text += Utf8FromWide({wide.data(), static_cast<std::size_t>(made)});
      at += length;
    }
    return text;
  }

 private:
  // The length of the character of the code page at bytes[at] (GB18030's
  // take up to four bytes), or 0 when none starts there.
  std::size_t CharacterAt(std::string_view bytes, std::size_t at) const {
    constexpr std::size_t kLongest = 4;
    for (std::size_t length = 1; length <= kLongest && at + length <= bytes.size(); ++length) {
      if (MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, bytes.data() + at,
                              static_cast<int>(length), nullptr, 0) > 0) {
        return length;
      }
    }
    return 0;
  }

  UINT codePage_;
};

// The code pages the product's users keep sources in, by their iconv names.
struct NamedCodePage {
  std::string_view name;
  UINT codePage;
};
constexpr NamedCodePage kCodePages[] = {
    {"UTF-8", CP_UTF8}, {"UTF8", CP_UTF8},  {"GBK", 936},          {"CP936", 936},
    {"GB2312", 936},    {"GB18030", 54936}, {"BIG5", 950},         {"CP950", 950},
    {"CP1252", 1252},   {"LATIN1", 28591},  {"ISO-8859-1", 28591},
};

std::string Upper(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

std::unique_ptr<SourceDecoder> LegacyDecoder(bool) {
  return std::make_unique<CodePageDecoder>(GetACP());
}

std::unique_ptr<SourceDecoder> DecoderNamed(const std::string& name) {
  const std::string upper = Upper(name);
  for (const NamedCodePage& named : kCodePages) {
    if (named.name == upper) return std::make_unique<CodePageDecoder>(named.codePage);
  }
  return nullptr;
}

}  // namespace zolt
