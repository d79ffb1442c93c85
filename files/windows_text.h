// Text between UTF-8 and Windows' UTF-16 and code pages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zolt {

// Windows speaks UTF-16 and code pages; the product keeps its text in UTF-8.
// Characters that cannot be converted become the system's default character.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
std::string CodePageFromWide(std::wstring_view text, unsigned codePage);

// The text in a code page only when the code page holds every character of
// it, with no stand-in such as '?'; nothing when it does not, or when the
// system lacks the code page.
std::optional<std::string> CodePageFromWideExactly(std::wstring_view text, unsigned codePage);

}  // namespace zolt
