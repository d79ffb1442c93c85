// The controller's instruction set: one row per mnemonic, read by the
// encoder and, in reverse, by the disassembler.
#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <string_view>

namespace zolt {

// How the operand of a mnemonic is read.
enum class OperandKind : std::uint8_t {
  None,      // no operand; the rest of the line is ignored
  Integer,   // rounded to an integer, halves to even
  Scaled,    // a real number counted in units of 0.0001
  Relative,  // an integer; a label becomes its distance from the next word
  Block,     // BOUT: a count followed by that many data lines
  End,       // END: no operand, and the program stops here
};

// Where the operand goes in the code words.
enum class FieldForm : std::uint8_t {
  Direct,         // prefix + value
  SignMagnitude,  // prefix + magnitude, bit 10 set for a negative value
  SecondWord,     // the prefix alone, the value as a second 16-bit word
};

struct Instruction {
  std::string_view mnemonic;
  std::uint16_t prefix;
  // The bits of the first word that hold the operand; the others are the
  // prefix, which selects the row when a word is read back.
  std::uint16_t field;
  std::int16_t words;
  OperandKind operand;
  FieldForm form;
  std::int32_t low;  // accepted operand values, after scaling
  std::int32_t high;
  // The operand is where the program goes on: a word address, or for a
  // relative operand its distance from the next word.
  bool jumps;
};

// The values a data line of a BOUT block accepts; each is one 16-bit word.
constexpr std::int32_t kBlockDataLow = 0;
constexpr std::int32_t kBlockDataHigh = 65535;

// The sign of a sign-magnitude field: its top bit; the bits below it hold
// the magnitude.
constexpr std::uint16_t SignBit(const Instruction& row) {
  return std::bit_floor(row.field);
}

// The row for a first word that is exactly a mnemonic, or nullptr.
const Instruction* FindInstruction(std::string_view word);

// Every row, for editors that offer the mnemonics.
std::span<const Instruction> Instructions();

}  // namespace zolt
