// The Open and Exit commands against a fake window system and in-memory
// channels: what the user sees and which files a run touches.

#include "commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zolt {
namespace {

constexpr char kSource[] = "/src/demo.ZOL";

// Records every platform operation in order, and answers the dialog from a
// queue of answers.
class FakePlatform : public Platform {
 public:
  std::string ShowOpenDialog(const std::string& fileName) override {
    presets.push_back(fileName);
    const std::string answer = answers.at(0);
    answers.erase(answers.begin());
    return answer;
  }
  void ShowMessage(const std::string& text, const std::string& detail) override {
    events.push_back("message " + text + " | " + detail);
  }
  void SetCaption(LabelId label, const std::string& caption) override {
    ASSERT_EQ(label, LabelId::Label4);
    status = caption;
    events.push_back("caption " + caption);
  }
  void SetDetails(LabelId label, const std::string& text) override {
    ASSERT_EQ(label, LabelId::Label4);
    details = text;
  }
  void HideWindow() override { events.push_back("hide"); }
  void EndProgram() override { events.push_back("end"); }

  std::vector<std::string> answers;
  std::vector<std::string> presets;
  std::vector<std::string> events;
  std::optional<std::string> status;
  std::string details;
};

// In-memory channels that count how a run closed them.
class CountingChannels : public MemoryChannels {
 public:
  CountingChannels(std::string bytes, int& closes, int& failureCloses)
      : MemoryChannels(kSource, std::move(bytes)), closes_(closes), failureCloses_(failureCloses) {}
  void CloseAll() override { ++closes_; }
  void CloseAllAfterFailure() noexcept override { ++failureCloses_; }

 private:
  int& closes_;
  int& failureCloses_;
};

class CommandsTest : public ::testing::Test {
 protected:
  // Runs Open with the dialog answering answer, over a source file holding
  // bytes at kSource.
  void Open(const std::string& answer, const std::string& bytes) {
    platform.answers.push_back(answer);
    source = bytes;
    commands.Open();
  }

  Compiler compiler;
  FakePlatform platform;
  std::string source;
  int runs = 0;
  int closes = 0;
  int failureCloses = 0;
  Commands commands{compiler, platform, [this] {
                      ++runs;
                      return std::make_unique<CountingChannels>(source, closes, failureCloses);
                    }};
};

TEST_F(CommandsTest, CancelledDialogTouchesNothing) {
  // The dialog signals a cancel only by leaving the preset or an empty field.
  for (const std::string answer : {"*.ZOL", ""}) {
    SCOPED_TRACE(answer);
    compiler.FileName = "earlier";
    Open(answer, "NOP\r\n");
    EXPECT_EQ(compiler.FileName, "earlier");
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(platform.events.empty());
  }
  EXPECT_EQ(platform.presets, (std::vector<std::string>{"*.ZOL", "*.ZOL"}));
}

TEST_F(CommandsTest, OnlyTheExactPatternOrNothingIsACancel) {
  // Anything else is taken as a file name, and these name no file.
  for (const std::string answer : {"*.zol", " *.ZOL", "*.ZOL ", " "}) {
    SCOPED_TRACE(answer);
    platform.events.clear();
    Open(answer, "NOP\r\n");
    EXPECT_EQ(compiler.FileName, answer);
    ASSERT_EQ(platform.events.size(), 1u);
    EXPECT_EQ(platform.events[0].rfind("message 文件不能打开! | cannot open '" + answer + "'", 0),
              0u)
        << platform.events[0];
  }
}

TEST_F(CommandsTest, DialogIsPresetOnEveryOpen) {
  Open(kSource, "NOP\r\n");
  Open("", "");
  Open(kSource, "NOP\r\n");
  EXPECT_EQ(platform.presets, (std::vector<std::string>(3, "*.ZOL")));
}

TEST_F(CommandsTest, CompletedRunShowsItsStatus) {
  struct Case {
    const char* source;
    const char* caption;
    const char* details;
  };
  const Case cases[] = {
      {"NOP\r\nHALT\r\n", "编译完成", ""},
      {"", "编译完成", ""},
      {"NOP\r\nSET -1\r\nOUT 99999\r\n", "发现 2处错误", "line 2: "},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.source);
    platform.events.clear();
    closes = failureCloses = 0;
    Open(kSource, row.source);
    EXPECT_EQ(compiler.FileName, "/src/demo.lst");
    EXPECT_EQ(platform.events, (std::vector<std::string>{std::string("caption ") + row.caption}));
    EXPECT_EQ(platform.details.rfind(row.details, 0), 0u) << platform.details;
    // Compile closes its files at the end of a run; the command closes all
    // once more whatever is left.
    EXPECT_GE(closes, 1);
    EXPECT_EQ(failureCloses, 0);
  }
}

