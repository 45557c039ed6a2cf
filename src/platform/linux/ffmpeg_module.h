#pragma once

#include <memory>
#include <string>

#include "decoder.h"

namespace velmora::mci {

// Opens a file with the FFmpeg decoder module, loading the module on first
// use. Nothing when the module is missing or cannot play the file.
std::unique_ptr<Decoder> OpenFfmpegDecoder(const std::string& path);

}  // namespace velmora::mci
