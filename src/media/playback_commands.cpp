#include "media/playback_commands.h"

#include "console/decimal.h"
#include "console/input_line.h"
#include "help/help_blocks.h"
#include "media/device.h"

namespace velmora::media {
namespace {

// A message line and the empty line that follows every message.
void Report(console::Output& out, std::string_view first, std::string_view second = {}) {
  out.Line(first, second);
  out.EmptyLine();
}

}  // namespace

void RunPlay(std::string_view argument_text, std::string_view media_name, console::Output& out) {
  if (console::HasHelpSwitch(argument_text)) {
    help::PrintPlayHelp(out);
    return;
  }
  Reply length{};
  Reply position{};
  Query(kStatusLength, length);
  Query(kStatusPosition, position);
  if (console::ParseDecimal(position.data()) == console::ParseDecimal(length.data())) Send(kSeekToZero);

  const auto command = console::HasWaitSwitch(argument_text) ? kPlayAndWait : kPlay;
  if (Send(command) != 0) {
    Report(out, "MCI ERROR !:Play");
  } else {
    Report(out, "Play - ", media_name);
  }
}

void RunSplay(console::Output& out) {
  if (Send(kPlay) != 0) Report(out, "MCI ERROR !:sPlay");
}

void RunStop(std::string_view argument_text, console::Output& out) {
  if (console::HasHelpSwitch(argument_text)) {
    help::PrintStopHelp(out);
  } else if (Send(kStop) != 0) {
    Report(out, "MCI ERROR !:Stop");
  } else {
    Report(out, "Stop");
  }
  Send(kSeekToStart);
}

void RunPause(std::string_view argument_text, console::Output& out) {
  if (console::HasHelpSwitch(argument_text)) {
    help::PrintPauseHelp(out);
    return;
  }
  if (Send(kPause) != 0) {
    Report(out, "MCI ERROR !:Pause");
  } else {
    Report(out, "Pause");
  }
}

}  // namespace velmora::media
