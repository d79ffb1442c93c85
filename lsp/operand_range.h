// The values an operand accepts and a mnemonic in a line, as the instruction
// table gives them.
#pragma once

#include <string>

#include "instruction_set.h"

namespace zolt::lsp {

// "1 to 255"; a scaled operand in its written units ("-3.2767 to 3.2767").
std::string OperandRange(const Instruction& row);

// What the instruction table says of a mnemonic, in a line: its size and its
// operand's range.
std::string InstructionSummary(const Instruction& row);

// The range of a value between two bounds, in the current language.
std::string RangeText(float low, float high);

}  // namespace zolt::lsp
