#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Lower case for the letters A to Z only, whatever the locale.
inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(c);
  return lower;
}

}  // namespace velmora
