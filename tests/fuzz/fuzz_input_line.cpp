// Input lines through the whole console: reading, splitting, dispatch, OPEN's
// token cutting and every handler, against a stand-in device.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "console/command_loop.h"
#include "console/line_reader.h"
#include "console/output.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The first line doubles as the launch argument.
  const std::string launch = bytes.substr(0, bytes.find('\n'));
  std::istringstream in(bytes);
  std::ostringstream printed;
  velmora::console::Output out(printed);
  velmora::console::StreamLineReader reader(in, out);
  velmora::console::RunPlayer(launch.c_str(), reader, out);
  return 0;
}
