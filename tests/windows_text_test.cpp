#include "windows_text.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace zolt {
namespace {

struct TextCase {
  std::string utf8;
  std::wstring wide;
  std::string gb2312;
};

TEST(WindowsText, ConvertsBetweenUtf8Utf16AndCodePages) {
  const TextCase cases[] = {
      {"", L"", ""},
      {"demo.ZOL", L"demo.ZOL", "demo.ZOL"},
      {"编译完成", L"\u7F16\u8BD1\u5B8C\u6210", "\xB1\xE0\xD2\xEB\xCD\xEA\xB3\xC9"},
      {"文件不能打开!", L"\u6587\u4EF6\u4E0D\u80FD\u6253\u5F00!",
       "\xCE\xC4\xBC\xFE\xB2\xBB\xC4\xDC\xB4\xF2\xBF\xAA!"},
  };
  for (const TextCase& row : cases) {
    EXPECT_EQ(WideFromUtf8(row.utf8), row.wide) << row.utf8;
    EXPECT_EQ(Utf8FromWide(row.wide), row.utf8) << row.utf8;
    EXPECT_EQ(CodePageFromWide(row.wide, 936), row.gb2312) << row.utf8;
  }
}

TEST(WindowsText, UnconvertibleCharactersBecomeTheDefaultCharacter) {
  EXPECT_EQ(CodePageFromWide(L"a\u7F16b", 1252), "a?b");
}

}  // namespace
}  // namespace zolt
