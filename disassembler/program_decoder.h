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
  // One warning for each run of lines whose words no statement makes, at
  // its first line.
  std::vector<Diagnostic> warnings;
};

// The object file's lines in order, each read as a statement of its own or
// as a block's data. A line whose word count is not its instruction's is a
// hard error at that line.
DecodedProgram DecodeProgram(const std::vector<ObjectLine>& lines);

// A line as the object file holds it, without its line end: "&hB800\t&h1".
std::string ObjectLineText(const ObjectLine& line);

}  // namespace zolt
