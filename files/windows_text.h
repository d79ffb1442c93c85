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

// The bytes a pipe or a file gets for a text written to a standard stream.
// Where the console's code page (the system's, without a console) is
// Chinese, as other console programs do: GB18030, which keeps GBK's bytes
// and extends them to all of Unicode, or GBK where the system lacks GB18030,
// with a character GBK lacks (one the user typed or named a file with: the
// catalog's words are all in GBK) written as <U+00A0>, so that every text of
// a run is in the one code page its reader expects and no character becomes
// a question mark. Everywhere else UTF-8: an English Windows' code page
// would turn Chinese text into question marks.
std::string PipeText(std::wstring_view text);

}  // namespace zolt
