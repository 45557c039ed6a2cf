#include "console/command_loop.h"

#include <string>

#include "console/decimal.h"
#include "console/input_line.h"
#include "help/help_blocks.h"
#include "media/device.h"
#include "media/open_command.h"
#include "media/playback_commands.h"

namespace velmora::console {
namespace {

void PrintBanner(Output& out) {
  out.Line("Velmora ver.1.00[build:0100]");
  out.Line("Copyright (C) 2026 The Velmora developers");
  out.EmptyLine();
}

std::int32_t Shutdown(std::string_view argument_text) {
  media::Send(media::kClose);
  return ParseDecimal(argument_text);
}

}  // namespace

std::int32_t RunPlayer(const char* launch_argument, LineReader& reader, Output& out) {
  std::string media_name;
  PrintBanner(out);
  if (launch_argument != nullptr) media::RunLaunchOpen(launch_argument, media_name, out);

  while (true) {
    const auto input_line = reader.Read();
    // Once input has ended the run ends as a plain EXIT would.
    if (!input_line) return Shutdown({});

    const SplitLine line = Split(*input_line);
    const std::string& word = line.command_word;
    const std::string& args = line.argument_text;
    if (word == "exit" || word == "quit") {
      if (!HasHelpSwitch(args)) return Shutdown(args);
      help::PrintExitHelp(out);
    } else if (word == "open") {
      media::RunOpen(args, media_name, out);
    } else if (word == "play") {
      media::RunPlay(args, media_name, out);
    } else if (word == "splay") {
      media::RunSplay(out);
    } else if (word == "stop") {
      media::RunStop(args, out);
    } else if (word == "pause") {
      media::RunPause(args, out);
    } else if (word == "help") {
      help::PrintCommandListing(out);
    }
    // Any other word, the empty one included, is ignored.
  }
}

}  // namespace velmora::console
