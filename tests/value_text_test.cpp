// ValueText writes whole numbers of up to seven digits straight as digits;
// that short cut must give exactly what the general seven-digit form gives.

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "numbers.h"

namespace zolt {
namespace {

std::string GeneralForm(float value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                    static_cast<double>(value), std::chars_format::general, 7);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

TEST(ValueTextShortCut, MatchesTheGeneralForm) {
  std::vector<float> values = {0.0F,        -0.0F,      0.5F,        -0.5F,       1.5F,
                               2.5F,        9999999.0F, -9999999.0F, 10000000.0F, -10000000.0F,
                               16777216.0F, 1e-7F,      32767.0F,    -32768.0F,   65535.0F,
                               9999998.5F,  INFINITY,   -INFINITY};
  for (int i = -70000; i <= 70000; ++i) values.push_back(static_cast<float>(i));
  for (float ten = 10.0F; ten < 1e9F; ten *= 10.0F) {
    for (float near : {ten - 1, ten, ten + 1, -ten + 1, -ten, -ten - 1}) values.push_back(near);
  }
  for (float value : values) EXPECT_EQ(ValueText(value), GeneralForm(value)) << value;
}

}  // namespace
}  // namespace zolt
