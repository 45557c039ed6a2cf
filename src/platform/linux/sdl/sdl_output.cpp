// Sound through SDL2, which reaches ALSA, PipeWire or PulseAudio, whichever
// the machine has; SDL_AUDIODRIVER chooses another, such as dummy or disk.
// A module of its own: SDL maps some forty libraries that plain playback
// through PulseAudio does without.
#include <SDL2/SDL.h>

#include <mutex>

#include "audio_output.h"

namespace velmora::mci {
namespace {

// SDL's audio system starts once and stays up.
bool StartAudioSystem() {
  static const bool started = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  return started;
}

class SdlOutput final : public AudioOutput {
 public:
  // The audio system starts with the first device, so that the first play
  // does not wait for it.
  SdlOutput() : started_(StartAudioSystem()) {}
  ~SdlOutput() override { Close(); }

  bool Open(const AudioFormat& format, Pull pull) override {
    Close();
    if (!started_) return false;
    pull_ = std::move(pull);
    channels_ = format.channels;
    SDL_AudioSpec want{};
    want.freq = format.rate;
    want.format = AUDIO_F32SYS;
    want.channels = static_cast<Uint8>(format.channels);
    // About 25 ms a buffer: SDL waits two buffers' time whenever it closes.
    want.samples = 256;
    while (want.samples < 4096 && want.samples * 2 * 40 <= format.rate) want.samples = static_cast<Uint16>(want.samples * 2);
    want.callback = &SdlOutput::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) return false;
    // What SDL holds, and about as much again in the server or driver behind it.
    buffered_ = 2 * static_cast<std::size_t>(have.samples);
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  void Halt() override {
    if (device_ != 0) SDL_PauseAudioDevice(device_, 1);
  }

  void Resume() override {
    if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
  }

  bool IsOpen() const override { return device_ != 0; }

  void Close() override {
    if (device_ != 0) {
      SDL_CloseAudioDevice(device_);
      device_ = 0;
    }
  }

  bool Alive() override { return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING; }

  std::size_t BufferedFrames() const override { return buffered_; }

 private:
  static void Callback(void* self, Uint8* stream, int bytes) {
    auto* output = static_cast<SdlOutput*>(self);
    const auto frame_bytes = sizeof(float) * static_cast<std::size_t>(output->channels_);
    output->pull_(reinterpret_cast<float*>(stream), static_cast<std::size_t>(bytes) / frame_bytes);
  }

  const bool started_;
  SDL_AudioDeviceID device_ = 0;
  Pull pull_;
  int channels_ = 0;
  std::size_t buffered_ = 0;
};

}  // namespace
}  // namespace velmora::mci

extern "C" __attribute__((visibility("default"))) velmora::mci::AudioOutput* VelmoraMakeSdlOutput() {
  return new velmora::mci::SdlOutput();
}
