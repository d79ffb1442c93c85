// The listing's file-name line is the one text the channels may rewrite: the
// source's bytes reach the listing unchanged whatever the system's code page.

#include <gtest/gtest.h>

#include <string>

#include "channels.h"
#include "compiler.h"
#include "file_channels.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zolt {
namespace {

class MarkedPathChannels : public MemoryChannels {
 public:
  using MemoryChannels::MemoryChannels;
  std::string PathText(const std::string& utf8Path) const override { return "<" + utf8Path + ">"; }
};

TEST(PathText, RewritesOnlyTheFileNameLine) {
  // A comment in GB2312 bytes and one in UTF-8: both are echoed as read.
  const std::string source = ";\xB1\xE0\xD2\xEB\r\n; 编译\r\nEND\r\n";
  MarkedPathChannels channels("C:/编译/p.ZOL", source);
  Compiler compiler;
  compiler.FileName = "C:/编译/p.ZOL";
  compiler.ReadSource(channels);
  compiler.Compile(channels);
  const std::string& listing = channels.Listing();
  EXPECT_TRUE(listing.starts_with("Filemane:<C:/编译/p.lst>\r\n\r\n")) << listing;
  EXPECT_NE(listing.find("\t 1\t;\xB1\xE0\xD2\xEB\r\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("\t 2\t; 编译\r\n"), std::string::npos) << listing;
}

TEST(PathText, MemoryChannelsKeepThePath) {
  const MemoryChannels channels("a.ZOL", "");
  EXPECT_EQ(channels.PathText("C:/编译/a.lst"), "C:/编译/a.lst");
}

struct PathCase {
  std::string utf8;
  std::string written;
};

TEST(PathText, FileChannelsWriteTheSystemsText) {
#ifdef _WIN32
  if (GetACP() != 936) GTEST_SKIP() << "needs a Chinese system code page";
  // Windows writes file names in its ANSI code page: GB2312 here.
  const PathCase cases[] = {
      {"C:\\demo\\a.lst", "C:\\demo\\a.lst"},
      {"C:\\编译\\a.lst", "C:\\\xB1\xE0\xD2\xEB\\a.lst"},
      {"Z:\\tmp\\程序 1.lst", "Z:\\tmp\\\xB3\xCC\xD0\xF2 1.lst"},
  };
#else
  // Everywhere else file names are UTF-8 and stay as they are.
  const PathCase cases[] = {
      {"/tmp/demo/a.lst", "/tmp/demo/a.lst"},
      {"/tmp/编译/a.lst", "/tmp/编译/a.lst"},
      {"/tmp/\xFF\xFE.lst", "/tmp/\xFF\xFE.lst"},
  };
#endif
  const FileChannels channels;
  for (const PathCase& row : cases) EXPECT_EQ(channels.PathText(row.utf8), row.written) << row.utf8;
}

}  // namespace
}  // namespace zolt
