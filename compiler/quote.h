// How messages show what the user wrote: one line, readable on any terminal,
// and never longer than a line of text.
#pragma once

#include <string>
#include <string_view>

namespace zolt {

// The most characters of a quoted text a message shows; a longer one is cut
// and ends in "…".
inline constexpr std::size_t kQuotedCharacters = 60;

// The text with everything that could act on a terminal or break the line
// shown escaped: control characters and stray bytes as \xNN, Unicode's line
// separators and direction marks as \uNNNN. Locations (a source's path before
// its line number) are shown this way, whole.
std::string Escaped(std::string_view text);

// A word or line of the source as a message shows it: escaped, cut after
// kQuotedCharacters characters. The message's own text places the quotes
// around it, so that each language uses its own.
std::string Shown(std::string_view text);

// A value in upper-case hexadecimal, with exactly this many digits.
std::string HexDigits(char32_t value, int digits);

// A path as a message shows it: escaped, and when too long cut in the
// middle, so that both the folder it starts with and the file name stay.
std::string ShownPath(std::string_view path);

}  // namespace zolt
