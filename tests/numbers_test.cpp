#include "numbers.h"

#include <gtest/gtest.h>

#include "hard_error.h"

namespace zolt {
namespace {

TEST(Numbers, Placeholder) { EXPECT_EQ(ToInteger("2.5"), 2); }

}  // namespace
}  // namespace zolt
