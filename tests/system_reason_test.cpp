// Why Windows refused a file: the product's words for the common reasons,
// Windows' own text, in the user's UI language, for the rest.
#include "system_reason.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

namespace zolt::test {
namespace {

TEST(SystemReason, TakesCommonWindowsErrorsFromTheCatalog) {
  const struct {
    DWORD code;
    const char* reason;
  } rows[] = {
      {ERROR_FILE_NOT_FOUND, "No such file or directory"},
      {ERROR_PATH_NOT_FOUND, "No such file or directory"},
      {ERROR_ACCESS_DENIED, "Permission denied"},
      {ERROR_SHARING_VIOLATION, "Permission denied"},
      {ERROR_DISK_FULL, "No space left on device"},
      {ERROR_WRITE_PROTECT, "Read-only file system"},
      {ERROR_FILENAME_EXCED_RANGE, "File name too long"},
  };
  for (const auto& row : rows) {
    const TextArg reason = SystemReason(ErrorFromWindows(row.code));
    EXPECT_EQ(reason.text, row.reason) << row.code;
    EXPECT_FALSE(reason.translated) << row.code;
  }
}

// The rest are Windows' own words, written as the catalog's reasons are: in
// Chinese on a Chinese Windows (where the C runtime's would be English), and
// never a question mark for a character.
TEST(SystemReason, GivesWindowsOwnTextForTheRest) {
  const bool chinese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE;
  for (const DWORD code : {ERROR_INVALID_NAME, ERROR_NOT_READY, ERROR_BAD_NETPATH,
                           ERROR_FILE_EXISTS, ERROR_TOO_MANY_OPEN_FILES}) {
    const TextArg reason = SystemReason(ErrorFromWindows(code));
    const std::string& text = reason.text;
    ASSERT_FALSE(text.empty()) << code;
    EXPECT_TRUE(reason.translated) << text;
    EXPECT_EQ(text.find_first_of("?\r\n"), std::string::npos) << text;
    EXPECT_NE(text.back(), '.') << text;
    EXPECT_FALSE(text.ends_with("。")) << text;
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    EXPECT_EQ(ascii, !chinese) << text;
  }
}

}  // namespace
}  // namespace zolt::test
