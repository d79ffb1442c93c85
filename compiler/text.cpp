#include "text.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zolt {
namespace {

// The first c in [begin, end), or end; memchr looks at many bytes at a time.
const char* Find(const char* begin, const char* end, char c) {
  const void* found = std::memchr(begin, c, static_cast<std::size_t>(end - begin));
  return found == nullptr ? end : static_cast<const char*>(found);
}

}  // namespace

void UpperCase(std::string_view text, std::string& upper) {
  // One pass over the whole source, which the C++ compiler turns into vector
  // instructions; line by line, most lines would be too short for them.
  upper.resize(text.size());
  std::transform(text.begin(), text.end(), upper.begin(), [](char c) {
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  });
}

LineReader::LineReader(std::string_view source)
    : rest_(source.starts_with("\xEF\xBB\xBF") ? source.substr(3) : source) {}

std::string_view LineReader::Next() {
  const char* const begin = rest_.data();
  const char* const end = begin + rest_.size();
  if (lineFeed_ == nullptr || lineFeed_ < begin) lineFeed_ = Find(begin, end, '\n');
  // A CR before the LF ends the line sooner.
  const char* const lineEnd = Find(begin, lineFeed_, '\r');
  const char* next = lineEnd;
  if (next != end) next += *next == '\r' && next + 1 != end && next[1] == '\n' ? 2 : 1;
  rest_ = std::string_view(next, end);
  return {begin, lineEnd};
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
