#include <gtest/gtest.h>

#include <string>

#include "channels.h"
#include "compiler.h"
#include "hard_error.h"
#include "listing_format.h"
#include "run.h"

namespace zolt {
namespace {

constexpr const char* kHeader =
    "Filemane:P.lst\r\n\r\naddr    code            line    Source Text\r\n";

MemoryRun Assemble(Compiler& compiler, const std::string& source) {
  return RunInMemory(compiler, "P.ZOL", source);
}

std::string Repeat(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line;
  return text;
}

std::string LastLine(const std::string& text) {
  const std::size_t end = text.rfind("\r\n");
  const std::size_t start = text.rfind("\r\n", end - 1);
  return text.substr(start + 2, end - start - 2);
}

TEST(Driver, AProgramMayEndAtAddress32766) {
  Compiler compiler;
  const MemoryRun run = Assemble(compiler, Repeat("OUT 1\n", 16383) + "NOP\n");
  EXPECT_EQ(run.outcome.caption, "编译完成");
  EXPECT_EQ(LastLine(run.listing), " 32766 \tE000\t\t 16384\tNOP");
  EXPECT_EQ(compiler.Address, 32767);
}

TEST(Driver, PassingAddress32767FailsInPass1WithItsLine) {
  for (const char* last : {"NOP\n", "GOTO 1\n", "BOUT 0\n", "END\n"}) {
    Compiler compiler;
    MemoryChannels channels("P.ZOL", Repeat("OUT 1\n", 16383) + "HALT\n" + last);
    compiler.FileName = "P.ZOL";
    compiler.ReadSource(channels);
    try {
      compiler.Compile(channels);
      FAIL() << last;
    } catch (const HardError& error) {
      EXPECT_STREQ(error.what(), "the program passes address 32767");
      EXPECT_EQ(error.Line(), 16385);
    }
    EXPECT_EQ(channels.Listing(), kHeader) << "pass 1 writes nothing";
    EXPECT_EQ(channels.Object(), "");
  }
}

TEST(Driver, The32767LineMaximumAssembles) {
  Compiler compiler;
  const MemoryRun run = Assemble(compiler, Repeat("NOP\r\n", 32767));
  EXPECT_EQ(run.outcome.caption, "编译完成");
  EXPECT_EQ(compiler.LineCount, 32767);
  EXPECT_EQ(LastLine(run.listing), " 32766 \tE000\t\t 32767\tNOP");
}

TEST(Driver, CaptionCountsLinesNotCauses) {
  Compiler compiler;
  const MemoryRun run = Assemble(compiler, "DL FOO\nFOO\nBOUT 2\n-1\n70000\nDL 1\n");
  EXPECT_EQ(run.outcome.caption, "发现 3处错误");
  EXPECT_EQ(compiler.ErrorCount, 3);
  ASSERT_EQ(compiler.Diagnostics.size(), 4U);
  EXPECT_EQ(compiler.Diagnostics[0],
            (Diagnostic{1,
                        "'FOO' is not a defined symbol; 0 used; DL operand '0' gives 0, "
                        "outside 1 to 255; 1 used"}));
  EXPECT_EQ(compiler.Diagnostics[3].line, 5);
}

TEST(Driver, ASecondRunSeesOnlyItsOwnLinesAndSymbols) {
  Compiler compiler;
  Assemble(compiler, "FAR: NOP\nDL 3\nNEAR:\nGOTO FAR\n");
  const MemoryRun second = Assemble(compiler, "GOTO NEAR\n");
  EXPECT_EQ(second.outcome.caption, "发现 1处错误");
  EXPECT_EQ(second.object, "&hB800\t&h0\r\n");
  EXPECT_EQ(compiler.SourceLine(3), "GOTO FAR") << "kept from the longer file";
  EXPECT_EQ(compiler.FileName, "P.lst");
  EXPECT_EQ(compiler.ObjectFileName, "P.obj");
}

TEST(Driver, AFailedRunKeepsWhatWasWrittenAndTheNextRunWorks) {
  Compiler compiler;
  MemoryChannels channels("P.ZOL", "NOP\nLOOP:\nDL 12AB\nHALT\n");
  compiler.FileName = "P.ZOL";
  compiler.ReadSource(channels);
  try {
    compiler.Compile(channels);
    FAIL();
  } catch (const HardError& error) {
    EXPECT_EQ(error.Line(), 3);
  }
  EXPECT_EQ(channels.Listing(),
            std::string(kHeader) + " 0 \tE000\t\t 1\tNOP\r\n\t\t\t 2\tLOOP:\r\n");
  EXPECT_EQ(channels.Object(), "&hE000\r\n");
  EXPECT_EQ(Assemble(compiler, "HALT\n").object, "&hF000\r\n");
}

TEST(Driver, OutputPathsReplaceTheLastThreeCharactersWhateverTheyAre) {
  const struct {
    const char* source;
    const char* listing;
  } rows[] = {{"D:\\WORK\\DEMO.ZOL", "D:\\WORK\\DEMO.lst"},
              {"PROG.AS", "PROGlst"},
              {"/tmp/程序.zol", "/tmp/程序.lst"},
              {"/tmp/程序文件", "/tmp/程lst"},
              {"AB", "lst"}};
  for (const auto& row : rows) {
    Compiler compiler;
    MemoryChannels channels(row.source, "NOP");
    compiler.FileName = row.source;
    compiler.ReadSource(channels);
    compiler.Compile(channels);
    EXPECT_EQ(compiler.FileName, row.listing);
    EXPECT_TRUE(channels.Listing().starts_with(std::string("Filemane:") + row.listing + "\r\n"));
  }
}

TEST(Driver, AnOutputThatWouldOverwriteTheSourceFailsBeforeAnythingIsOpened) {
  for (const char* source : {"x.lst", "x.obj"}) {
    Compiler compiler;
    MemoryChannels channels(source, "NOP");
    compiler.FileName = source;
    compiler.ReadSource(channels);
    EXPECT_THROW(compiler.Compile(channels), HardError);
    EXPECT_EQ(channels.Listing(), "");
  }
}

}  // namespace
}  // namespace zolt
