#include "listing_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace zolt {
namespace {

struct WordLine {
  std::int16_t address;
  std::uint16_t code;
  int line;
  const char* listing;
  const char* object;
};

void PrintTo(const WordLine& c, std::ostream* out) {
  *out << c.object;
}

class OneWordLines : public testing::TestWithParam<WordLine> {};

TEST_P(OneWordLines, KeepTheColumnsAndHexForm) {
  const WordLine& c = GetParam();
  std::string listing;
  std::string object;
  AppendOneWordLine(listing, c.address, static_cast<std::int16_t>(c.code), c.line, "x");
  AppendObjectLine(object, static_cast<std::int16_t>(c.code));
  EXPECT_EQ(listing, c.listing);
  EXPECT_EQ(object, c.object);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OneWordLines,
    testing::Values(WordLine{0, 0x0000, 1, " 0 \t0\t\t 1\tx\r\n", "&h0\r\n"},
                    WordLine{9, 0x001F, 42, " 9 \t1F\t\t 42\tx\r\n", "&h1F\r\n"},
                    WordLine{10, 0x7530, 100, " 10 \t7530\t\t 100\tx\r\n", "&h7530\r\n"},
                    WordLine{32766, 0xFFFF, 32767, " 32766 \tFFFF\t\t 32767\tx\r\n", "&hFFFF\r\n"},
                    WordLine{1, 0x8000, 2, " 1 \t8000\t\t 2\tx\r\n", "&h8000\r\n"}));

TEST(ListingLines, TwoWordTextOnlyErrorAndHeader) {
  std::string out;
  AppendTwoWordLine(out, 1, static_cast<std::int16_t>(0xB800), 1, 4, "GOTO LOOP");
  AppendTextOnlyLine(out, 3, "\tLOOP: ; \xD6\xD0");
  AppendErrorLine(out);
  EXPECT_EQ(out,
            " 1 \tB800\t1\t 4\tGOTO LOOP\r\n"
            "\t\t\t 3\t\tLOOP: ; \xD6\xD0\r\n"
            "---------------Error------------------\r\n");
  std::string header;
  AppendHeader(header, "D:\\WORK\\DEMO.lst");
  EXPECT_EQ(header,
            "Filemane:D:\\WORK\\DEMO.lst\r\n\r\naddr    code            line    Source Text\r\n");
  std::string object;
  AppendObjectLine(object, static_cast<std::int16_t>(0xB800), static_cast<std::int16_t>(0x9C40));
  EXPECT_EQ(object, "&hB800\t&h9C40\r\n");
}

}  // namespace
}  // namespace zolt
