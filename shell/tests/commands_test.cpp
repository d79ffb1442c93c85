// The Open and Exit commands against a fake window system and in-memory
// channels: what the user is shown, in order, for each answer of the dialog.

#include "commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listing_format.h"

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
  void SetLink(const std::string& text) override { link = text; }
  void ShowRunDetails(const RunDetails& shown) override { details = &shown; }
  bool DetailsOpen() const override { return detailsOpen; }
  void HideWindow() override { events.push_back("hide"); }
  void EndProgram() override { events.push_back("end"); }

  std::string answer;
  std::vector<std::string> events;
  std::string link;
  const RunDetails* details = nullptr;
  bool detailsOpen = false;
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
       {"dialog *.ZOL",
        "message 文件不能打开! |  *.ZOL: fatal error: cannot open ' *.ZOL': no such file"}},
      {kSource, "NOP\r\nHALT\r\n", {"dialog *.ZOL", "caption 编译完成", "details "}},
      {kSource,
       "NOP\r\nSET -1\r\nFOO\r\n",
       {"dialog *.ZOL", "caption 发现 2处错误",
        "details demo.ZOL:2:5: error: SET operand '-1' gives -10000, outside 0 to 30000; 0 used\n"
        "demo.ZOL:3:1: error: 'FOO' is not a statement"}},
      // A failed run leaves the earlier caption and details as they were.
      {kSource,
       "NOP\r\nBOUT X\r\n",
       {"dialog *.ZOL",
        "message 文件不能打开! | demo.ZOL:2:6: fatal error: the BOUT count 'X' is not a number; "
        "write the count as a number, not a symbol"}},
      // The lines in error before a failure come first, as the listing marks them.
      {kSource,
       "FOO\r\nDL 1X\r\n",
       {"dialog *.ZOL",
        "message 文件不能打开! | demo.ZOL:1:1: error: 'FOO' is not a statement\n"
        "demo.ZOL:2:4: fatal error: '1X' is not a number; numbers are written as 12, -1.5, 2E3 "
        "or &HFF"}},
  };
  for (const auto& row : rows) EXPECT_EQ(Open(row.answer, row.source), row.events) << row.answer;
}

TEST_F(CommandsTest, DetailsNameTheFirstTwentyMessagesAndCountTheRest) {
  std::string lines;
  for (int i = 0; i < 25; ++i) lines += "FOO\r\n";
  const Events events = Open(kSource, lines);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1], "caption 发现 25处错误");
  std::string details = "details ";
  for (int line = 1; line <= 20; ++line) {
    details += "demo.ZOL:" + std::to_string(line) + ":1: error: 'FOO' is not a statement\n";
  }
  EXPECT_EQ(events[2], details + "(5 more not shown)");
}

TEST_F(CommandsTest, OpenFileRunsWithoutTheDialogAndExitHidesThenEnds) {
  source = "NOP\r\n";
  commands.OpenFile(kSource);
  commands.Exit();
  EXPECT_EQ(platform.events, (Events{"caption 编译完成", "details ", "hide", "end"}));
}

// The list as the details window shows it: "LINE:COLUMN KIND CAUSE", a note
// indented under its entry.
Events Rows(const RunDetails& details) {
  Events rows;
  for (const DetailsRow& row : details.Rows()) {
    rows.push_back((row.note ? "  " : "") + std::to_string(row.line) + ':' +
                   std::to_string(row.column) + ' ' + row.kind + ' ' + row.cause);
  }
  return rows;
}

TEST_F(CommandsTest, DetailsListEveryDiagnosticWithItsNotesUnderALink) {
  const struct {
    const char* source;
    const char* link;
    Events rows;
  } rows[] = {
      {"NOP\r\nHALT\r\n", "", {}},
      {"NOP x\r\nHALT\r\n",
       "View 1 warning…",
       {"1:5 warning 'x' is ignored; NOP takes no operand"}},
      {"NOP x\r\nNOP y\r\n",
       "View 2 warnings…",
       {"1:5 warning 'x' is ignored; NOP takes no operand",
        "2:5 warning 'y' is ignored; NOP takes no operand"}},
      // Errors are counted by line, and notes stand under their entry.
      {"BOUT 1\r\nEND\r\nNOP x\r\nFOO\r\n",
       "View 2 lines in error…",
       {"2:1 error 'END' is not a defined symbol; 0 used",
        "2:1 warning 'END' is read as data line 1 of the BOUT block, not as a statement",
        "  1:1 note the BOUT block opened here with the count 1 takes line 2 as data",
        "3:5 warning 'x' is ignored; NOP takes no operand", "4:1 error 'FOO' is not a statement"}},
  };
  for (const auto& row : rows) {
    source = row.source;
    commands.OpenFile(kSource);
    ASSERT_EQ(platform.details, &commands.Details());
    EXPECT_EQ(platform.link, row.link) << row.source;
    EXPECT_EQ(Rows(commands.Details()), row.rows) << row.source;
  }
}

TEST_F(CommandsTest, DetailsHoldEveryLineInErrorTheListingAroundAndTheCommandLinesForm) {
  std::string lines = "NOP\r\n";
  for (int i = 0; i < 25; ++i) lines += "FOO\r\n";
  Open(kSource, lines + "HALT\r\n");
  const RunDetails& details = commands.Details();
  EXPECT_EQ(platform.link, "View 25 lines in error…");
  ASSERT_EQ(details.Rows().size(), 25u);
  EXPECT_EQ(details.ListingPath(), "/src/demo.lst");
  EXPECT_EQ(details.CopyText({0, 24}),
            "demo.ZOL:2:1: error: 'FOO' is not a statement\n"
            "demo.ZOL:26:1: error: 'FOO' is not a statement\n");
  EXPECT_EQ(details.Excerpt(24),
            "addr    code            line    Source Text\n"
            "\t\t\t 24\tFOO\n" +
                std::string(kErrorLine) + "\n\t\t\t 25\tFOO\n" + std::string(kErrorLine) +
                "\n\t\t\t 26\tFOO\n" + std::string(kErrorLine) + "\n 1 \tF000\t\t 27\tHALT\n");
}

TEST_F(CommandsTest, RunAgainShowsAFailureInTheOpenDetailsAndKeepsTheStatus) {
  Open(kSource, "FOO\r\n");
  source = "NOP\r\nBOUT X\r\n";
  platform.detailsOpen = true;
  platform.events.clear();
  commands.RunAgain();
  EXPECT_EQ(platform.events, Events{});
  EXPECT_EQ(platform.link, "View 1 line in error…");
  EXPECT_EQ(commands.Details().Failure(),
            "demo.ZOL:2:6: fatal error: the BOUT count 'X' is not a number; write the count as a "
            "number, not a symbol");
  EXPECT_EQ(Rows(commands.Details()).back(),
            "2:6 fatal error the BOUT count 'X' is not a number; write the count as a number, not "
            "a symbol");
  // With the details closed the failure ends in the message, as from the menu.
  platform.detailsOpen = false;
  commands.RunAgain();
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_TRUE(platform.events[0].starts_with("message 文件不能打开! | "));
  source = "NOP\r\n";
  commands.RunAgain();
  EXPECT_EQ(platform.events.back(), "details ");
  EXPECT_EQ(platform.link, "");
  EXPECT_EQ(commands.Details().Failure(), "");
}

}  // namespace
}  // namespace zolt
