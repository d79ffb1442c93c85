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

// The text upper-cased into `upper`, byte for byte, so that a line lies at
// the same place in both.
void UpperCase(std::string_view text, std::string& upper);

// The prepared line, from the upper-cased line: leading spaces (not tabs)
// removed.
inline std::string_view PreparedLine(std::string_view upper) {
  std::size_t first = 0;
  while (first < upper.size() && upper[first] == ' ') ++first;
  return upper.substr(first);
}

// The text without a byte-order mark: editors on Windows like to start UTF-8
// files with one, and it is not part of the first line.
std::string_view WithoutByteOrderMark(std::string_view text);

// Takes the first line off text and returns it without its ending. CR LF, a
// lone CR and a lone LF each end a line; a last line without an ending is
// still a line.
std::string_view TakeLine(std::string_view& text);

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
