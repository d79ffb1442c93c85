// The Open and Exit commands against a fake window system and in-memory
// channels: what the user is shown, in order, for each answer of the dialog.

#include "commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolt {
namespace {

constexpr char kSource[] = "/src/demo.ZOL";

// Records every platform operation in order and answers the dialog.
class FakePlatform : public Platform {
 public:
  std::string ShowOpenDialog(const std::string& fileName) override {
    events.push_back("dialog " + fileName);
    return answer;
  }
  void ShowMessage(const std::string& text, const std::string& detail) override {
    events.push_back("message " + text + " | " + detail);
  }
  void SetCaption(LabelId label, const std::string& caption) override {
    EXPECT_EQ(label, LabelId::Label4);
    events.push_back("caption " + caption);
  }
  void SetDetails(LabelId label, const std::string& details) override {
    EXPECT_EQ(label, LabelId::Label4);
    events.push_back("details " + details);
  }
  void HideWindow() override { events.push_back("hide"); }
  void EndProgram() override { events.push_back("end"); }

  std::string answer;
  std::vector<std::string> events;
};

class CommandsTest : public ::testing::Test {
 protected:
  std::vector<std::string> Open(const std::string& answer, const std::string& bytes) {
    platform.events.clear();
    platform.answer = answer;
    source = bytes;
    commands.Open();
    return platform.events;
  }

  Compiler compiler;
  FakePlatform platform;
  std::string source;
  Commands commands{compiler, platform,
                    [this] { return std::make_unique<MemoryChannels>(kSource, source); }};
};

using Events = std::vector<std::string>;

TEST_F(CommandsTest, OpenShowsTheOutcomeOfEachAnswer) {
  const struct {
    const char* answer;
    const char* source;
    Events events;
  } rows[] = {
      // A cancel leaves the preset or nothing in the field; anything else is
      // a file name, even one that differs from the preset only slightly.
      {"*.ZOL", "NOP", {"dialog *.ZOL"}},
      {"", "NOP", {"dialog *.ZOL"}},
      {" *.ZOL",
       "NOP",
       {"dialog *.ZOL", "message 文件不能打开! | cannot open ' *.ZOL': no such file"}},
      {kSource, "NOP\r\nHALT\r\n", {"dialog *.ZOL", "caption 编译完成", "details "}},
      {kSource,
       "NOP\r\nSET -1\r\nFOO\r\n",
       {"dialog *.ZOL", "caption 发现 2处错误",
        "details line 2: SET operand '-1' gives -10000, outside 0 to 30000; 0 used\n"
        "line 3: 'FOO' is not a statement"}},
      // A failed run leaves the earlier caption and details as they were.
      {kSource,
       "NOP\r\nBOUT X\r\n",
       {"dialog *.ZOL", "message 文件不能打开! | line 2: BOUT count 'X' is not a number"}},
  };
  for (const auto& row : rows) EXPECT_EQ(Open(row.answer, row.source), row.events) << row.answer;
}

TEST_F(CommandsTest, DetailsNameTheFirstTwentyLinesAndCountTheRest) {
  std::string lines;
  for (int i = 0; i < 25; ++i) lines += "FOO\r\n";
  const Events events = Open(kSource, lines);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1], "caption 发现 25处错误");
  std::string details = "details line 1: 'FOO' is not a statement";
  for (int line = 2; line <= 20; ++line) {
    details += "\nline " + std::to_string(line) + ": 'FOO' is not a statement";
  }
  EXPECT_EQ(events[2], details + "\nand 5 more lines in error");
}

TEST_F(CommandsTest, OpenFileRunsWithoutTheDialogAndExitHidesThenEnds) {
  source = "NOP\r\n";
  commands.OpenFile(kSource);
  commands.Exit();
  EXPECT_EQ(platform.events, (Events{"caption 编译完成", "details ", "hide", "end"}));
}

}  // namespace
}  // namespace zolt
