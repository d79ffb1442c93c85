// The disassembler's promise: the source it writes assembles to the very
// object file it read, unless it warned of words no statement makes; for
// the object of a run without errors, without a line in error or a warning.
// Checked on every first word, on seeded random programs (clean, with lines
// in error, cut short by a failure), on programs at the limits, and on every
// case's object file.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "compiler.h"
#include "disassembly.h"
#include "run.h"

namespace zolt {
namespace {

template <typename... Parts>
std::string Cat(const Parts&... parts) {
  std::string text;
  (text.append(parts), ...);
  return text;
}

// The mnemonics of the table's rows that fit, so that the generated programs
// follow the table.
template <typename Fits>
std::vector<std::string> Mnemonics(Fits fits) {
  std::vector<std::string> mnemonics;
  for (const Instruction& row : Instructions()) {
    if (fits(row)) mnemonics.emplace_back(row.mnemonic);
  }
  return mnemonics;
}

// Assembles the disassembly of the object and says where the result parts
// from it; an empty text when they agree. Words the disassembler warned
// about stand as comments, so the object it gives back lacks them. A clean
// object must come back from a clean source.
std::string RoundTrip(Compiler& compiler, const std::string& object, std::size_t warnings = 0,
                      bool clean = true) {
  for (const bool addresses : {false, true}) {
    const Disassembly disassembly = Disassemble(object, {addresses});
    const MemoryRun run = RunInMemory(compiler, "back.ZOL", disassembly.source);
    if (disassembly.warnings.size() != warnings) return Cat("the warnings:\n", disassembly.source);
    if (clean &&
        (!run.outcome.completed || compiler.ErrorCount != 0 || !compiler.Diagnostics.empty())) {
      return Cat("the source does not assemble cleanly:\n", disassembly.source);
    }
    if (warnings == 0 && run.Output(Channel::Object) != object)
      return Cat("other words:\n", disassembly.source);
  }
  return {};
}

std::string Hex(unsigned word) {
  char text[16];
  std::snprintf(text, sizeof text, "&h%X", word);
  return text;
}

// Every first word, with a second word where it takes one and a block's
// data where it counts some: exactly the words of the instruction table's
// rows with operands in their ranges come back; the others are warned of.
TEST(RoundTrip, EveryFirstWordComesBackOrIsWarnedOf) {
  Compiler compiler;
  int statements = 0;
  for (unsigned word = 0; word <= 0xFFFF; ++word) {
    std::string object = Hex(word);
    const unsigned prefix = word & 0xF800;
    if (prefix == 0x8800 || prefix == 0xB800) object += Cat("\t", Hex(word * 7919 & 0xFFFF));
    object += "\r\n";
    const unsigned count = prefix == 0xE800 && (word & 0x7FF) <= 255 ? word & 0xFF : 0;
    for (unsigned data = 0; data < count; ++data) {
      object += Cat(Hex(data * 257), "\r\n");
    }
    const bool comesBack = Disassemble(object, {}).warnings.empty();
    statements += comesBack ? 1 : 0;
    EXPECT_EQ(RoundTrip(compiler, object, comesBack ? 0 : 1), "") << object;
  }
  // SET 0 to 3; five 8-bit rows of 1 to 255; STEP -0.1 to 0.1 without minus
  // zero; three relative rows of -1023 to 1023; NOP, HALT, END; OUT and GOTO;
  // BOUT 1 to 255.
  EXPECT_EQ(statements, 30001 + 5 * 255 + 2001 + 3 * 2047 + 3 + 2 + 255);
}

// A random program that assembles without a line in error, its operands
// written every way the language reads them: labels jumped to from both
// sides, EQU names, hexadecimal, fractions and exponents, BOUT blocks,
// comments and lines after END. A faulty maker adds lines in error and
// lines that stop the run, so that objects are also cut short.
class ProgramMaker {
 public:
  explicit ProgramMaker(unsigned seed, bool faulty = false) : random_(seed), faulty_(faulty) {}

