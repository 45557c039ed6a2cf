#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::media {

// The command texts the player sends. Every one names the device by the alias
// "music".
inline constexpr std::string_view kClose = "close music";
inline constexpr std::string_view kTimeFormatMilliseconds = "set music time format milliseconds";
inline constexpr std::string_view kStatusLength = "status music length";
inline constexpr std::string_view kStatusPosition = "status music position";
inline constexpr std::string_view kSeekToZero = "seek music to 0";
inline constexpr std::string_view kSeekToStart = "seek music to start";
inline constexpr std::string_view kPlay = "play music";
inline constexpr std::string_view kPlayAndWait = "play music  wait";
inline constexpr std::string_view kStop = "stop music";
inline constexpr std::string_view kPause = "pause music";

// open "<path>" alias music
std::string OpenCommandText(std::string_view path);

inline constexpr std::size_t kReplySize = 512;
using Reply = std::array<char, kReplySize>;

// Sends a command without a reply. Returns the device's result: 0 is success.
std::uint32_t Send(std::string_view command);

// Sends a command whose reply lands in reply, which starts out zeroed, so a
// failed query reads as an empty reply.
std::uint32_t Query(std::string_view command, Reply& reply);

// True only when the platform's existence test answers exactly 1.
bool PathExists(const std::string& path);

}  // namespace velmora::media
