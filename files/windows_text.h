// Text between UTF-8 and Windows' UTF-16 and code pages.
#pragma once

#include <string>
#include <string_view>

namespace zolt {

// Windows speaks UTF-16 and code pages; the product keeps its text in UTF-8.
// Characters that cannot be converted become the system's default character.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
std::string CodePageFromWide(std::wstring_view text, unsigned codePage);

}  // namespace zolt
