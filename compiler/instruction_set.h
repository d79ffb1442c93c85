// The controller's instruction set: one row per mnemonic, read by the
// encoder and, in reverse, by the disassembler.
#pragma once

#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "numbers.h"

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

  // Whether a statement writes an operand after its mnemonic.
  constexpr bool TakesOperand() const {
    return operand != OperandKind::None && operand != OperandKind::End;
  }
  // Whether the first word's field is always empty: the operand, if any, is
  // the second word.
  constexpr bool EmptyField() const { return form == FieldForm::SecondWord || !TakesOperand(); }
  // How many of the table's counts make one unit as the user writes it: a
  // scaled operand counts in 0.0001s.
  constexpr std::int32_t Scale() const { return operand == OperandKind::Scaled ? kScale : 1; }
  // A count of the table (a bound, an operand's value) in written units.
  constexpr float InUnits(std::int32_t value) const {
    return static_cast<float>(value) / static_cast<float>(Scale());
  }
  // What the operand of a statement at address counts from: a relative
  // distance from the word after the statement, anything else from 0.
  constexpr std::int32_t Origin(std::int32_t address) const {
    return operand == OperandKind::Relative ? address + words : 0;
  }
  // Where a jump at address with this operand goes on.
  constexpr std::int32_t Target(std::int32_t address, std::int32_t value) const {
    return Origin(address) + value;
  }
};

// The values a data line of a BOUT block accepts; each is one 16-bit word.
constexpr std::int32_t kBlockDataLow = 0;
constexpr std::int32_t kBlockDataHigh = 65535;

// The sign of a sign-magnitude field: its top bit; the bits below it hold
// the magnitude.
constexpr std::uint16_t SignBit(const Instruction& row) {
  return std::bit_floor(row.field);
}

// The first run of words that no row reads, the lowest to the highest: only
// a BOUT block's data holds them. None when the rows read every word.
struct WordRange {
  std::uint16_t low;
  std::uint16_t high;
};
std::optional<WordRange> FreeCodes();

// The row for a first word that is exactly a mnemonic, or nullptr.
const Instruction* FindInstruction(std::string_view word);

// The row whose prefix a code word's first word carries, or nullptr.
const Instruction* RowOfWord(std::uint16_t first);

// Every row, for editors that offer the mnemonics.
std::span<const Instruction> Instructions();

}  // namespace zolt
