// Source text as bytes: blanks and words, upper case, lines, and the
// characters of paths.
#pragma once

#include <optional>
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

// The lines of a source, one after another, without their endings. CR LF, a
// lone CR and a lone LF each end a line; a last line without an ending is
// still a line. A byte-order mark at the start (editors on Windows like to
// begin UTF-8 files with one) is not part of the first line.
class LineReader {
 public:
  explicit LineReader(std::string_view source);
  bool AtEnd() const { return rest_.empty(); }
  std::string_view Next();

 private:
  std::string_view rest_;
  // The next LF (the end of the source when there is none; nullptr or a
  // place before rest_ when not yet looked for): each LF is looked for once,
  // so that a source whose lines end in lone CRs is not searched to its end
  // line after line.
  const char* lineFeed_ = nullptr;
};

// The characters that end a folder's name in a path.
inline bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '/' || c == '\\' || c == ':';
#else
  return c == '/';
#endif
}

// The length in bytes of the character that starts at text[at]: a whole,
// valid UTF-8 sequence (no overlong form, no encoded surrogate, nothing past
// U+10FFFF), or else the one byte, so that a stray byte never swallows the
// bytes after it (a path separator among them).
std::size_t CharacterLength(std::string_view text, std::size_t at);

// Whether every byte of the text is part of a valid UTF-8 sequence.
bool IsUtf8(std::string_view text);

// The code point of a whole, valid UTF-8 sequence (one that CharacterLength
// measured); a single byte stands for itself.
char32_t CodePointOf(std::string_view character);

// A blank that is not a space or a tab: the full-width space of Chinese input
// methods, a no-break space and their kin. It looks like a blank in an
// editor, but the language takes it as part of a word.
struct OtherBlank {
  std::size_t at;  // its first byte
  std::size_t length;
  char32_t code;
};
std::optional<OtherBlank> FindOtherBlank(std::string_view text);

// The path with its last three characters removed, counting characters as
// CharacterLength does, not bytes, so a Chinese file name loses whole
// characters.
std::string DropLastThreeCharacters(const std::string& path);

// How many characters, counted the same way, the path's file name has.
std::size_t FileNameCharacters(std::string_view path);

}  // namespace zolt
