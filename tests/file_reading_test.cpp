// The source is read into one string of the size the file system reports;
// lines must come out whole wherever the reads split them, and files whose
// size is not known up front must still be read to their end.

#include <gtest/gtest.h>

#include <string>

#include "file_channels.h"
#include "scratch_folder.h"
#include "text.h"

namespace zolt {
namespace {

std::string ReadAll(const std::string& path) {
  FileChannels channels;
  const std::string bytes = channels.ReadAll(path);
  std::string text;
  for (LineReader lines(bytes); !lines.AtEnd();) {
    text += lines.Next();
    text += '\n';
  }
  return text;
}

TEST(FileReading, GivesEveryLineWhole) {
  const test::ScratchFolder folder;
  std::string big;
  for (int i = 0; i < 40000; ++i) big += "NOP ; line " + std::to_string(i) + "\r\n";
  std::string expected;
  for (int i = 0; i < 40000; ++i) expected += "NOP ; line " + std::to_string(i) + "\n";
  const struct {
    const char* name;
    std::string bytes;
    std::string lines;
  } rows[] = {{"big.ZOL", big, expected}, {"empty.ZOL", "", ""}};
  for (const auto& row : rows) {
    test::WriteFile(folder / row.name, row.bytes);
    EXPECT_TRUE(ReadAll(folder / row.name) == row.lines) << row.name;
  }
  // Files under /proc report a size of 0 and still have content, small
  // (status) or of many reads' worth (the kernel's symbols, megabytes).
  const std::string status = ReadAll("/proc/self/status");
  EXPECT_TRUE(status.starts_with("Name:")) << status.substr(0, 40);
  EXPECT_NE(status.find("\nPid:"), std::string::npos);
  const std::string symbols = FileChannels().ReadAll("/proc/kallsyms");
  EXPECT_GT(symbols.size(), 1U << 20);
  EXPECT_TRUE(symbols == test::ReadFile("/proc/kallsyms"));
}

}  // namespace
}  // namespace zolt
