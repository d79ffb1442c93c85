#pragma once

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
  std::int16_t words;
  OperandKind operand;
  FieldForm form;
  std::int32_t low;  // accepted operand values, after scaling
  std::int32_t high;
  bool jump;  // the operand says where the program goes on, not what it does
};

// The row for a first word that is exactly a mnemonic, or nullptr.
const Instruction* FindInstruction(std::string_view word);

// Every row, for editors that offer the mnemonics and the build step that
// writes them into the editor grammars.
std::span<const Instruction> Instructions();

}  // namespace zolt
