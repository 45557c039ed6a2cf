#include "console/decimal.h"

#include <limits>

namespace velmora::console {

std::int32_t ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= 9 && text[i] <= 13))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate the magnitude, stopping growth once it is past any 32-bit value.
  constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (magnitude <= kCap) magnitude = magnitude * 10 + (text[i] - '0');
  }
  if (negative) {
    return magnitude >= kCap ? std::numeric_limits<std::int32_t>::min()
                             : static_cast<std::int32_t>(-magnitude);
  }
  return magnitude >= kCap ? std::numeric_limits<std::int32_t>::max()
                           : static_cast<std::int32_t>(magnitude);
}

}  // namespace velmora::console
