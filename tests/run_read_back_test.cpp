// What front ends read back from a run besides its bytes: the source line
// each listing line shows, the place among the run's messages of the
// message each fix belongs to, and the bytes an editor's analysis keeps.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "analysis.h"
#include "compiler.h"
#include "listing_format.h"
#include "run.h"
#include "run_observer.h"

namespace zolt {
namespace {

struct ListedCase {
  const char* source;
  // After the three header lines: each line's number, minus the line in
  // error's for an error line.
  std::vector<std::int32_t> body;
};

const ListedCase kListedCases[] = {
    {"; c\r\nNOP\r\n\r\nX\r\nL:\r\nGOTO L\r\n", {1, 2, 5, 6}},
    {"DL 300\r\nNOP\t\t; a\tb\r\n", {1, -1, 2}},
    {"MOV 5\r\n   ; indented\r\n", {1, -1, 2}},
    {"BOUT 2\r\n1\r\n70000\r\nEND\r\nNOP\r\n", {1, 2, 3, -3, 4}},
    {"", {}},
};

TEST(ListingReadBack, NumbersEachLineAsTheListingShowsIt) {
  for (const ListedCase& row : kListedCases) {
    Compiler compiler;
    const MemoryRun run = RunInMemory(compiler, "T.ZOL", row.source);
    std::vector<std::int32_t> expected{0, 0, 0};
    expected.insert(expected.end(), row.body.begin(), row.body.end());
    EXPECT_EQ(ListedLineNumbers(run.Output(Channel::Listing)), expected) << row.source;
  }
}

// A name defined again is said by the first pass, before the second pass
// says anything; in line order it comes after the lines in error above it.
TEST(FixPlaces, EachFixBelongsToItsMessageInLineOrder) {
  Compiler compiler;
  RunInMemory(compiler, "T.ZOL", "DL 300\r\nL:\r\nL:\r\nTIME 0\r\n");
  std::vector<std::pair<int, std::string>> fixes;
  for (const Diagnostic& diagnostic : compiler.Diagnostics) {
    if (diagnostic.fix) fixes.emplace_back(diagnostic.where.line, diagnostic.fix->text);
  }
  const std::vector<std::pair<int, std::string>> expected{{1, "255"}, {4, "1"}};
  EXPECT_EQ(fixes, expected);
}

// The page shows and saves the outputs of the analysis's real run: they are
// the bytes of a plain run, also for a run that stops and one whose failing
// line the analysis then runs past.
TEST(AnalysisOutputs, KeptAreThoseOfThePlainRun) {
  for (const char* source : {"NOP\r\nDL 300\r\n", "NOP\r\nOUT 0x10\r\nGOTO L\r\nL:\r\n", ""}) {
    Compiler compiler;
    const MemoryRun plain = RunInMemory(compiler, "T.ZOL", source);
    const lsp::TextLines text(source);
    const lsp::Analysis kept(compiler, "T.ZOL", text, lsp::Analysis::Outputs::Kept);
    EXPECT_EQ(kept.Listing(), plain.Output(Channel::Listing)) << source;
    EXPECT_EQ(kept.Object(), plain.Output(Channel::Object)) << source;
    EXPECT_EQ(kept.Outcome(), plain.outcome) << source;
    const lsp::Analysis dropped(compiler, "T.ZOL", text);
    EXPECT_EQ(dropped.Listing(), "") << source;
  }
}

}  // namespace
}  // namespace zolt