TEST_F(CommandsTest, DetailsListEveryLineInError) {
  Open(kSource, "SET -1\r\nNOP\r\nFOO\r\n");
  EXPECT_EQ(platform.status, "发现 2处错误");
  ASSERT_EQ(compiler.Diagnostics.size(), 2u);
  EXPECT_EQ(platform.details, "line 1: " + compiler.Diagnostics[0].cause +
                                  "\nline 3: " + compiler.Diagnostics[1].cause);
}

TEST_F(CommandsTest, DetailsNameTheFirstTwentyLinesAndCountTheRest) {
  std::string lines;
  for (int i = 0; i < 25; ++i) lines += "SET -1\r\n";
  Open(kSource, lines);
  EXPECT_EQ(platform.status, "发现 25处错误");
  const std::string last =
      "line 20: " + compiler.Diagnostics[19].cause + "\nand 5 more lines in error";
  EXPECT_EQ(platform.details.rfind("line 1: ", 0), 0u);
  ASSERT_GE(platform.details.size(), last.size());
  EXPECT_EQ(platform.details.substr(platform.details.size() - last.size()), last);
  EXPECT_EQ(std::count(platform.details.begin(), platform.details.end(), '\n'), 20);
}

TEST_F(CommandsTest, FailedRunShowsTheCauseAndKeepsTheStatus) {
  struct Case {
    const char* answer;
    const char* source;
    const char* detail;
  };
  const Case cases[] = {
      {"/src/missing.ZOL", "", "cannot open '/src/missing.ZOL'"},
      {kSource, "NOP\r\nBOUT X\r\n", "line 2: BOUT count 'X' is not a number"},
  };
  Open(kSource, "NOP\r\nSET -1\r\n");
  ASSERT_EQ(platform.status, "发现 1处错误");
  const std::string earlierDetails = platform.details;
  for (const Case& row : cases) {
    SCOPED_TRACE(row.answer);
    platform.events.clear();
    closes = failureCloses = 0;
    Open(row.answer, row.source);
    ASSERT_EQ(platform.events.size(), 1u);
    EXPECT_EQ(platform.events[0].rfind(std::string("message 文件不能打开! | ") + row.detail, 0), 0u)
        << platform.events[0];
    EXPECT_EQ(failureCloses, 1);
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(platform.status, "发现 1处错误");
    EXPECT_EQ(platform.details, earlierDetails);
  }
  // The window stays usable: the next run completes as usual.
  platform.events.clear();
  Open(kSource, "NOP\r\n");
  EXPECT_EQ(platform.events, (std::vector<std::string>{"caption 编译完成"}));
  EXPECT_EQ(platform.details, "");
}

TEST_F(CommandsTest, TooLongSourceFailsBeforeCompiling) {
  std::string lines;
  for (int i = 0; i < 32768; ++i) lines += "NOP\r\n";
  Open(kSource, lines);
  EXPECT_EQ(compiler.FileName, kSource);
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].rfind("message 文件不能打开! | ", 0), 0u);
  EXPECT_EQ(failureCloses, 1);
}

// Only the run's own failures take the failure path; a fault of the program
// itself is not dressed up as an unreadable file.
TEST(CommandsFaultTest, OtherExceptionsAreNotCaught) {
  Compiler compiler;
  FakePlatform platform;
  Commands commands(compiler, platform,
                    []() -> std::unique_ptr<Channels> { throw std::logic_error("fault"); });
  EXPECT_THROW(commands.OpenFile(kSource), std::logic_error);
  EXPECT_TRUE(platform.events.empty());
}

TEST(CommandsExitTest, HidesThenEnds) {
  Compiler compiler;
  FakePlatform platform;
  Commands commands(compiler, platform);
  commands.Exit();
  EXPECT_EQ(platform.events, (std::vector<std::string>{"hide", "end"}));
}

TEST(CommandsFileTest, OpenFileRunsWithoutTheDialog) {
  Compiler compiler;
  FakePlatform platform;
  std::string source = "NOP\r\n";
  Commands commands(compiler, platform,
                    [&] { return std::make_unique<MemoryChannels>(kSource, source); });
  commands.OpenFile(kSource);
  EXPECT_TRUE(platform.presets.empty());
  EXPECT_EQ(platform.status, "编译完成");
}

}  // namespace
}  // namespace zolt
