#pragma once

#include "console/output.h"

namespace velmora::help {

// Each prints one whole block; a block starts on the current line and every
// block but the command listing ends with an empty line.
void PrintCommandListing(console::Output& out);
void PrintExitHelp(console::Output& out);
void PrintOpenHelp(console::Output& out);
void PrintPlayHelp(console::Output& out);
void PrintStopHelp(console::Output& out);
void PrintPauseHelp(console::Output& out);

}  // namespace velmora::help
