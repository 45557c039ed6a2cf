#include "media/device.h"

#include "platform/platform_api.h"

namespace velmora::media {

std::string OpenCommandText(std::string_view path) {
  std::string text = "open \"";
  text += path;
  text += "\" alias music";
  return text;
}

std::uint32_t Send(std::string_view command) {
  const std::string text(command);
  return mciSendStringA(text.c_str(), nullptr, 0, nullptr);
}

std::uint32_t Query(std::string_view command, Reply& reply) {
  const std::string text(command);
  reply.fill('\0');
  const auto result = mciSendStringA(text.c_str(), reply.data(), static_cast<UINT>(reply.size()), nullptr);
  reply.back() = '\0';
  return result;
}

bool PathExists(const std::string& path) {
  // A NUL byte would cut the path short and test another one.
  if (path.find('\0') != std::string::npos) return false;
  return PathFileExistsA(path.c_str()) == 1;
}

}  // namespace velmora::media
