#pragma once

#include <cstdint>

// Result numbers of the media device, in the platform's MCI numbering.
namespace velmora::mci {

using Result = std::uint32_t;

inline constexpr Result kOk = 0;
inline constexpr Result kUnrecognizedKeyword = 259;
inline constexpr Result kUnrecognizedCommand = 261;
inline constexpr Result kHardware = 262;
inline constexpr Result kInvalidDeviceName = 263;
inline constexpr Result kMissingParameter = 273;
inline constexpr Result kFileNotFound = 275;
inline constexpr Result kCannotPlayFile = 281;
inline constexpr Result kOutOfRange = 282;
inline constexpr Result kDuplicateAlias = 289;
inline constexpr Result kBadTimeFormat = 293;
inline constexpr Result kNoClosingQuote = 294;
inline constexpr Result kMissingDeviceName = 303;

}  // namespace velmora::mci
