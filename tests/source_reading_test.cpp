#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "channels.h"
#include "compiler.h"
#include "hard_error.h"

namespace zolt {
namespace {

std::vector<std::string> Read(Compiler& compiler, const std::string& bytes) {
  MemoryChannels channels("src.zol", bytes);
  compiler.FileName = "src.zol";
  compiler.ReadSource(channels);
  std::vector<std::string> lines;
  for (int i = 0; i < compiler.LineCount; ++i) lines.push_back(compiler.SourceLine(i));
  return lines;
}

struct SplitCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
  *out << c.name;
}

class LineEnds : public testing::TestWithParam<SplitCase> {};

TEST_P(LineEnds, SplitTheSourceIntoLines) {
  Compiler compiler;
  EXPECT_EQ(Read(compiler, GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, LineEnds,
    testing::Values(SplitCase{"CrLf", "NOP\r\nHALT\r\n", {"NOP", "HALT"}},
                    SplitCase{"Lf", "NOP\nHALT\n", {"NOP", "HALT"}},
                    SplitCase{"Cr", "NOP\rHALT\r", {"NOP", "HALT"}},
                    SplitCase{"Mixed", "A\r\nB\nC\rD", {"A", "B", "C", "D"}},
                    SplitCase{"LastLineWithoutEnding", "NOP\r\nHALT", {"NOP", "HALT"}},
                    SplitCase{"Empty", "", {}}, SplitCase{"OneEmptyLine", "\r\n", {""}},
                    SplitCase{"EmptyLinesKept", "A\r\n\r\n\nB", {"A", "", "", "B"}},
                    SplitCase{"LfThenCrIsTwoEndings", "A\n\rB", {"A", "", "B"}},
                    SplitCase{"ByteOrderMark", "\xEF\xBB\xBFNOP\r\n", {"NOP"}},
                    SplitCase{"MarkOnlyAtTheStart", "A\n\xEF\xBB\xBF", {"A", "\xEF\xBB\xBF"}},
                    SplitCase{"BytesKept",
                              std::string("; \xD6\xD0\xCE\xC4\0x\t \n", 11),
                              {std::string("; \xD6\xD0\xCE\xC4\0x\t ", 10)}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(SourceReading, Takes32767LinesAndFailsOnThe32768th) {
  Compiler compiler;
  std::string source;
  for (int i = 0; i < 32767; ++i) source += "NOP\n";
  EXPECT_EQ(Read(compiler, source).size(), 32767U);
  source += "NOP\n";
  try {
    Read(compiler, source);
    FAIL() << "no hard error";
  } catch (const HardError& error) {
    EXPECT_STREQ(error.what(), "the source has more than 32767 lines");
  }
}

TEST(SourceReading, AShorterFileLeavesTheLongerFilesLinesBehindItsCount) {
  Compiler compiler;
  Read(compiler, "A\nB\nC\n");
  EXPECT_EQ(Read(compiler, "X\n").size(), 1U);
  EXPECT_EQ(compiler.SourceLine(1), "B");
  EXPECT_EQ(compiler.SourceLine(32768), "");
  EXPECT_THROW(compiler.SourceLine(32769), HardError);
  EXPECT_THROW(compiler.SourceLine(-1), HardError);
}

TEST(SourceReading, AMissingFileIsAHardError) {
  Compiler compiler;
  MemoryChannels channels("src.zol", "NOP");
  compiler.FileName = "other.zol";
  EXPECT_THROW(compiler.ReadSource(channels), HardError);
}

}  // namespace
}  // namespace zolt
