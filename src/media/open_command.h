#pragma once

#include <string>
#include <string_view>

#include "console/output.h"

namespace velmora::media {

// One token cut off the front of OPEN's argument text.
struct OpenToken {
  // The token as cut: a quoted path without its quotes, or a run of bytes
  // with the blank that ended it. The short-token and "?" tests read this.
  std::string cut;
  // The path it names: the cut token without the blank that ended it.
  std::string path;
};

// Cuts the next token off the front of a non-empty remaining text.
OpenToken CutOpenToken(std::string& remaining);

// The OPEN command: opens the first token that names an existing path under
// the alias "music" and records it as the current media name.
void RunOpen(std::string_view argument_text, std::string& media_name, console::Output& out);

// The open of the launch argument at start-up. Prints a confirmation and
// records the media name only when the device opened the file.
void RunLaunchOpen(std::string_view argument, std::string& media_name, console::Output& out);

}  // namespace velmora::media
