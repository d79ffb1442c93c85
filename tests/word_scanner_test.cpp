#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "compiler.h"
#include "hard_error.h"

namespace zolt {
namespace {

struct WordCase {
  const char* text;
  const char* word;
  const char* textAfter;
};

void PrintTo(const WordCase& c, std::ostream* out) {
  *out << c.text;
}

class CommWordTest : public testing::TestWithParam<WordCase> {};

TEST_P(CommWordTest, ReturnsTheFirstWordAndStripsLeadingBlanks) {
  Compiler compiler;
  std::string text = GetParam().text;
  EXPECT_EQ(compiler.CommWord(text), GetParam().word);
  EXPECT_EQ(text, GetParam().textAfter);
}

INSTANTIATE_TEST_SUITE_P(Examples, CommWordTest,
                         testing::Values(WordCase{" \tSET 5", "SET", "SET 5"},
                                         WordCase{"NOP", "NOP", "NOP"},
                                         WordCase{"N=5", "N=5", "N=5"},
                                         WordCase{"A,B C", "A,B", "A,B C"}, WordCase{"X", "X", "X"},
                                         WordCase{"GOTO\tLOOP", "GOTO", "GOTO\tLOOP"},
                                         WordCase{"  5;", "5;", "5;"},
                                         WordCase{"\x8A\xBC zh", "\x8A\xBC", "\x8A\xBC zh"}));

TEST(CommWord, NothingOrOnlyBlanksIsAHardErrorAndEmptiesTheText) {
  Compiler compiler;
  for (const char* blank : {"", "\t\t", " \t ", " "}) {
    std::string text = blank;
    EXPECT_THROW(compiler.CommWord(text), HardError) << '"' << blank << '"';
    EXPECT_EQ(text, "");
  }
}

class CommWord1Test : public testing::Test {
 protected:
  void SetUp() override {
    compiler.Symbols.Define("LOOP", 10);
    compiler.Symbols.Define("RATE", 1.5F);
    compiler.Symbols.Define("LOOP", 99);
  }

  std::string Evaluate(const char* word1, std::int16_t address, std::string text) {
    compiler.Word1 = word1;
    compiler.Address = address;
    return compiler.CommWord1(text);
  }

  Compiler compiler;
};

TEST_F(CommWord1Test, LiteralsComeBackAsWritten) {
  for (const char* literal : {"-3", "&H1F", "12AB", "&HXYZ", "-", "5", "0.5"}) {
    EXPECT_EQ(Evaluate("CJMP", 4, literal), literal);
    EXPECT_EQ(compiler.ErrorFlag, 0);
  }
}

TEST_F(CommWord1Test, SymbolsGiveTheirValueOrTheirDistanceForRelativeJumps) {
  EXPECT_EQ(Evaluate("GOTO", 4, "LOOP"), "10");
  EXPECT_EQ(Evaluate("CJMP", 4, "LOOP"), "6");
  EXPECT_EQ(Evaluate("DJNZI", 12, "LOOP"), "-2");
  EXPECT_EQ(Evaluate("DJNZJ", 10, "LOOP"), "0");
  EXPECT_EQ(Evaluate("SET", 0, "RATE"), "1.5");
  EXPECT_EQ(Evaluate("BOUT", 50, "LOOP"), "10");
  EXPECT_EQ(compiler.ErrorFlag, 0);
}

TEST_F(CommWord1Test, FirstDefinitionWins) {
  EXPECT_EQ(Evaluate("GOTO", 0, "  LOOP x"), "10");
}

TEST_F(CommWord1Test, UndefinedNamesGiveZeroAndMarkTheLine) {
  EXPECT_EQ(Evaluate("DL", 0, "&h1F"), "0");
  EXPECT_EQ(compiler.ErrorFlag, 1);
  EXPECT_EQ(Evaluate("DL", 0, "LOOP"), "10");
  EXPECT_EQ(compiler.ErrorFlag, 1) << "never cleared here";
  ASSERT_EQ(compiler.Diagnostics.size(), 1U);
  EXPECT_NE(compiler.Diagnostics[0].cause.find("'&h1F'"), std::string::npos);
}

TEST_F(CommWord1Test, EntriesAtOrAboveLabelCountAreNotSeen) {
  compiler.Symbols.Reset();
  compiler.Symbols.Define("OTHER", 1);
  EXPECT_EQ(compiler.Symbols.LabelName(1), "RATE") << "kept from the earlier run";
  EXPECT_EQ(Evaluate("GOTO", 0, "RATE"), "0");
  EXPECT_EQ(compiler.ErrorFlag, 1);
}

TEST_F(CommWord1Test, TheSymbolTableHolds513Entries) {
  compiler.Symbols.Reset();
  for (int i = 0; i < SymbolTable::kSize; ++i) compiler.Symbols.Define(std::to_string(i) + "S", 0);
  try {
    compiler.Symbols.Define("ONE_TOO_MANY", 0);
    FAIL();
  } catch (const HardError& error) {
    EXPECT_STREQ(error.what(), "symbol table is full (513 entries)");
  }
  EXPECT_THROW(compiler.Symbols.LabelName(513), HardError);
}

}  // namespace
}  // namespace zolt
