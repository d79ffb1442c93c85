// The end-to-end cases: everything a source can show, as data, in folders by
// theme (bout/, cli/, disassemble/, fail/, mistake/, numbers/, program/,
// source/). Each tests/cases/THEME/NAME.zol is assembled by zoltasm in a fresh folder with a
// Chinese name and a blank in it ("编 译"), and what the run leaves is
// compared byte for byte with the files beside it:
//   NAME.args   (optional) the arguments, one a line; "NAME.zol" when absent.
//               "@DIR@" in them is the folder with forward slashes, as a
//               user may type it on either system. The source is saved under
//               the first argument that is not an option, or as NAME.zol
//               when there is none. With --disassemble NAME.zol holds the
//               object file read, and the source written is the transcript's
//               standard output.
//   NAME.lst, NAME.obj  the run's outputs (kRunOutputs); when one is missing
//               the run must not write it.
//   NAME.out    the exit status, then standard output and standard error,
//               one "stdout:" or "stderr:" line per line written, in English
//               (LC_ALL=C).
//   NAME.zh_CN.out  (optional) the same in Chinese (LC_ALL=zh_CN.UTF-8): the
//               case then runs in both languages, and both runs must write
//               the same listing and object file.
// "@DIR@" in an expected file stands for the folder the case ran in.
// With ZOLT_UPDATE_CASES=1 the expected files are rewritten from what the
// runs give (a Chinese transcript where one exists: create an empty
// NAME.zh_CN.out to add one); review the change with git diff.
//
// The Windows build runs the same cases under Wine, expecting the same bytes
// but for what Windows writes its own way: the folder is a Windows path, so
// "@DIR@/" stands for the folder and a backslash; the console text (both
// streams, written to files here) is in the console's code page; and the
// listing's file-name line is in the system's code page, while the rest of
// the listing keeps the source's bytes as read. The expected files are
// written for Linux, so they are rewritten on Linux only.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include "windows_text.h"
#endif

#include "channels.h"
#include "scratch_folder.h"
#include "text.h"
#include "zoltasm_process.h"

