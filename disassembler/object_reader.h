// Reading an object file back: the code words on each of its lines.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zolt {

// One line of an object file: one code word, or the two of OUT and GOTO.
struct ObjectLine {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  std::int16_t words = 1;
};

// The lines of an object file as the assembler writes them: "&h" and
// hexadecimal digits, or two such words separated by a tab, each line ended
// by CR LF; a copy with LF alone, and a last line without its ending, read
// the same, and a byte-order mark at the start is passed over. Line n of
// the file is entry n - 1. A line in any other form, or a word over 16 bits,
// is a hard error at its line and column.
std::vector<ObjectLine> ReadObject(std::string_view bytes);

}  // namespace zolt