  std::string Make() {
    const int labels = Pick(0, 8);
    const int lines = Pick(1, 40);
    std::string source = Cat("K EQU ", std::to_string(Pick(1, 255)), "\r\n");
    for (int line = 0; line < lines; ++line) {
      if (Pick(0, 5) == 0 && labels > 0) source += Cat(Label(labels), ":\n");
      source += faulty_ && Pick(0, 3) == 0 ? Faulty(lines - line) : Statement(labels);
    }
    for (int label = 0; label < labels; ++label) source += Cat("P", std::to_string(label), ":\n");
    if (Pick(0, 1) == 0) source += "        END ; stops here\nGARBAGE AFTER END\n";
    return source;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

  std::string Fraction(double low, double high) {
    const double value = std::uniform_real_distribution(low, high)(random_);
    char text[32];
    if (Pick(0, 3) == 0) {
      std::snprintf(text, sizeof text, "%.3E", value);
    } else {
      std::snprintf(text, sizeof text, "%.*f", Pick(0, 6), value);
    }
    return text;
  }

  std::string Number(int low, int high) {
    const int value = Pick(low, high);
    return value >= 0 && Pick(0, 2) == 0 ? Hex(static_cast<unsigned>(value))
                                         : std::to_string(value);
  }

  std::string Label(int labels) { return Cat("P", std::to_string(Pick(0, labels - 1))); }

  std::string Statement(int labels) {
    static const std::vector<std::string> kCounts = Mnemonics([](const Instruction& row) {
      return row.operand == OperandKind::Integer && row.form == FieldForm::Direct;
    });
    static const std::vector<std::string> kJumps =
        Mnemonics([](const Instruction& row) { return row.operand == OperandKind::Relative; });
    const bool label = labels > 0 && Pick(0, 1) == 0;
    switch (Pick(0, 10)) {
      case 0:
        return Cat("SET ", Fraction(0, 3), "\n");
      case 1:
        return Cat("\tSTEP ", Fraction(-0.1, 0.1), " ; step\n");
      case 2:
        return Cat(kCounts[Pick(0, static_cast<int>(kCounts.size()) - 1)], " ",
                   Pick(0, 3) == 0 ? "K" : Number(1, 255), "\n");
      case 3:
        return Cat(kJumps[Pick(0, static_cast<int>(kJumps.size()) - 1)], " ",
                   label ? Label(labels) : Number(-1023, 1023), "\n");
      case 4:
        return Cat("GOTO ", label ? Label(labels) : Number(0, 65535), "\n");
      case 5:
        return Cat("OUT ", Number(0, 65535), "\n");
      case 6: {
        const int count = Pick(1, 4);
        std::string block = Cat("BOUT ", std::to_string(count), "\n");
        for (int data = 0; data < count; ++data) {
          block += Cat(label && data == 0 ? Label(labels) : Number(0, 65535), "\n");
        }
        return block;
      }
      case 7:
        return "; a comment\n\n";
      default:
        return Pick(0, 1) == 0 ? "NOP\n" : "HALT\n";
    }
  }

  // A line in error, a block with a count out of range, or a line that
  // stops the run; fewer lines left, more of them stop it.
  std::string Faulty(int linesLeft) {
    switch (Pick(0, 5 + linesLeft / 8)) {
      case 0:
        return Cat("DL ", Number(-3, 300), "\n");
      case 1:
        return Cat(Pick(0, 1) == 0 ? "STEP " : "SET ", Fraction(-0.5, 3.5), "\n");
      case 2:
        return Cat("DJNZI ", Pick(0, 1) == 0 ? "NOWHERE" : Number(-1100, 1100), "\nMISSPELT 5\n");
      case 3:
        return Pick(0, 1) == 0 ? "SET 12AB\n" : "END\n";
      case 4: {
        const int count = Pick(0, 2) == 0 ? Pick(-2, 2) : Pick(250, 300);
        std::string block = Cat("BOUT ", std::to_string(count), "\n");
        const char* odd[] = {"; a comment", "END", "-1", "70000", "UNDEFINED", "&HB800"};
        for (int data = 0; data < count; ++data) {
          block += Cat(Pick(0, 9) == 0 ? odd[Pick(0, 5)] : Number(0, 65535), "\n");
        }
        return block;
      }
      default: {
        // A block whose data ends early: by the end of the source, or by
        // an empty line.
        const int count = Pick(1, 300);
        std::string block = Cat("BOUT ", std::to_string(count), "\n");
        for (int data = Pick(0, count - 1); data > 0; --data) block += Cat(Number(0, 65535), "\n");
        return block + (Pick(0, 1) == 0 ? "\n" : "");
      }
    }
  }

  std::mt19937 random_;
  bool faulty_;
};

TEST(RoundTrip, TenThousandRandomPrograms) {
  Compiler compiler;
  ProgramMaker maker(20261207);
  for (int program = 0; program < 10000; ++program) {
    const std::string source = maker.Make();
    const MemoryRun run = RunInMemory(compiler, "prog.ZOL", source);
    ASSERT_TRUE(run.outcome.completed && compiler.ErrorCount == 0) << source;
    ASSERT_EQ(RoundTrip(compiler, run.Output(Channel::Object)), "") << source;
  }
}

// Objects as the assembler writes them, of runs with lines in error and of
// runs cut short: none is refused, and each that comes back without a
// warning comes back word for word.
TEST(RoundTrip, TwelveThousandObjectsOfFaultyRuns) {
  Compiler compiler;
  ProgramMaker maker(20261208, true);
  constexpr int kPrograms = 12000;
  int warned = 0;
  int failed = 0;
  for (int program = 0; program < kPrograms; ++program) {
    const std::string source = maker.Make();
    const MemoryRun run = RunInMemory(compiler, "prog.ZOL", source);
    failed += run.outcome.completed ? 0 : 1;
    Disassembly disassembly;
    ASSERT_NO_THROW(disassembly = Disassemble(run.Output(Channel::Object), {})) << source;
    if (!disassembly.warnings.empty()) {
      ++warned;
      continue;
    }
    ASSERT_EQ(RunInMemory(compiler, "back.ZOL", disassembly.source).Output(Channel::Object),
              run.Output(Channel::Object))
        << source << "\nread back as\n"
        << disassembly.source;
  }
  std::printf("%d objects, %d of failed runs: %d (%.2f%%) hold words no source makes\n", kPrograms,
              failed, warned, 100.0 * warned / kPrograms);
  EXPECT_GT(failed, kPrograms / 10);
  EXPECT_EQ(warned, 0);
}

std::string Repeat(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line;
  return text;
}

// Programs at the limits: more jump targets than the symbol table has room
// for labels, the last address a word can take and one word past it.
TEST(RoundTrip, ProgramsAtTheLimits) {
  const struct {
    const char* name;
    std::string object;
    std::size_t warnings;
    std::string shows = "";
    bool clean = true;
  } rows[] = {
      {"300 jump targets", Repeat("&hA800\r\n", 300) + Repeat("&hB800\t&h0\r\n", 2), 0},
      {"a jump to every word", Repeat("&hA800\r\n", 32766) + "&hE000\r\n", 0},
      {"a word at 32766", Cat("&hB800\t&h7FFE\r\n", Repeat("&h8800\t&h0\r\n", 16382), "&hE000\r\n"),
       0, "GOTO L32766\r\n"},
      {"a word at 32767", Repeat("&h8800\t&h0\r\n", 16383) + "&hE000\r\n&hE000\r\n", 1},
      {"a block up to 32766", Cat(Repeat("&h8800\t&h0\r\n", 16382), "&hE802\r\n&h0\r\n&h0\r\n"), 0},
      {"a block past 32766", Cat(Repeat("&h8800\t&h0\r\n", 16383), "&hE801\r\n&h0\r\n"), 1,
       "BOUT 0\r\n; &h0\r\n", false},
      {"a header of 255 at 32510 with 256 data words",
       Cat(Repeat("&h8800\t&h0\r\n", 16255), "&hE8FF\r\n", Repeat("&h8800\r\n", 256)), 0,
       "BOUT 256\r\n", false},
      {"one data word too many for 32766",
       Cat(Repeat("&h8800\t&h0\r\n", 16255), "&hE8FF\r\n", Repeat("&h8800\r\n", 257)), 1,
       "BOUT 256\r\n", false},
  };
  Compiler compiler;
  for (const auto& row : rows) {
    EXPECT_EQ(RoundTrip(compiler, row.object, row.warnings, row.clean), "") << row.name;
    EXPECT_NE(Disassemble(row.object, {}).source.find(row.shows), std::string::npos) << row.name;
  }
}

std::string FirstLine(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  return line;
}

std::string Bytes(const std::filesystem::path& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

// The object of every case whose run had no errors; and every object a
// disassembly case reads without a warning, in the assembler's own form
// (no byte-order mark, lines ended by CR LF), comes back word for word.
TEST(RoundTrip, EveryCaseObject) {
  Compiler compiler;
  int objects = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ZOLT_CASES_DIR)) {
    std::filesystem::path path = entry.path();
    const bool assembled = path.extension() == ".obj";
    const bool disassembled =
        path.extension() == ".zol" &&
        FirstLine(std::filesystem::path(path).replace_extension(".args")) == "--disassemble";
    if ((!assembled && !disassembled) ||
        FirstLine(std::filesystem::path(path).replace_extension(".out")) != "exit 0") {
      continue;
    }
    const std::string object = Bytes(path);
    const bool ownForm =
        !object.starts_with("\xEF\xBB\xBF") && object.find('\n') == object.find("\r\n") + 1;
    if (disassembled && !ownForm) continue;
    EXPECT_EQ(RoundTrip(compiler, object, 0, assembled), "") << path;
    ++objects;
  }
  EXPECT_GE(objects, 25);
}

}  // namespace
}  // namespace zolt
