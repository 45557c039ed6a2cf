#pragma once

#include <memory>

#include "audio_output.h"

namespace velmora::mci {

// An output connected to the PulseAudio (or PipeWire) server of this
// session; nothing when no server answers.
std::unique_ptr<AudioOutput> ConnectPulseOutput();

}  // namespace velmora::mci
