#include "text.h"

#include <algorithm>
#include <array>

namespace zolt {

void UpperCase(std::string_view text, std::string& upper) {
  // One pass over the whole source, which the compiler turns into vector
  // operations; line by line, most lines would be too short for them.
  upper.resize(text.size());
  std::transform(text.begin(), text.end(), upper.begin(), [](char c) {
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  });
}

std::string_view WithoutByteOrderMark(std::string_view text) {
  return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

std::string_view TakeLine(std::string_view& text) {
  // A plain loop: find_first_of("\r\n") searches the pair once per byte.
  std::size_t end = 0;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  const std::string_view line = text.substr(0, end);
  if (end == text.size()) {
    text = {};
    return line;
  }
  const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
  text.remove_prefix(end + (crlf ? 2 : 1));
  return line;
}

namespace {

// The length of the character that starts at text[at]: a whole, valid UTF-8
// sequence, or else the one byte, so that a stray byte never swallows the
// bytes before it (a path separator among them).
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                                                            : 1;
  if (at + length > text.size()) return 1;
  for (std::size_t i = at + 1; i < at + length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

std::string DropLastThreeCharacters(const std::string& path) {
  std::array<std::size_t, 3> starts{};
  std::size_t count = 0;
  for (std::size_t at = 0; at < path.size(); at += CharacterLength(path, at)) {
    starts[count++ % starts.size()] = at;
  }
  return path.substr(0, count < starts.size() ? 0 : starts[count % starts.size()]);
}

std::size_t FileNameCharacters(std::string_view path) {
  std::size_t name = path.size();
  while (name > 0 && !IsPathSeparator(path[name - 1])) --name;
  std::size_t count = 0;
  for (std::size_t at = name; at < path.size(); at += CharacterLength(path, at)) ++count;
  return count;
}

}  // namespace zolt
