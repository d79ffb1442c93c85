// Writing the benchmark's program pair, statement for statement.
#include "program_generator.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zolt::bench {
namespace {

// The symbol table holds 513 entries and every label takes two of them, so
// only some units define symbols (two labels and one EQU each); the others
// refer to the latest ones, backward and forward.
constexpr int kDefiningUnits = 100;

struct Line {
  std::string zolt;
  std::string gas;
};

// The 16 lines of one unit, 14 code words: a comment, an EQU symbol, a label,
// one-operand instructions (one with an inline comment), a forward jump, a
// backward relative jump, a data block of three words and a second label.
template <typename... Parts>
std::string Cat(const Parts&... parts) {
  std::string text;
  (text.append(parts), ...);
  return text;
}

std::array<Line, 16> Unit(int unit, int defined, int next) {
  const bool defines = unit == defined;
  const std::string n = std::to_string(unit);
  const std::string c = Cat("C", std::to_string(defined));
  const std::string l = Cat("L", std::to_string(defined));
  const std::string m = Cat("M", std::to_string(defined));
  const std::string target = Cat("M", std::to_string(next));
  return {{
      {Cat("; unit ", n, ": pulse train"), Cat("# unit ", n, ": pulse train")},
      {defines ? Cat(c, " EQU 3") : Cat("; uses ", c),
       defines ? Cat(".equ ", c, ", 3") : Cat("# uses ", c)},
      {defines ? Cat(l, ":") : Cat("; loops to ", l),
       defines ? Cat(l, ":") : Cat("# loops to ", l)},
      {"DL 10", "pushw $10"},
      {Cat("SET ", c), Cat("pushw $", c)},
      {"TIME 25 ; wait", "int $25 # wait"},
      {"NOP", "nop"},
      {Cat("GOTO ", target), Cat("jmp ", target)},
      {Cat("DJNZI ", l), Cat("jnz ", l)},
      {"BOUT 3", ".word 3"},
      {"100", ".word 100"},
      {"&H1F", ".word 0x1F"},
      {c, Cat(".word ", c)},
      {defines ? Cat(m, ":") : Cat("; continues at ", m),
       defines ? Cat(m, ":") : Cat("# continues at ", m)},
      {"OUT 200", "pushw $200"},
      {"HALT", "hlt"},
  }};
}

void Append(ProgramPair& program, const Line& line) {
  program.zolt += line.zolt;
  program.zolt += "\r\n";
  program.gas += line.gas;
  program.gas += '\n';
}

}  // namespace

ProgramPair GenerateProgram(int lines) {
  ProgramPair program;
  Append(program, {"; generated benchmark program", ".code16"});
  const int units = std::max(0, (lines - 2) / 16);
  const int stride = std::max(1, (units + kDefiningUnits - 1) / kDefiningUnits);
  for (int unit = 0; unit < units; ++unit) {
    // Symbols of unit u are defined in unit u - u % stride; the jump goes
    // forward to the next defining unit's second label while there is one.
    const int defined = unit - unit % stride;
    const int next = defined + stride < units ? defined + stride : defined;
    for (const Line& line : Unit(unit, defined, next)) Append(program, line);
  }
  for (int filler = 2 + units * 16; filler < lines; ++filler) Append(program, {"NOP", "nop"});
  if (lines > 1) Append(program, {"END", ".end"});
  return program;
}

}  // namespace zolt::bench
