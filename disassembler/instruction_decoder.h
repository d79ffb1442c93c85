// Code words read back through the instruction table: the encoder in reverse.
#pragma once

#include <cstdint>
#include <string>

#include "instruction_set.h"

namespace zolt {

// Why no statement makes a first word.
enum class WordFault : std::uint8_t {
  None,
  NoInstruction,  // its prefix selects no row
  FieldNotEmpty,  // a row without an operand in its first word, with bits in its field
  OutOfRange,     // the field holds a value outside the row's range
  MinusZero,      // a sign-magnitude field holding the sign alone
};

struct DecodedWord {
  const Instruction* row = nullptr;
  // The operand as the encoder held it before folding it in: scaled for a
  // scaled operand, signed for a sign-magnitude field; for a two-word row,
  // its second word. For FieldNotEmpty, the field's bits.
  std::int32_t value = 0;
  WordFault fault = WordFault::None;
};

// The row that the first word's prefix selects and the operand that its
// field, or for a two-word row the second word, holds.
DecodedWord Decode(std::uint16_t first, std::uint16_t second);

// The operand as a source writes it to give that value: a decimal, and for a
// scaled operand one counted in units of 0.0001 (15000 is "1.5").
std::string OperandText(const Instruction& row, std::int32_t value);

}  // namespace zolt
