#include "audio_output.h"

#include <cstdlib>

#include "modules.h"
#include "pulse_output.h"

namespace velmora::mci {
namespace {

// Where no output can be had: playback fails rather than pretending.
class NoOutput final : public AudioOutput {
 public:
  bool Open(const AudioFormat&, Pull) override { return false; }
  void Halt() override {}
  void Resume() override {}
  void Close() override {}
  bool IsOpen() const override { return false; }
  bool Alive() override { return false; }
  std::size_t BufferedFrames() const override { return 0; }
};

}  // namespace

std::unique_ptr<AudioOutput> MakeAudioOutput() {
  if (std::getenv("SDL_AUDIODRIVER") == nullptr) {
    if (auto pulse = ConnectPulseOutput()) return pulse;
  }
  if (auto sdl = MakeSdlOutput()) return sdl;
  return std::make_unique<NoOutput>();
}

}  // namespace velmora::mci
