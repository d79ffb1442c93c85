// The window keeps one compile context for its whole life; a run must not
// depend on what earlier runs left in it.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "compiler.h"
#include "hard_error.h"
#include "run.h"

namespace zolt {
namespace {

MemoryRun Assemble(Compiler& compiler, const std::string& source) {
  return RunInMemory(compiler, "prog.ZOL", source);
}

TEST(ContextReuse, ALaterShorterRunMatchesAFreshContext) {
  const std::string longer = "A: \nB EQU 7\nBOUT 2\n1\n2\nGOTO C\nC:\nSET B\nDL 300\nEND\n";
  const std::string shorter = "GOTO C\nSET B\nOUT A\n";
  Compiler reused;
  Assemble(reused, longer);
  const MemoryRun again = Assemble(reused, shorter);
  Compiler fresh;
  const MemoryRun expected = Assemble(fresh, shorter);
  EXPECT_EQ(again.outcome.caption, expected.outcome.caption);
  EXPECT_EQ(again.listing, expected.listing);
  EXPECT_EQ(again.object, expected.object);
  EXPECT_EQ(again.outcome.caption, "发现 3处错误");
}

TEST(ContextReuse, LinesNoRunHasReadAreEmptyUpToTheLastSlot) {
  Compiler compiler;
  Assemble(compiler, "NOP\nHALT\n");
  EXPECT_EQ(compiler.SourceLine(1), "HALT");
  EXPECT_EQ(std::as_const(compiler).SourceLine(2), "");
  EXPECT_EQ(std::as_const(compiler).SourceLine(Compiler::kSourceSize - 1), "");
  EXPECT_THROW(std::as_const(compiler).SourceLine(Compiler::kSourceSize), HardError);
  EXPECT_THROW(compiler.SourceLine(-1), HardError);
}

}  // namespace
}  // namespace zolt
