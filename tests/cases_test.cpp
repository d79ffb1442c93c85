// The end-to-end cases: each tests/cases/NAME.zol is assembled by zoltasm in a
// fresh folder and everything it leaves is compared byte for byte with the
// files beside it:
//   NAME.lst, NAME.obj   the listing and object file; a missing one must not
//                        be written.
//   NAME.stdout, NAME.stderr, NAME.status   what zoltasm printed and returned.
// "@DIR@" in an expected file stands for the folder the case ran in.
//   NAME.name (optional) the file name the source is given instead of NAME.zol.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kCases = ZOLT_CASES_DIR;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string Visible(const std::string& line) {
  std::string shown;
  for (const char c : line) {
    if (c == '\t') {
      shown += "\\t";
    } else if (c == '\r') {
      shown += "\\r";
    } else {
      shown += c;
    }
  }
  return shown;
}

// Names the first line where the two texts part, so a failure shows at once.
testing::AssertionResult SameBytes(const std::string& what, const std::string& expected,
                                   const std::string& actual) {
  if (expected == actual) return testing::AssertionSuccess();
  std::size_t line = 1;
  std::size_t start = 0;
  for (std::size_t i = 0; i < std::min(expected.size(), actual.size()) && expected[i] == actual[i];
       ++i) {
    if (expected[i] == '\n') line++, start = i + 1;
  }
  const auto lineAt = [start](const std::string& text) {
    const std::size_t end = text.find('\n', start);
    return Visible(text.substr(start, end == std::string::npos ? end : end + 1 - start));
  };
  return testing::AssertionFailure()
         << what << " differs at line " << line << "\n  expected: " << lineAt(expected)
         << "\n  actual:   " << lineAt(actual);
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(kCases)) {
    if (entry.path().extension() == ".zol") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class EndToEnd : public testing::TestWithParam<std::string> {};

TEST_P(EndToEnd, WritesExactlyTheExpectedBytes) {
  const std::string name = GetParam();
  const fs::path dir =
      fs::temp_directory_path() / ("zolt-case-" + std::to_string(getpid()) + "-" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);

  const fs::path nameFile = kCases / (name + ".name");
  std::string sourceName = fs::exists(nameFile) ? ReadBytes(nameFile) : name + ".zol";
  if (!sourceName.empty() && sourceName.back() == '\n') sourceName.pop_back();
  const std::string source = ReadBytes(kCases / (name + ".zol"));
  WriteBytes(dir / sourceName, source);

  const std::string command =
      "cd '" + dir.string() + "' && '" ZOLT_ASM "' '" + sourceName + "' > out.txt 2> err.txt";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(std::to_string(WEXITSTATUS(raw)) + "\n", ReadBytes(kCases / (name + ".status")));
  const auto expected = [&](const std::string& extension) {
    return ReplaceAll(ReadBytes(kCases / (name + "." + extension)), "@DIR@", dir.string());
  };
  EXPECT_TRUE(SameBytes("stdout", expected("stdout"), ReadBytes(dir / "out.txt")));
  EXPECT_TRUE(SameBytes("stderr", expected("stderr"), ReadBytes(dir / "err.txt")));
  EXPECT_TRUE(SameBytes("source", source, ReadBytes(dir / sourceName))) << "the source was changed";

  const std::string stem = sourceName.substr(0, sourceName.size() - 3);
  for (const std::string extension : {"lst", "obj"}) {
    const fs::path actual = dir / (stem + extension);
    if (fs::exists(kCases / (name + "." + extension))) {
      ASSERT_TRUE(fs::exists(actual)) << actual << " was not written";
      EXPECT_TRUE(SameBytes(extension, expected(extension), ReadBytes(actual)));
    } else if (actual != dir / sourceName) {
      EXPECT_FALSE(fs::exists(actual)) << actual << " should not have been written";
    }
  }
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

}  // namespace
