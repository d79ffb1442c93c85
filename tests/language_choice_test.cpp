// Which language zoltasm speaks: the environment's, as gettext reads it, with
// Chinese for every Chinese locale and English for the rest; on Windows the
// same variables when set, else the user's UI language.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <iconv.h>
#endif

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "zoltasm_process.h"

namespace zolt::test {
namespace {

constexpr const char* kChinese = "zoltasm: 错误：未知的选项 ‘--bogus’";
constexpr const char* kEnglish = "zoltasm: error: unknown option '--bogus'";

#ifdef _WIN32
// None set: the user's UI language, which Wine takes from the locale it runs
// in (Chinese in the build's Wine session, English in its English check).
const char* const kNoneSet =
    PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE ? kChinese : kEnglish;
#else
std::string ConsoleText(const std::string& text) {
  return text;
}

// None set: the C locale.
const char* const kNoneSet = kEnglish;
#endif

TEST(LanguageChoice, FollowsTheEnvironmentAsGettextOrdersIt) {
  const struct {
    std::vector<std::string> language;
    const char* firstLine;
  } rows[] = {
      {{"LANG=zh_CN.UTF-8"}, kChinese},
      {{"LANG=C"}, kEnglish},
      // Traditional Chinese reads the Simplified catalog until it has one.
      {{"LANG=zh_TW.UTF-8"}, kChinese},
      {{"LANG=zh_CN.UTF-8", "LC_MESSAGES=C"}, kEnglish},
      {{"LANG=C", "LC_MESSAGES=zh_CN.UTF-8"}, kChinese},
      {{"LC_ALL=C", "LC_MESSAGES=zh_CN.UTF-8"}, kEnglish},
      {{"LANG=zh_CN.UTF-8", "LANGUAGE=en"}, kEnglish},
      // A locale the system does not have is the C locale, as for gettext.
      {{"LANG=fr_FR.UTF-8"}, kEnglish},
      {{}, kNoneSet},
  };
  for (const auto& row : rows) {
    const std::string err = RunZoltasm({"--bogus"}, {.language = row.language}).err;
    EXPECT_EQ(err.substr(0, err.find('\n')), ConsoleText(row.firstLine))
        << testing::PrintToString(row.language);
  }
}

#ifndef _WIN32
// A reason for a failure is Chinese whole under any Chinese messages locale,
// whatever the character locale: the product's words for the common ones,
// the system's for the rest, never question marks for what ASCII lacks.
TEST(LanguageChoice, GivesSystemReasonsInTheUsersLanguage) {
  const struct {
    const char* source;
    const char* reason;
  } reasons[] = {{"nosuch.ZOL", "：没有那个文件或目录\n"}, {"/dev/null/x.ZOL", "：不是目录\n"}};
  for (const std::vector<std::string>& language :
       {std::vector<std::string>{"LC_MESSAGES=zh_CN.UTF-8", "LANG=C"}, {"LANG=zh_CN.UTF-8"}}) {
    for (const auto& row : reasons) {
      const std::string err = RunZoltasm({row.source}, {.language = language}).err;
      EXPECT_NE(err.find(row.reason), std::string::npos) << err;
      EXPECT_EQ(err.find('?'), std::string::npos) << err;
    }
  }
}

// Under a Chinese locale in a legacy character set every byte written is in
// that set, the status line as well as the diagnostics.
TEST(LanguageChoice, WritesInTheLocalesCharacterSet) {
  for (const std::string charset : {"GB18030", "GBK"}) {
    const iconv_t converter = iconv_open(charset.c_str(), "UTF-8");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::string chinese = kChinese;
    std::string expected(chinese.size() * 2, '\0');
    char* in = chinese.data();
    char* out = expected.data();
    std::size_t left = chinese.size();
    std::size_t room = expected.size();
    iconv(converter, &in, &left, &out, &room);
    iconv_close(converter);
    expected.resize(expected.size() - room);
    const std::string err = RunZoltasm({"--bogus"}, {.language = {"LANG=zh_CN." + charset}}).err;
    EXPECT_EQ(err.substr(0, err.find('\n')), expected) << charset;
  }
}
#endif

}  // namespace
}  // namespace zolt::test
