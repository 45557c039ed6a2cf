#include "terminal/utf8_text.h"

#include <iconv.h>

#include <cerrno>

#include <cstdlib>

#include "ascii.h"

namespace velmora::terminal {

bool EnvironmentWantsUtf8() {
  const char* locale = nullptr;
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') {
      locale = value;
      break;
    }
  }
  if (locale == nullptr) return false;
  std::string_view text(locale);
  const auto dot = text.find('.');
  if (dot == std::string_view::npos) return false;
  auto charset = text.substr(dot + 1);
  charset = charset.substr(0, charset.find('@'));
  const std::string name = AsciiLower(charset);
  return name == "utf-8" || name == "utf8";
}

std::string Cp932ToUtf8(std::string_view cp932) {
  static const iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(cp932);
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  std::string utf8;
  char buffer[256];
  auto* in = const_cast<char*>(cp932.data());
  std::size_t in_left = cp932.size();
  while (in_left > 0) {
    char* out = buffer;
    std::size_t out_left = sizeof buffer;
    const std::size_t done = iconv(converter, &in, &in_left, &out, &out_left);
    utf8.append(buffer, static_cast<std::size_t>(out - buffer));
    if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // Not a character: show the replacement character and go on.
      utf8 += "\xEF\xBF\xBD";
      ++in;
      --in_left;
    }
  }
  return utf8;
}

}  // namespace velmora::terminal
