// Writing the benchmark's program pair, statement for statement.
#include "program_generator.h"

#include <algorithm>
#include <array>
#include <random>
#include <string_view>

#include "instruction_set.h"

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

// Operands of every form and range; the last few stop a run.
constexpr std::array<std::string_view, 36> kOperands{{
    "0",    "1",   "7",       "255", "256",    "300",     "-1",    "-1000", "1000",
    "1.5",  "2.5", "0.0001",  "0.1", "3.2767", "-3.2768", "&H1F",  "&hff",  "&HFFFF",
    "+7",   "-0",  ".5",      "1.",  "1E3",    "1.5E2",   "65535", "65536", "32767",
    "LOOP", "C0",  "NOWHERE", "L0",  "M0",     "0x10",    "$1F",   "5;x",   "1E40",
}};
constexpr std::size_t kStoppingOperands = 4;

// Lines that are not statements, or not quite.
constexpr std::array<std::string_view, 12> kOddLines{{
    "",
    "   ",
    "X",
    ";",
    "\t; after a tab",
    "LOOP: NOP",
    "MOV 5",
    "N=5",
    "C0 EQU 7",
    "DL\t20",
    "NOP ; note",
    "halt extra words",
}};

class Varied {
 public:
  explicit Varied(std::uint32_t seed) : random_(seed) {}

  // A number below `count`, the same on every system for the same seed.
  std::size_t Below(std::size_t count) { return random_() % count; }

  std::string_view Operand() {
    // One operand in about 400 stops the run.
    if (Below(400) == 0) return kOperands[kOperands.size() - 1 - Below(kStoppingOperands)];
    return kOperands[Below(kOperands.size() - kStoppingOperands)];
  }

  std::string Statement() {
    const std::span<const Instruction> rows = Instructions();
    const Instruction& row = rows[Below(rows.size())];
    std::string line(Below(3) == 0 ? "    " : "");
    line.append(Below(4) == 0 ? std::string(row.mnemonic) : Lower(row.mnemonic));
    if (row.operand == OperandKind::End && Below(8) != 0) return "NOP";
    if (row.operand == OperandKind::Block) {
      const std::size_t count = 1 + Below(4);
      line.append(" ").append(std::to_string(count));
      for (std::size_t data = 0; data < count; ++data) line.append("\r\n").append(Operand());
      return line;
    }
    if (row.operand != OperandKind::None || Below(4) == 0) line.append(" ").append(Operand());
    if (Below(5) == 0) line.append(" ; comment");
    return line;
  }

 private:
  static std::string Lower(std::string_view word) {
    std::string lower(word);
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower;
  }

  std::mt19937 random_;
};

}  // namespace

std::string GenerateVariedProgram(int lines, std::uint32_t seed) {
  Varied varied(seed);
  std::string program;
  int written = 0;
  const auto add = [&](std::string_view line) {
    program.append(line).append("\r\n");
    ++written;
  };
  for (int unit = 0; written < lines; ++unit) {
    switch (varied.Below(6)) {
      case 0:
        for (const Line& line : Unit(unit, unit - unit % 2, unit + 1)) add(line.zolt);
        break;
      case 1:
        add(kOddLines[varied.Below(kOddLines.size())]);
        break;
      case 2:
        add("LOOP" + std::to_string(unit) + ":");
        break;
      default:
        add(varied.Statement());
    }
  }
  if (varied.Below(2) == 0) add("END");
  return program;
}

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
