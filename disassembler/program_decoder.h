// An object file's lines taken apart into the statements, block data and
// stray words a source would hold.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "diagnostic.h"
#include "instruction_set.h"
#include "object_reader.h"

namespace zolt {

enum class PieceKind : std::uint8_t {
  Statement,  // an instruction, or a BOUT block's header
  Data,       // one data word of a BOUT block
  Comment,    // words no statement makes, kept as a comment
};

// What one line of the object file becomes in the source.
struct Piece {
  PieceKind kind = PieceKind::Comment;
  std::int32_t address = 0;
  ObjectLine line;
  // A statement's row and operand, as the encoder held it.
  const Instruction* row = nullptr;
  std::int32_t value = 0;
};

struct DecodedProgram {
  std::vector<Piece> pieces;
  // One warning for each line whose words no statement makes, at that line;
  // one for all the lines after END or past the last address.
  std::vector<Diagnostic> warnings;
};

// The object file's lines in order, each read as a statement of its own, as
// a block's data or as a comment, the way that leaves the fewest comments,
// then the fewest failed runs, then the fewest lines in error: whenever a
// source assembles to these words, the pieces make one.
DecodedProgram DecodeProgram(const std::vector<ObjectLine>& lines);

// A line as the object file holds it, without its line end: "&hB800\t&h1".
std::string ObjectLineText(const ObjectLine& line);

}  // namespace zolt
