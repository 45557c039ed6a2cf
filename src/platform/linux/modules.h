#pragma once

#include <memory>
#include <string>

#include "audio_output.h"
#include "console/line_reader.h"
#include "console/output.h"
#include "decoder.h"

namespace velmora::mci {

// The heavy libraries live in modules of their own beside the program, loaded
// only when they are needed, so that the common path never maps them.

// Opens a file with the FFmpeg decoder module. Nothing when the module is
// missing or cannot play the file.
std::unique_ptr<Decoder> OpenFfmpegDecoder(const std::string& path);

// An output through SDL2. Nothing when the module is missing.
std::unique_ptr<AudioOutput> MakeSdlOutput();

// A line editor for the terminal, through libedit. Nothing when the module is
// missing.
std::unique_ptr<console::LineReader> MakeEditorLineReader(console::Output& out);

}  // namespace velmora::mci
