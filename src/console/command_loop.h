#pragma once

#include <cstdint>
#include <string_view>

#include "console/line_reader.h"
#include "console/output.h"

namespace velmora::console {

// The whole run: banner, the open of the launch argument (when there is one),
// then one command a line until EXIT or QUIT, or until input ends. Returns
// the exit status.
std::int32_t RunPlayer(const char* launch_argument, LineReader& reader, Output& out);

}  // namespace velmora::console
