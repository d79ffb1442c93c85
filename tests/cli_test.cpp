// The command line's own behaviour beyond a single run: options, several
// sources in one call and the exit status they add up to.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

class CommandLine : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("zolt-cli-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    Write("good.zol", "NOP\r\n");
    Write("errors.zol", "DL 300\r\nFOO\r\n");
    Write("broken.zol", "DL 12AB\r\n");
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  Result Run(const std::string& arguments) {
    const std::string command =
        "cd '" + dir_.string() + "' && '" ZOLT_ASM "' " + arguments + " > out.txt 2> err.txt";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Read(dir_ / "out.txt"), Read(dir_ / "err.txt")};
  }

  fs::path dir_;
};

TEST_F(CommandLine, EachSourceIsARunAndTheWorstOutcomeIsTheStatus) {
  const struct {
    const char* arguments;
    int status;
    const char* out;
  } rows[] = {{"good.zol", 0, "编译完成\n"},
              {"good.zol errors.zol", 1, "编译完成\n发现 2处错误\n"},
              {"broken.zol good.zol", 2, "编译完成\n"},
              {"errors.zol broken.zol good.zol", 2, "发现 2处错误\n编译完成\n"}};
  for (const auto& row : rows) {
    const Result result = Run(row.arguments);
    EXPECT_EQ(result.status, row.status) << row.arguments;
    EXPECT_EQ(result.out, row.out) << row.arguments;
  }
}

TEST_F(CommandLine, QuietDropsTheLinesInErrorButNotTheFailure) {
  EXPECT_EQ(Run("errors.zol").err,
            "errors.zol:1: error: DL operand '300' gives 300, outside 1 to 255; 255 used\n"
            "errors.zol:2: error: 'FOO' is not a statement\n");
  const Result quiet = Run("--quiet errors.zol broken.zol");
  EXPECT_EQ(quiet.status, 2);
  EXPECT_EQ(quiet.err, "文件不能打开!\nbroken.zol:1: error: '12AB' is not a number\n");
}

TEST_F(CommandLine, AMissingSourceNamesItsCauseWithoutALine) {
  const Result result = Run("missing.zol");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "文件不能打开!\nmissing.zol: error: cannot open '" +
                            (dir_ / "missing.zol").string() + "': No such file or directory\n");
  EXPECT_FALSE(fs::exists(dir_ / "missing.lst"));
}

TEST_F(CommandLine, HelpVersionAndMisuse) {
  const Result help = Run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("usage: zoltasm [--quiet] SOURCE...\n"));
  const Result version = Run("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "zoltasm " ZOLT_VERSION "\n");
  EXPECT_EQ(Run("").status, 2);
  EXPECT_EQ(Run("--frobnicate good.zol").status, 2);
  EXPECT_FALSE(fs::exists(dir_ / "good.lst"));
  EXPECT_EQ(Run("-- good.zol").status, 0);
}

}  // namespace
