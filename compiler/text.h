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

inline bool IsAllBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The prepared line: upper-cased, leading spaces (not tabs) removed.
void PrepareLine(std::string_view source, std::string& prepared);

// The path with its last three characters removed, counting UTF-8 characters,
// not bytes, so a Chinese file name loses whole characters.
std::string DropLastThreeCharacters(const std::string& path);

}  // namespace zolt
