// The disassembler's promise: the source it writes assembles, without a line
// in error or a warning, to the very object file it read, unless it warned
// of words no statement makes. Checked on every first word, on seeded random
// programs, on programs at the limits, and on every case's object file of a
// run without errors.

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
// about stand as comments, so the object it gives back lacks them.
std::string RoundTrip(Compiler& compiler, const std::string& object, std::size_t warnings = 0) {
  for (const bool addresses : {false, true}) {
    const Disassembly disassembly = Disassemble(object, {addresses});
    const MemoryRun run = RunInMemory(compiler, "back.ZOL", disassembly.source);
    if (disassembly.warnings.size() != warnings) return Cat("the warnings:\n", disassembly.source);
    if (!run.outcome.completed || compiler.ErrorCount != 0 || !compiler.Diagnostics.empty()) {
      return Cat("the source does not assemble cleanly:\n", disassembly.source);
    }
    if (warnings == 0 && run.object != object) return Cat("other words:\n", disassembly.source);
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
// comments and lines after END.
class ProgramMaker {
 public:
  explicit ProgramMaker(unsigned seed) : random_(seed) {}

  std::string Make() {
    const int labels = Pick(0, 8);
    const int lines = Pick(1, 40);
    std::string source = Cat("K EQU ", std::to_string(Pick(1, 255)), "\r\n");
    for (int line = 0; line < lines; ++line) {
      if (Pick(0, 5) == 0 && labels > 0) source += Cat(Label(labels), ":\n");
      source += Statement(labels);
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

  std::mt19937 random_;
};

TEST(RoundTrip, TenThousandRandomPrograms) {
  Compiler compiler;
  ProgramMaker maker(20261207);
  for (int program = 0; program < 10000; ++program) {
    const std::string source = maker.Make();
    const MemoryRun run = RunInMemory(compiler, "prog.ZOL", source);
    ASSERT_TRUE(run.outcome.completed && compiler.ErrorCount == 0) << source;
    ASSERT_EQ(RoundTrip(compiler, run.object), "") << source;
  }
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
  } rows[] = {
      {"300 jump targets", Repeat("&hA800\r\n", 300) + Repeat("&hB800\t&h0\r\n", 2), 0},
      {"a jump to every word", Repeat("&hA800\r\n", 32766) + "&hE000\r\n", 0},
      {"a word at 32766", Cat("&hB800\t&h7FFE\r\n", Repeat("&h8800\t&h0\r\n", 16382), "&hE000\r\n"),
       0, "GOTO L32766\r\n"},
      {"a word at 32767", Repeat("&h8800\t&h0\r\n", 16383) + "&hE000\r\n&hE000\r\n", 1},
      {"a block up to 32766", Cat(Repeat("&h8800\t&h0\r\n", 16382), "&hE802\r\n&h0\r\n&h0\r\n"), 0},
      {"a block past 32766", Cat(Repeat("&h8800\t&h0\r\n", 16383), "&hE801\r\n&h0\r\n"), 1},
  };
  Compiler compiler;
  for (const auto& row : rows) {
    EXPECT_EQ(RoundTrip(compiler, row.object, row.warnings), "") << row.name;
    EXPECT_NE(Disassemble(row.object, {}).source.find(row.shows), std::string::npos) << row.name;
  }
}

TEST(RoundTrip, EveryCaseObjectOfARunWithoutErrors) {
  Compiler compiler;
  int objects = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ZOLT_CASES_DIR)) {
    if (entry.path().extension() != ".obj") continue;
    std::filesystem::path transcript = entry.path();
    std::ifstream exit(transcript.replace_extension(".out"));
    std::string status;
    std::getline(exit, status);
    if (status != "exit 0") continue;
    std::ostringstream object;
    object << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    EXPECT_EQ(RoundTrip(compiler, object.str()), "") << entry.path();
    ++objects;
  }
  EXPECT_GE(objects, 20);
}

}  // namespace
}  // namespace zolt
