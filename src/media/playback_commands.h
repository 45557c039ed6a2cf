#pragma once

#include <string_view>

#include "console/output.h"

namespace velmora::media {

// PLAY: rewinds when the media stands at its end, plays, and with the wait
// switch returns only when playback has ended.
void RunPlay(std::string_view argument_text, std::string_view media_name, console::Output& out);
// SPLAY: plays and reports only a failure.
void RunSplay(console::Output& out);
// STOP: stops and rewinds.
void RunStop(std::string_view argument_text, console::Output& out);
// PAUSE: halts playback and keeps the position.
void RunPause(std::string_view argument_text, console::Output& out);

}  // namespace velmora::media