namespace zolt::test {
namespace {

namespace fs = std::filesystem;

// Under Wine the source tree's Unix path is read on the current drive, Z:,
// where Wine shows the Unix root.
const fs::path kCases = fs::absolute(ZOLT_CASES_DIR);

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// A path given as UTF-8 text, such as the arguments, on either system.
fs::path PathOf(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string AsWritten(const std::string& text) {
  return text;
}

#ifdef _WIN32
std::string InFolder(const std::string& text, const std::string& dir) {
  return ReplaceAll(ReplaceAll(text, "@DIR@/", "@DIR@\\"), "@DIR@", dir);
}

std::string ListingText(const std::string& utf8) {
  const std::size_t nameLine = utf8.find('\n');
  return CodePageFromWide(WideFromUtf8(utf8.substr(0, nameLine)), GetACP()) +
         (nameLine == std::string::npos ? "" : utf8.substr(nameLine));
}

constexpr bool kRewritable = false;
// Windows quotes a source that is not UTF-8 in the system's code page in
// every language; Linux only for a Chinese user, so the English transcripts,
// written on Linux, show such a source's bytes escaped.
constexpr bool kEnglishTranscriptOfLegacySource = false;
#else
std::string InFolder(const std::string& text, const std::string& dir) {
  return ReplaceAll(text, "@DIR@", dir);
}

constexpr auto ConsoleText = AsWritten;
constexpr auto ListingText = AsWritten;
constexpr bool kRewritable = true;
constexpr bool kEnglishTranscriptOfLegacySource = true;
#endif

// The exit status and both streams as one text, a line each.
std::string Transcript(const ProcessResult& result) {
  std::string text = "exit " + std::to_string(result.exitStatus) + "\n";
  if (result.signal != 0) text += "signal " + std::to_string(result.signal) + "\n";
  if (result.hung) text += "hung\n";
  for (const auto& [stream, bytes] :
       {std::pair{"stdout:", &result.out}, {"stderr:", &result.err}}) {
    for (const std::string& line : Lines(*bytes)) {
      text += stream + (line.empty() ? "" : " " + line) + "\n";
    }
  }
  return text;
}

std::string Visible(std::string line) {
  return ReplaceAll(ReplaceAll(line, "\t", "\\t"), "\r", "\\r");
}

// Names the first line where the two texts part, so a failure shows at once.
testing::AssertionResult SameBytes(const std::string& what, const std::string& expected,
                                   const std::string& actual) {
  if (expected == actual) return testing::AssertionSuccess();
  const std::vector<std::string> want = Lines(expected);
  const std::vector<std::string> got = Lines(actual);
  std::size_t line = 0;
  while (line < want.size() && line < got.size() && want[line] == got[line]) ++line;
  const auto at = [line](const std::vector<std::string>& lines) {
    return line < lines.size() ? Visible(lines[line]) : std::string("(end of file)");
  };
  return testing::AssertionFailure() << what << " differs at line " << line + 1
                                     << "\n  expected: " << at(want) << "\n  actual:   " << at(got);
}

std::string SourceName(const std::string& name, const std::vector<std::string>& arguments) {
  bool options = true;
  for (const std::string& argument : arguments) {
    if (options && argument == "--") {
      options = false;
    } else if (!argument.empty() && !(options && argument.starts_with("-"))) {
      return argument;
    }
  }
  return name + ".zol";
}

// Each case by its path below tests/cases without the suffix (bout/NAME).
std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kCases)) {
    if (entry.path().extension() == ".zol") {
      names.push_back(fs::relative(entry.path(), kCases).replace_extension().generic_string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

// One run of a case in one language: what it printed and left, against the
// expected files.
// The catalog places the quotes and brackets around what a Chinese message
// quotes; one the code glued on would be ASCII beside the Chinese text, or
// just inside the catalog's quotes. The first such character in a
// diagnostic's text.
std::string GluedPunctuation(const std::string& line) {
  const std::string ascii = "'\"()";
  std::size_t at = std::string::npos;
  for (const char* kind : {"错误：", "警告：", "附注："}) {
    const std::size_t found = line.find(kind);
    if (found != std::string::npos) at = std::min(at, found + std::string(kind).size());
  }
  if (at == std::string::npos) return {};
  const std::string open = "‘";
  const std::string close = "’";
  while (at < line.size()) {
    if (line.compare(at, open.size(), open) == 0) {
      const std::size_t end = line.find(close, at + open.size());
      if (end == std::string::npos) return open;
      for (const std::size_t inside : {at + open.size(), end - 1}) {
        if (ascii.find(line[inside]) != std::string::npos) return std::string(1, line[inside]);
      }
      at = end + close.size();
    } else if (ascii.find(line[at]) != std::string::npos) {
      return std::string(1, line[at]);
    } else {
      ++at;
    }
  }
  return {};
}

void CheckRun(const std::string& theme_name, const std::string& locale,
              const std::string& transcriptFile) {
  const fs::path base = kCases / theme_name;
  const std::string name = base.filename().string();
  const bool update = kRewritable && std::getenv("ZOLT_UPDATE_CASES") != nullptr;
  const ScratchFolder scratch;
  // Short, so that no message shortens the paths it quotes.
  const fs::path folder = scratch.Path() / fs::path(u8"编 译");
  fs::create_directory(folder);
  const std::string dir = Utf8(folder);

  const fs::path argsFile = base.string() + ".args";
  std::vector<std::string> arguments =
      fs::exists(argsFile) ? Lines(ReadFile(argsFile)) : std::vector{name + ".zol"};
  const std::u8string typed = folder.generic_u8string();
  for (std::string& argument : arguments) {
    argument = ReplaceAll(argument, "@DIR@", std::string(typed.begin(), typed.end()));
  }
  const std::string sourceName = SourceName(name, arguments);
  const fs::path sourcePath = folder / PathOf(sourceName);
  const std::string source = ReadFile(base.string() + ".zol");
  WriteFile(sourcePath, source);

  const std::string transcript =
      Transcript(RunZoltasm(arguments, {.folder = folder, .language = {"LC_ALL=" + locale}}));
  if (locale != "C") {
    for (const std::string& line : Lines(transcript)) {
      EXPECT_EQ(GluedPunctuation(line), "") << line;
    }
  }
  // Expected and actual files side by side: the transcript, then each of a
  // run's outputs, each with the way this system writes its text.
  struct Output {
    fs::path expected;
    fs::path actual;
    std::string (*text)(const std::string&);
  };
  std::vector<Output> files;
  if (kEnglishTranscriptOfLegacySource || locale != "C" || IsUtf8(source)) {
    files.push_back({transcriptFile, "", ConsoleText});
  }
  const std::string stem = sourceName.substr(0, sourceName.size() - 3);
  for (const RunOutput& output : kRunOutputs) {
    const std::string suffix(output.suffix);
    files.push_back({base.string() + "." + suffix, folder / PathOf(stem + suffix),
                     output.channel == Channel::Listing ? ListingText : AsWritten});
  }
  for (const auto& [expectedFile, actualFile, text] : files) {
    // A source named like an output (x.lst) is not an output the run wrote.
    const bool written = actualFile.empty() || (fs::exists(actualFile) && actualFile != sourcePath);
    const std::string actual = actualFile.empty() ? transcript
                               : written          ? ReadFile(actualFile)
                                                  : std::string();
    if (update) {
      if (written) WriteFile(expectedFile, ReplaceAll(actual, dir, "@DIR@"));
      if (!written) fs::remove(expectedFile);
    } else if (!fs::exists(expectedFile)) {
      EXPECT_FALSE(written) << actualFile << " should not have been written";
    } else {
      ASSERT_TRUE(written) << actualFile << " was not written";
      EXPECT_TRUE(SameBytes(expectedFile.filename().string(),
                            text(InFolder(ReadFile(expectedFile), dir)), actual))
          << "(" << locale << ")";
    }
  }
  EXPECT_TRUE(SameBytes("source", source, ReadFile(sourcePath))) << "the source was changed";
}

class EndToEnd : public testing::TestWithParam<std::string> {};

TEST_P(EndToEnd, WritesExactlyTheExpectedBytes) {
  const std::string name = GetParam();
  CheckRun(name, "C", (kCases / name).string() + ".out");
  const std::string chinese = (kCases / name).string() + ".zh_CN.out";
  if (fs::exists(chinese)) CheckRun(name, "zh_CN.UTF-8", chinese);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return fs::path(info.param).filename().string();
                         });

}  // namespace
}  // namespace zolt::test
