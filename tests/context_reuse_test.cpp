// The window keeps one compile context for its whole life, and zoltasm one
// for all the sources of a command line: a run must give exactly what a fresh
// context gives, whatever earlier runs left in it.

#include <gtest/gtest.h>

#include <string>

#include "compiler.h"
#include "hard_error.h"
#include "run.h"

namespace zolt {
namespace {

struct Row {
  const char* name;
  std::string earlier;
  std::string later;
};

// A full symbol table: 256 labels take two entries each, and one EQU.
std::string FullSymbolTable() {
  std::string source = "X EQU 1\n";
  for (int i = 0; i < 256; ++i) source.append("L").append(std::to_string(i)).append(":\n");
  return source + "GOTO L255\n";
}

TEST(ContextReuse, ALaterRunMatchesAFreshContext) {
  const Row rows[] = {
      {"full symbol table", FullSymbolTable(), FullSymbolTable()},
      // Longer, with symbols and a block that the shorter one names.
      {"longer", "A: \nB EQU 7\nBOUT 2\n1\n2\nGOTO C\nC:\nSET B\nDL 300\nEND\n",
       "GOTO C\nSET B\nOUT A\n"},
      {"failed in pass 2", "NOP\nLOOP:\nDL 12AB\nHALT\n", "GOTO LOOP\nHALT\n"},
      {"failed in pass 1", "X EQU 1\nY EQU Z\n", "DL X\nDL Y\n"},
      {"lines in error", "FOO\nDL 0\n", "NOP\n"},
      {"the same source", "L: DJNZI L\nGOTO L\n", "L: DJNZI L\nGOTO L\n"},
  };
  for (const Row& row : rows) {
    Compiler reused;
    RunInMemory(reused, "prog.ZOL", row.earlier);
    const MemoryRun again = RunInMemory(reused, "prog.ZOL", row.later);
    Compiler fresh;
    EXPECT_EQ(again, RunInMemory(fresh, "prog.ZOL", row.later)) << row.name;
    EXPECT_EQ(reused.Diagnostics, fresh.Diagnostics) << row.name;
    EXPECT_EQ(reused.ErrorCount, fresh.ErrorCount) << row.name;
  }
}

TEST(ContextReuse, LinesThisRunHasNotReadAreEmptyUpToTheLastSlot) {
  Compiler compiler;
  RunInMemory(compiler, "prog.ZOL", "NOP\nHALT\nEND\n");
  RunInMemory(compiler, "prog.ZOL", "NOP\n");
  EXPECT_EQ(compiler.SourceLine(0), "NOP");
  EXPECT_EQ(compiler.SourceLine(1), "") << "the longer file's lines are gone with it";
  EXPECT_EQ(compiler.SourceLine(3), "");
  EXPECT_EQ(compiler.SourceLine(Compiler::kSourceSize - 1), "");
  EXPECT_THROW(compiler.SourceLine(Compiler::kSourceSize), HardError);
  EXPECT_THROW(compiler.SourceLine(-1), HardError);
}

}  // namespace
}  // namespace zolt
