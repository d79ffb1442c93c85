#include "text.h"

#include <algorithm>

namespace zolt {

void PrepareLine(std::string_view source, std::string& prepared) {
  std::size_t first = 0;
  while (first < source.size() && source[first] == ' ') ++first;
  // Copies and upper-cases in one pass, as every line is prepared twice.
  prepared.resize(source.size() - first);
  std::transform(
      source.begin() + static_cast<std::ptrdiff_t>(first), source.end(), prepared.begin(),
      [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
}

std::string DropLastThreeCharacters(const std::string& path) {
  std::size_t end = path.size();
  for (int dropped = 0; dropped < 3 && end > 0; ++dropped) {
    --end;
    while (end > 0 && (static_cast<unsigned char>(path[end]) & 0xC0) == 0x80) --end;
  }
  return path.substr(0, end);
}

}  // namespace zolt
