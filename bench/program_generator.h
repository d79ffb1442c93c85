// The benchmark's programs: one program written in ZOLT and in GNU as syntax.
#pragma once

#include <cstdint>
#include <string>

namespace zolt::bench {

// One program written twice: in the ZOLT language and in GNU as syntax
// (.code16), statement for statement, so that both assemblers get the same
// mix of labels, one-operand instructions, data words, EQU symbols, comments
// and forward references, with the same number of lines.
struct ProgramPair {
  std::string zolt;
  std::string gas;
};

// A program of exactly `lines` lines that assembles without a line in error.
ProgramPair GenerateProgram(int lines);

// A program in the ZOLT language alone, of about `lines` lines, one of many
// told apart by `seed`: the benchmark's units mixed with every mnemonic of
// the instruction table given operands in and out of range and written
// every way, undefined names, misspelt statements, blocks, labels, blank
// and odd lines, and now and then an operand that stops the run; for
// comparing two front ends byte for byte.
std::string GenerateVariedProgram(int lines, std::uint32_t seed);

}  // namespace zolt::bench
