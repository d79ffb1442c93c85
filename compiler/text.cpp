// Source text as bytes: upper case, lines, and the characters of paths.
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
  rest_ = std::string_view(next, static_cast<std::size_t>(end - next));
  return {begin, static_cast<std::size_t>(lineEnd - begin)};
}

std::size_t CharacterLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  // The lead byte gives the length and the range of the byte after it; the
  // narrower ranges after E0, ED, F0 and F4 keep out overlong forms,
  // surrogates and code points past U+10FFFF.
  std::size_t length = 1;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 1 || at + length > text.size()) return 1;
  if (byte(at + 1) < low || byte(at + 1) > high) return 1;
  for (std::size_t i = at + 2; i < at + length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 1;
  }
  return length;
}

char32_t CodePointOf(std::string_view character) {
  const auto byte = [&](std::size_t i) { return static_cast<char32_t>(character[i] & 0xFF); };
  switch (character.size()) {
    case 2:
      return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3:
      return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    case 4:
      return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) |
             (byte(3) & 0x3F);
    default:
      return byte(0);
  }
}

std::optional<OtherBlank> FindOtherBlank(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text, at);
    const char32_t code = length > 1 ? CodePointOf(text.substr(at, length)) : 0;
    // Unicode's space separators beyond the space itself, and the
    // zero-width no-break space that a byte-order mark becomes mid-text.
    if (code == 0xA0 || code == 0x1680 || (code >= 0x2000 && code <= 0x200B) || code == 0x202F ||
        code == 0x205F || code == 0x3000 || code == 0xFEFF) {
      return OtherBlank{at, length, code};
    }
    at += length;
  }
  return std::nullopt;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text, at);
    if (length == 1 && static_cast<unsigned char>(text[at]) >= 0x80) return false;
    at += length;
  }
  return true;
}

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
