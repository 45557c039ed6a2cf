#pragma once

#include <cstdint>
#include <string_view>

namespace velmora::console {

// Reads a number the way atoi does: leading white space (blank and bytes 9 to
// 13), an optional sign, then decimal digits up to the first other byte. No
// digits give 0. Values beyond the signed 32-bit range are clamped to it
// instead of overflowing.
std::int32_t ParseDecimal(std::string_view text);

}  // namespace velmora::console
