// mciSendStringA on Linux: the command texts go to our own media device.
#include <algorithm>
#include <cstring>
#include <string>

#include "alias_table.h"
#include "mci_device_commands.h"
#include "platform/platform_api.h"
#include "quiet_libraries.h"

extern "C" MCIERROR mciSendStringA(const char* command, char* reply, UINT reply_size, HWND) {
  // Devices live until closed; whatever is still open at exit is closed then.
  static velmora::mci::AliasTable devices;
  velmora::mci::QuietLibraries();
  if (command == nullptr) return velmora::mci::kUnrecognizedCommand;
  std::string text;
  const auto result = velmora::mci::RunCommand(devices, command, text);
  if (reply != nullptr && reply_size > 0) {
    const auto length = std::min<std::size_t>(text.size(), reply_size - 1);
    std::memcpy(reply, text.data(), length);
    reply[length] = '\0';
  }
  return result;
}
