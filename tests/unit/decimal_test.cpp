#include "console/decimal.h"

#include <gtest/gtest.h>

namespace velmora::console {
namespace {

TEST(ParseDecimal, ReadsLikeAtoiAndClampsTo32Bits) {
  const std::pair<std::string, std::int32_t> cases[] = {
      {"", 0},
      {"3 ", 3},
      {"-5 ", -5},
      {"12abc ", 12},
      {"abc ", 0},
      {"+4 ", 4},
      {" 7 ", 7},
      {"\t\n\v\f\r 8", 8},
      {"- 5", 0},
      {"+-5", 0},
      {"2147483647 ", 2147483647},
      {"2147483648 ", 2147483647},
      {"-2147483648 ", -2147483647 - 1},
      {"-2147483649 ", -2147483647 - 1},
      {"99999999999999999999999999999 ", 2147483647},
      {"-99999999999999999999999999999 ", -2147483647 - 1},
      {"0000000000000000000000000042", 42},
      {"3 /?", 3},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseDecimal(text), value) << text;
}

}  // namespace
}  // namespace velmora::console
