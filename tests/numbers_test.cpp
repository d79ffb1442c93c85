#include "numbers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "hard_error.h"

namespace zolt {
namespace {

struct ParseCase {
  const char* text;
  double value;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
  *out << c.text;
}

class AcceptedNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(AcceptedNumber, ParsesToItsValue) {
  EXPECT_DOUBLE_EQ(ParseNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedNumber,
    testing::Values(ParseCase{"12", 12}, ParseCase{"12.", 12}, ParseCase{"12.5", 12.5},
                    ParseCase{".5", 0.5}, ParseCase{"-.5", -0.5}, ParseCase{"+3", 3},
                    ParseCase{"-3", -3}, ParseCase{"1E3", 1000}, ParseCase{"1.5E-2", 0.015},
                    ParseCase{"2E+2", 200}, ParseCase{"&H1F", 31}, ParseCase{"&H8000", 32768},
                    ParseCase{"&HFFFF", 65535}, ParseCase{"&HFFFFFFFF", 4294967295.0},
                    ParseCase{"&H0", 0}, ParseCase{"1E-400", 0}));

class RejectedNumber : public testing::TestWithParam<const char*> {};

TEST_P(RejectedNumber, IsAHardErrorNamingTheText) {
  try {
    ParseNumber(GetParam());
    FAIL() << "accepted '" << GetParam() << "'";
  } catch (const HardError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam()), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, RejectedNumber,
                         testing::Values("", "-", "+", ".", "12AB", "5;", " 5", "5 ", "1,000", "&H",
                                         "&H123456789", "&HXYZ", "&h1F", "0x1F", "1E", "1E+", "1e3",
                                         "INF", "NAN", "-INF", "--1", "1.2.3", "1E400"));

struct RoundCase {
  const char* text;
  std::int32_t integer;
  std::int32_t scaled;
};

void PrintTo(const RoundCase& c, std::ostream* out) {
  *out << c.text;
}

class Rounding : public testing::TestWithParam<RoundCase> {};

TEST_P(Rounding, HalvesGoToEven) {
  EXPECT_EQ(ToInteger(GetParam().text), GetParam().integer);
  EXPECT_EQ(ToScaledInteger(GetParam().text), GetParam().scaled);
}

INSTANTIATE_TEST_SUITE_P(Values, Rounding,
                         testing::Values(RoundCase{"2.5", 2, 25000}, RoundCase{"3.5", 4, 35000},
                                         RoundCase{"-2.5", -2, -25000}, RoundCase{"0.5", 0, 5000},
                                         RoundCase{"1.5", 2, 15000}, RoundCase{"0.00005", 0, 0},
                                         RoundCase{"-3.5", -4, -35000},
                                         RoundCase{"3.00004", 3, 30000},
                                         RoundCase{"3.00006", 3, 30001},
                                         RoundCase{"-0.05", 0, -500},
                                         RoundCase{"&H10", 16, 160000}));

TEST(Rounding, OutsideThe32BitRangeIsAHardError) {
  EXPECT_EQ(ToInteger("2147483647"), 2147483647);
  EXPECT_EQ(ToInteger("-2147483648"), -2147483647 - 1);
  EXPECT_THROW(ToInteger("2147483648"), HardError);
  EXPECT_THROW(ToInteger("&HFFFFFFFF"), HardError);
  EXPECT_THROW(ToScaledInteger("1E10"), HardError);
  EXPECT_EQ(ToScaledInteger("214748.3647"), 2147483647);
}

TEST(Single, BeyondFloatRangeIsAHardError) {
  EXPECT_EQ(ToSingle("1.5"), 1.5F);
  EXPECT_EQ(ToSingle("&H10"), 16.0F);
  EXPECT_THROW(ToSingle("1E39"), HardError);
}

TEST(ValueText, WholeLabelAddressesAreSpelledAsPlainDigits) {
  for (int address = -32767; address <= 32767; ++address) {
    const std::string text = ValueText(static_cast<float>(address));
    ASSERT_EQ(text, std::to_string(address));
  }
}

TEST(ValueText, ReadsBackToTheSameValue) {
  for (const float value : {0.1F, 1.5F, -0.05F, 3.00004F, 1e10F, 1.234567e-5F, 9999999.0F,
                            12345678.0F, -3.4e38F, 0.0F}) {
    const std::string text = ValueText(value);
    EXPECT_EQ(ToSingle(text), std::stof(text)) << text;
    EXPECT_NEAR(ToSingle(text), value, std::abs(value) * 1e-6) << text;
  }
}

TEST(ValueText, FollowsSevenSignificantDigits) {
  EXPECT_EQ(ValueText(0.1F), "0.1");
  EXPECT_EQ(ValueText(1.5F), "1.5");
  EXPECT_EQ(ValueText(12345678.0F), "1.234568E+07");
  EXPECT_EQ(ValueText(1e-5F), "1E-05");
}

}  // namespace
}  // namespace zolt
