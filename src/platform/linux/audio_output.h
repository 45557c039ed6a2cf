#pragma once

#include <cstddef>
#include <functional>
#include <memory>

#include "decoder.h"

namespace velmora::mci {

// A sound card or sound server that pulls interleaved float samples.
class AudioOutput {
 public:
  // Called on the output's own thread to fill `frames` frames.
  using Pull = std::function<void(float* interleaved, std::size_t frames)>;

  virtual ~AudioOutput() = default;
  // Opens the output for the format and starts pulling at once; false when no
  // output could be opened.
  virtual bool Open(const AudioFormat& format, Pull pull) = 0;
  // Halts pulling at once but keeps the output open; Resume goes on.
  virtual void Halt() = 0;
  virtual void Resume() = 0;
  // Stops pulling and releases the output; no pull runs after it returns.
  // This may take as long as the output's buffer lasts.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // False once the output has gone away under us (the sound server stopped).
  virtual bool Alive() = 0;
  // How many frames the output holds after a pull before they are heard.
  virtual std::size_t BufferedFrames() const = 0;
};

// The output for this machine: PulseAudio (or PipeWire through its PulseAudio
// server) where one answers, else SDL2, which reaches ALSA. Setting
// SDL_AUDIODRIVER asks for SDL2 and the driver it names.
std::unique_ptr<AudioOutput> MakeAudioOutput();

}  // namespace velmora::mci
