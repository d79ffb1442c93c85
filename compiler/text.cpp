#include "text.h"

namespace zolt {

void PrepareLine(std::string_view source, std::string& prepared) {
  const std::size_t first = source.find_first_not_of(' ');
  prepared.assign(first == std::string_view::npos ? std::string_view() : source.substr(first));
  for (char& c : prepared) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
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
