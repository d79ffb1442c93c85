#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "compiler.h"
#include "hard_error.h"
#include "instruction_set.h"

namespace zolt {
namespace {

struct Encoded {
  std::uint16_t word;
  std::uint16_t word2;
  int words;
  bool inError;
};

// Encodes one prepared statement line at an address, as pass 2 does.
Encoded EncodeAt(Compiler& compiler, const std::string& line, std::int16_t address) {
  compiler.LineText = line;
  compiler.Word1 = compiler.CommWord(compiler.LineText);
  compiler.Address = address;
  compiler.ListAddress = address;
  compiler.ErrorFlag = 0;
  compiler.WordCount = 0;
  compiler.CodeWord2 = 0;
  const Instruction* instruction = FindInstruction(compiler.Word1);
  EXPECT_NE(instruction, nullptr) << line;
  compiler.Encode(*instruction);
  EXPECT_EQ(compiler.Address, address + instruction->words) << line;
  return {static_cast<std::uint16_t>(compiler.CodeWord),
          static_cast<std::uint16_t>(compiler.CodeWord2), compiler.WordCount,
          compiler.ErrorFlag == 1};
}

struct EncodingCase {
  const char* line;
  std::int16_t address;
  std::uint16_t word;
  std::uint16_t word2;
  bool inError;
};

void PrintTo(const EncodingCase& c, std::ostream* out) {
  *out << c.line;
}

class Encoding : public testing::TestWithParam<EncodingCase> {
 protected:
  void SetUp() override {
    compiler.Symbols.Define("L10", 10);
    compiler.Symbols.Define("L25", 25);
    compiler.Symbols.Define("RATE", 1.5F);
    compiler.Symbols.Define("FAR", 2000);
  }
  Compiler compiler;
};

TEST_P(Encoding, GivesTheWordsAndErrorMark) {
  const EncodingCase& c = GetParam();
  const Encoded encoded = EncodeAt(compiler, c.line, c.address);
  EXPECT_EQ(encoded.word, c.word) << std::hex << encoded.word;
  if (encoded.words == 2) {
    EXPECT_EQ(encoded.word2, c.word2) << std::hex << encoded.word2;
  }
  EXPECT_EQ(encoded.inError, c.inError);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Encoding,
    testing::Values(
        EncodingCase{"SET 1.5", 0, 0x3A98, 0, false}, EncodingCase{"SET 3.5", 0, 0x7530, 0, true},
        EncodingCase{"SET -1", 0, 0x0000, 0, true}, EncodingCase{"SET RATE", 0, 0x3A98, 0, false},
        EncodingCase{"DL 255", 0, 0x90FF, 0, false}, EncodingCase{"DL 256", 0, 0x90FF, 0, true},
        EncodingCase{"DL 0", 0, 0x9001, 0, true}, EncodingCase{"DL 2.5", 0, 0x9002, 0, false},
        EncodingCase{"DL\t\t7 ; rest ignored", 0, 0x9007, 0, false},
        EncodingCase{"DL UNDEFINED", 0, 0x9001, 0, true},
        EncodingCase{"STEP -0.05", 0, 0xA5F4, 0, false},
        EncodingCase{"STEP 0.1", 0, 0xA3E8, 0, false},
        EncodingCase{"STEP -0.1", 0, 0xA7E8, 0, false}, EncodingCase{"STEP 0", 0, 0xA000, 0, false},
        EncodingCase{"DJNZI L10", 12, 0xD403, 0, false},
        EncodingCase{"DJNZI L10", 9, 0xD000, 0, false},
        EncodingCase{"CJMP L25", 20, 0xA804, 0, false},
        EncodingCase{"DJNZI 5", 300, 0xD005, 0, false},
        EncodingCase{"DJNZJ FAR", 0, 0xDBFF, 0, true},
        EncodingCase{"DJNZI UNDEFINED", 7, 0xD000, 0, true},
        EncodingCase{"CJMP +3", 7, 0xA800, 0, true},
        EncodingCase{"GOTO 40000", 0, 0xB800, 0x9C40, false},
        EncodingCase{"GOTO L25", 0, 0xB800, 25, false},
        EncodingCase{"OUT 70000", 0, 0x8800, 0xFFFF, true},
        EncodingCase{"GOTO -1", 0, 0xB800, 0x0000, true},
        EncodingCase{"OUT &HFFFF", 0, 0x8800, 0xFFFF, false},
        EncodingCase{"NOP anything at all", 0, 0xE000, 0, false},
        EncodingCase{"HALT", 0, 0xF000, 0, false}, EncodingCase{"END", 0, 0xF800, 0, false}));

// Every bound is accepted as it stands; one step beyond is clamped to it.
struct BoundCase {
  const char* mnemonic;
  const char* low;
  const char* belowLow;
  std::uint16_t lowWord;
  const char* high;
  const char* aboveHigh;
  std::uint16_t highWord;
};

void PrintTo(const BoundCase& c, std::ostream* out) {
  *out << c.mnemonic;
}

class Bounds : public testing::TestWithParam<BoundCase> {};

TEST_P(Bounds, AcceptedOnTheBoundClampedBeyondIt) {
  const BoundCase& c = GetParam();
  const std::string m = c.mnemonic;
  Compiler compiler;
  const auto word = [](const Encoded& e) { return e.words == 2 ? e.word2 : e.word; };
  const struct {
    std::string operand;
    std::uint16_t expected;
    bool inError;
  } rows[] = {{c.low, c.lowWord, false},
              {c.belowLow, c.lowWord, true},
              {c.high, c.highWord, false},
              {c.aboveHigh, c.highWord, true}};
  for (const auto& row : rows) {
    const Encoded encoded = EncodeAt(compiler, m + " " + row.operand, 100);
    EXPECT_EQ(word(encoded), row.expected) << m << " " << row.operand;
    EXPECT_EQ(encoded.inError, row.inError) << m << " " << row.operand;
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryMnemonic, Bounds,
    testing::Values(BoundCase{"SET", "0", "-0.0001", 0x0000, "3", "3.0001", 0x7530},
                    BoundCase{"DL", "1", "0", 0x9001, "255", "256", 0x90FF},
                    BoundCase{"TIME", "1", "0", 0x9801, "255", "256", 0x98FF},
                    BoundCase{"N=", "1", "0", 0xB001, "255", "256", 0xB0FF},
                    BoundCase{"I=", "1", "0", 0xC001, "255", "256", 0xC0FF},
                    BoundCase{"J=", "1", "0", 0xC801, "255", "256", 0xC8FF},
                    BoundCase{"STEP", "-0.1", "-0.1001", 0xA7E8, "0.1", "0.1001", 0xA3E8},
                    BoundCase{"DJNZI", "-1023", "-1024", 0xD7FF, "1023", "1024", 0xD3FF},
                    BoundCase{"DJNZJ", "-1023", "-1024", 0xDFFF, "1023", "1024", 0xDBFF},
                    BoundCase{"CJMP", "-1023", "-1024", 0xAFFF, "1023", "1024", 0xABFF},
                    BoundCase{"OUT", "0", "-1", 0x0000, "65535", "65536", 0xFFFF},
                    BoundCase{"GOTO", "0", "-1", 0x0000, "65535", "65536", 0xFFFF}),
    [](const testing::TestParamInfo<BoundCase>& info) {
      std::string name = info.param.mnemonic;
      if (name.back() == '=') name.back() = '_';
      return name;
    });

TEST(Encoding, ClampedOperandsAreExplained) {
  Compiler compiler;
  EncodeAt(compiler, "DL 300", 0);
  ASSERT_EQ(compiler.Diagnostics.size(), 1U);
  EXPECT_EQ(compiler.Diagnostics[0].cause,
            "DL operand '300' gives 300, outside 1 to 255; 255 used");
}

TEST(Encoding, ErrorFlagIsNeverClearedByTheEncoder) {
  Compiler compiler;
  compiler.LineText = "NOP";
  compiler.Word1 = "NOP";
  compiler.ErrorFlag = 1;
  compiler.Encode(*FindInstruction("NOP"));
  EXPECT_EQ(compiler.ErrorFlag, 1);
}

struct HardCase {
  const char* line;
  std::int16_t address;
  const char* cause;
};

void PrintTo(const HardCase& c, std::ostream* out) {
  *out << c.line;
}

class EncodingFailure : public testing::TestWithParam<HardCase> {};

TEST_P(EncodingFailure, IsAHardErrorWithItsCause) {
  Compiler compiler;
  try {
    EncodeAt(compiler, GetParam().line, GetParam().address);
    FAIL() << "no hard error";
  } catch (const HardError& error) {
    EXPECT_STREQ(error.what(), GetParam().cause);
  }
}

INSTANTIATE_TEST_SUITE_P(Operands, EncodingFailure,
                         testing::Values(HardCase{"SET", 0, "SET has no operand"},
                                         HardCase{"DL \t  ", 0, "DL has no operand"},
                                         HardCase{"DL 12AB", 0, "'12AB' is not a number"},
                                         HardCase{"DL 5;", 0, "'5;' is not a number"},
                                         HardCase{"DL -", 0, "'-' is not a number"},
                                         HardCase{"SET 1E10", 0, "'1E10' is too large"},
                                         HardCase{"NOP", 32767, "the program passes address 32767"},
                                         HardCase{"GOTO 1", 32766,
                                                  "the program passes address 32767"}));

TEST(Encoding, TheLastWordMayStandAt32766) {
  Compiler compiler;
  EXPECT_EQ(EncodeAt(compiler, "NOP", 32766).word, 0xE000);
  EXPECT_EQ(EncodeAt(compiler, "GOTO 1", 32765).word2, 1);
}

}  // namespace
}  // namespace zolt
