// The instruction table, and finding a mnemonic's row in it.
#include "instruction_set.h"

#include <array>

namespace zolt {
namespace {

using K = OperandKind;
using F = FieldForm;

// The operand fields: bit 15 clear selects SET, whose value takes the other
// 15 bits; bits 15 to 11 select every other row, whose field is bits 10 to 0.
constexpr std::uint16_t kSetField = 0x7FFF;
constexpr std::uint16_t kField = 0x07FF;

// The controller's instruction set, one row per mnemonic. Ranges are not all
// alike on purpose: the 8-bit counts start at 1, STEP stops at 0.1 and SET at
// 3.0, as the device accepts them.
constexpr auto kInstructions = std::to_array<Instruction>({
    {"SET", 0x0000, kSetField, 1, K::Scaled, F::Direct, 0, 30000, false},
    {"DL", 0x9000, kField, 1, K::Integer, F::Direct, 1, 255, false},
    {"TIME", 0x9800, kField, 1, K::Integer, F::Direct, 1, 255, false},
    {"STEP", 0xA000, kField, 1, K::Scaled, F::SignMagnitude, -1000, 1000, false},
    {"N=", 0xB000, kField, 1, K::Integer, F::Direct, 1, 255, false},
    {"I=", 0xC000, kField, 1, K::Integer, F::Direct, 1, 255, false},
    {"J=", 0xC800, kField, 1, K::Integer, F::Direct, 1, 255, false},
    {"DJNZI", 0xD000, kField, 1, K::Relative, F::SignMagnitude, -1023, 1023, true},
    {"DJNZJ", 0xD800, kField, 1, K::Relative, F::SignMagnitude, -1023, 1023, true},
    {"CJMP", 0xA800, kField, 1, K::Relative, F::SignMagnitude, -1023, 1023, true},
    {"NOP", 0xE000, kField, 1, K::None, F::Direct, 0, 0, false},
    {"HALT", 0xF000, kField, 1, K::None, F::Direct, 0, 0, false},
    {"OUT", 0x8800, kField, 2, K::Integer, F::SecondWord, 0, 65535, false},
    {"GOTO", 0xB800, kField, 2, K::Integer, F::SecondWord, 0, 65535, true},
    {"BOUT", 0xE800, kField, 1, K::Block, F::Direct, 1, 255, false},
    {"END", 0xF800, kField, 1, K::End, F::Direct, 0, 0, false},
});

}  // namespace

const Instruction* FindInstruction(std::string_view word) {
  for (const Instruction& row : kInstructions) {
    if (row.mnemonic == word) return &row;
  }
  return nullptr;
}

const Instruction* RowOfWord(std::uint16_t first) {
  for (const Instruction& row : kInstructions) {
    if ((first & ~row.field) == row.prefix) return &row;
  }
  return nullptr;
}

std::optional<WordRange> FreeCodes() {
  std::uint32_t low = 0;
  while (low <= UINT16_MAX && RowOfWord(static_cast<std::uint16_t>(low)) != nullptr) ++low;
  if (low > UINT16_MAX) return std::nullopt;
  std::uint32_t high = low;
  while (high < UINT16_MAX && RowOfWord(static_cast<std::uint16_t>(high + 1)) == nullptr) ++high;
  return WordRange{static_cast<std::uint16_t>(low), static_cast<std::uint16_t>(high)};
}

std::span<const Instruction> Instructions() {
  return kInstructions;
}

}  // namespace zolt
