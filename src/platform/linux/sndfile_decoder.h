#pragma once

#include <memory>
#include <string>

#include "decoder.h"

namespace velmora::mci {

// WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3 and the other formats libsndfile
// reads, with exact frame counts. Nothing when libsndfile cannot read the file.
std::unique_ptr<Decoder> OpenSndfileDecoder(const std::string& path);

}  // namespace velmora::mci
