// Which language zoltasm speaks: the environment's, as gettext reads it, with
// Chinese for every Chinese locale and English for the rest.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zoltasm_process.h"

namespace zolt::test {
namespace {

TEST(LanguageChoice, FollowsTheEnvironmentAsGettextOrdersIt) {
  const struct {
    std::vector<std::string> language;
    const char* firstLine;
  } rows[] = {
      {{"LANG=zh_CN.UTF-8"}, "zoltasm: 错误：未知的选项 '--bogus'"},
      {{"LANG=C"}, "zoltasm: error: unknown option '--bogus'"},
      // Traditional Chinese reads the Simplified catalog until it has one.
      {{"LANG=zh_TW.UTF-8"}, "zoltasm: 错误：未知的选项 '--bogus'"},
      {{"LANG=zh_CN.UTF-8", "LC_MESSAGES=C"}, "zoltasm: error: unknown option '--bogus'"},
      {{"LANG=C", "LC_MESSAGES=zh_CN.UTF-8"}, "zoltasm: 错误：未知的选项 '--bogus'"},
      {{"LC_ALL=C", "LC_MESSAGES=zh_CN.UTF-8"}, "zoltasm: error: unknown option '--bogus'"},
      {{"LANG=zh_CN.UTF-8", "LANGUAGE=en"}, "zoltasm: error: unknown option '--bogus'"},
      // A locale the system does not have is the C locale, as for gettext.
      {{"LANG=fr_FR.UTF-8"}, "zoltasm: error: unknown option '--bogus'"},
  };
  for (const auto& row : rows) {
    const ProcessResult result = RunZoltasm({"--bogus"}, {.language = row.language});
    EXPECT_EQ(result.err.substr(0, result.err.find('\n')), row.firstLine) << row.language[0];
  }
}

}  // namespace
}  // namespace zolt::test
