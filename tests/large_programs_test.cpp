// Programs at the limits of the address space and of the source table, and
// output paths in names of several-byte characters: sources too large, or
// paths too odd, for a case file.

#include <gtest/gtest.h>

#include <string>

#include "compiler.h"
#include "run.h"

namespace zolt {
namespace {

constexpr const char* kHeader =
    "Filemane:P.lst\r\n\r\naddr    code            line    Source Text\r\n";

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

struct Row {
  std::string source;
  // A completed run's last listing line, or a failed run's line number.
  std::string lastLine;
  int failureLine;
};

TEST(LargePrograms, EndAtAddress32766OrFailInPass1) {
  const std::string upTo32765 = Repeat("OUT 1\n", 16383);
  const Row rows[] = {
      {upTo32765 + "NOP\n", " 32766 \tE000\t\t 16384\tNOP", 0},
      {Repeat("NOP\r\n", 32767), " 32766 \tE000\t\t 32767\tNOP", 0},
      {upTo32765 + "HALT\nNOP\n", "", 16385},
      {upTo32765 + "HALT\nEND\n", "", 16385},
      {upTo32765 + "HALT\nBOUT 0\n", "", 16385},
      {upTo32765 + "GOTO 1\n", "", 16384},
  };
  for (const Row& row : rows) {
    Compiler compiler;
    const MemoryRun run = RunInMemory(compiler, "P.ZOL", row.source);
    if (row.failureLine == 0) {
      EXPECT_EQ(run.outcome.caption, "编译完成");
      EXPECT_EQ(LastLine(run.Output(Channel::Listing)), row.lastLine);
      continue;
    }
    EXPECT_EQ(English(run.outcome.failure.message), "the program runs past address 32766");
    EXPECT_EQ(run.outcome.failure.where.line, row.failureLine);
    EXPECT_EQ(run.Output(Channel::Listing), kHeader) << "pass 1 writes nothing";
    EXPECT_EQ(run.Output(Channel::Object), "");
  }
}

TEST(LargePrograms, OutputPathsDropTheLastThreeCharactersNotBytes) {
  const struct {
    const char* source;
    const char* listing;
  } rows[] = {{"D:\\WORK\\DEMO.ZOL", "D:\\WORK\\DEMO.lst"},
              {"/tmp/程序.zol", "/tmp/程序.lst"},
              {"/tmp/程序文件", "/tmp/程lst"},
              // Characters of two, three and four bytes at the edges of
              // their lead bytes' ranges: U+00B0, U+FF3A, U+1F600, then
              // U+10FFFF, U+07FF, U+FFFF.
              {"/tmp/\xC2\xB0\xEF\xBC\xBA\xF0\x9F\x98\x80", "/tmp/lst"},
              {"/tmp/\xF4\x8F\xBF\xBF\xDF\xBF\xEF\xBF\xBF", "/tmp/lst"},
              // No UTF-8, each byte a character: an encoded surrogate, an
              // overlong form, a code point past U+10FFFF.
              {"/tmp/abc\xED\xA0\x80", "/tmp/abclst"},
              {"/tmp/abc\xE0\x80\x80", "/tmp/abclst"},
              {"/tmp/ab\xF4\x90\x80\x80", "/tmp/ab\xF4lst"}};
  for (const auto& row : rows) {
    Compiler compiler;
    const MemoryRun run = RunInMemory(compiler, row.source, "NOP");
    EXPECT_EQ(compiler.FileName, row.listing);
    EXPECT_TRUE(
        run.Output(Channel::Listing).starts_with(std::string("Filemane:") + row.listing + "\r\n"));
  }
}

}  // namespace
}  // namespace zolt
