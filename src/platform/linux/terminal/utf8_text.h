#pragma once

#include <string>
#include <string_view>

namespace velmora::terminal {

// True when the locale settings (LC_ALL, then LC_CTYPE, then LANG) name UTF-8.
// Reads them only: the program itself stays in the "C" locale.
bool EnvironmentWantsUtf8();

// Code page 932 bytes as UTF-8; a byte that is no code page 932 character
// becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

}  // namespace velmora::terminal
