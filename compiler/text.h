#pragma once

#include <string>
#include <string_view>

namespace zolt {

// Source text is bytes. All syntax is ASCII, so only a-z are upper-cased and
// every other byte (a GBK or UTF-8 comment) passes through untouched.

// The only word separators: space and tab.
inline bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Position of the first character at or after `from` that is (or is not) a
// blank, or the text's length. Plain loops: find_first_of with a set of
// characters searches the set once for every character of the text.
inline std::size_t FindBlank(std::string_view text, std::size_t from = 0) {
  while (from < text.size() && !IsBlank(text[from])) ++from;
  return from;
}

inline std::size_t FindNonBlank(std::string_view text, std::size_t from = 0) {
  while (from < text.size() && IsBlank(text[from])) ++from;
  return from;
}

inline bool IsAllBlank(std::string_view text) {
  return FindNonBlank(text) == text.size();
}

// The prepared line: upper-cased, leading spaces (not tabs) removed.
void PrepareLine(std::string_view source, std::string& prepared);

// The characters that end a folder's name in a path.
inline bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '/' || c == '\\' || c == ':';
#else
  return c == '/';
#endif
}

// The path with its last three characters removed, counting UTF-8 characters,
// not bytes, so a Chinese file name loses whole characters; a byte outside a
// valid sequence counts as one character.
std::string DropLastThreeCharacters(const std::string& path);

// How many characters, counted the same way, the path's file name has.
std::size_t FileNameCharacters(std::string_view path);

}  // namespace zolt
