// The source is read into one string of the size the file system reports;
// files whose size is not known up front must still be read to their end.

#include <gtest/gtest.h>

#include <string>

#include "compiler.h"
#include "file_channels.h"
#include "scratch_folder.h"

namespace zolt {
namespace {

std::string ReadAll(const std::string& path) {
  FileChannels channels;
  channels.OpenForReading(path);
  std::string text;
  while (!channels.AtEnd()) {
    text += channels.ReadLine();
    text += '\n';
  }
  return text;
}

TEST(FileReading, ReadsExactlyTheFileAcrossManyChunks) {
  const robustness::ScratchFolder folder;
  std::string source;
  for (int i = 0; i < 40000; ++i) source += "NOP ; line " + std::to_string(i) + "\n";
  robustness::WriteFile(folder / "big.ZOL", source);
  EXPECT_EQ(ReadAll(folder / "big.ZOL"), source);
}

TEST(FileReading, ReadsAnEmptyFile) {
  const robustness::ScratchFolder folder;
  robustness::WriteFile(folder / "empty.ZOL", "");
  EXPECT_EQ(ReadAll(folder / "empty.ZOL"), "");
}

// Files under /proc report a size of 0 and still have content.
TEST(FileReading, ReadsAFileThatReportsNoSize) {
  const std::string text = ReadAll("/proc/self/status");
  EXPECT_TRUE(text.starts_with("Name:")) << text.substr(0, 40);
  EXPECT_NE(text.find("\nPid:"), std::string::npos);
}

}  // namespace
}  // namespace zolt
