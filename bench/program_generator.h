// The benchmark's programs: one program written in ZOLT and in GNU as syntax.
#pragma once

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

}  // namespace zolt::bench
