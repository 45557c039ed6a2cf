// Sound through PulseAudio's client library, which reaches PulseAudio and
// PipeWire's PulseAudio server alike.
#include "pulse_output.h"

#include <pulse/pulseaudio.h>

#include <atomic>

namespace velmora::mci {
namespace {

// How much sound the server holds ahead of the speakers.
constexpr pa_usec_t kServerBuffer = 200 * PA_USEC_PER_MSEC;

class PulseOutput final : public AudioOutput {
 public:
  ~PulseOutput() override { Disconnect(); }

  // Connects to the server; false when none answers.
  bool Connect() {
    Disconnect();
    failed_ = false;
    mainloop_ = pa_threaded_mainloop_new();
    if (mainloop_ == nullptr) return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(mainloop_), "Velmora");
    if (context_ == nullptr) return false;
    pa_context_set_state_callback(context_, &PulseOutput::OnContextState, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
    if (pa_threaded_mainloop_start(mainloop_) < 0) return false;
    pa_threaded_mainloop_lock(mainloop_);
    pa_context_state_t state;
    while ((state = pa_context_get_state(context_)) != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state)) {
      pa_threaded_mainloop_wait(mainloop_);
    }
    pa_threaded_mainloop_unlock(mainloop_);
    return state == PA_CONTEXT_READY;
  }

  bool Open(const AudioFormat& format, Pull pull) override {
    Close();
    if (format.channels > static_cast<int>(PA_CHANNELS_MAX)) return false;
    // A server that went away may be back: connect anew.
    if (failed_ && !Connect()) return false;
    pull_ = std::move(pull);
    frame_bytes_ = sizeof(float) * static_cast<std::size_t>(format.channels);
    const pa_sample_spec sample_format{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(format.rate),
                              static_cast<std::uint8_t>(format.channels)};
    pa_channel_map map;
    pa_channel_map_init_auto(&map, sample_format.channels, PA_CHANNEL_MAP_DEFAULT);

    pa_threaded_mainloop_lock(mainloop_);
    failed_ = false;
    halted_ = false;
    stream_ = pa_stream_new(context_, "Velmora", &sample_format, &map);
    bool ready = false;
    if (stream_ != nullptr) {
      pa_stream_set_state_callback(stream_, &PulseOutput::OnStreamState, this);
      pa_stream_set_write_callback(stream_, &PulseOutput::OnWritable, this);
      pa_buffer_attr attr{};
      attr.maxlength = static_cast<std::uint32_t>(-1);
      attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kServerBuffer, &sample_format));
      attr.prebuf = static_cast<std::uint32_t>(-1);
      attr.minreq = static_cast<std::uint32_t>(-1);
      attr.fragsize = static_cast<std::uint32_t>(-1);
      if (pa_stream_connect_playback(stream_, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) == 0) {
        pa_stream_state_t state;
        while ((state = pa_stream_get_state(stream_)) != PA_STREAM_READY && PA_STREAM_IS_GOOD(state)) {
          pa_threaded_mainloop_wait(mainloop_);
        }
        ready = state == PA_STREAM_READY;
      }
      if (ready) {
        const pa_buffer_attr* granted = pa_stream_get_buffer_attr(stream_);
        buffered_ = (granted != nullptr ? granted->tlength : attr.tlength) / frame_bytes_;
      }
    }
    pa_threaded_mainloop_unlock(mainloop_);
    if (!ready) Close();
    return ready;
  }

  void Halt() override {
    if (stream_ == nullptr) return;
    pa_threaded_mainloop_lock(mainloop_);
    halted_ = true;
    Finish(pa_stream_cork(stream_, 1, nullptr, nullptr));
    Finish(pa_stream_flush(stream_, nullptr, nullptr));
    pa_threaded_mainloop_unlock(mainloop_);
  }

  void Resume() override {
    if (stream_ == nullptr) return;
    pa_threaded_mainloop_lock(mainloop_);
    halted_ = false;
    Finish(pa_stream_flush(stream_, nullptr, nullptr));
    Finish(pa_stream_cork(stream_, 0, nullptr, nullptr));
    Fill(pa_stream_writable_size(stream_));
    pa_threaded_mainloop_unlock(mainloop_);
  }

  void Close() override {
    if (stream_ == nullptr) return;
    pa_threaded_mainloop_lock(mainloop_);
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    pa_threaded_mainloop_unlock(mainloop_);
  }

  bool IsOpen() const override { return stream_ != nullptr; }
  bool Alive() override { return stream_ != nullptr && !failed_; }
  std::size_t BufferedFrames() const override { return buffered_; }

 private:
  void Disconnect() {
    Close();
    if (mainloop_ != nullptr) pa_threaded_mainloop_stop(mainloop_);
    if (context_ != nullptr) {
      pa_context_disconnect(context_);
      pa_context_unref(context_);
      context_ = nullptr;
    }
    if (mainloop_ != nullptr) {
      pa_threaded_mainloop_free(mainloop_);
      mainloop_ = nullptr;
    }
  }

  static void Finish(pa_operation* operation) {
    if (operation != nullptr) pa_operation_unref(operation);
  }

  // Runs on the server thread, with the loop locked.
  void Fill(std::size_t bytes) {
    if (halted_ || stream_ == nullptr || bytes == static_cast<std::size_t>(-1)) return;
    while (bytes >= frame_bytes_) {
      void* data = nullptr;
      std::size_t size = bytes;
      if (pa_stream_begin_write(stream_, &data, &size) < 0 || data == nullptr) return;
      const std::size_t frames = std::min(size, bytes) / frame_bytes_;
      if (frames == 0) {
        pa_stream_cancel_write(stream_);
        return;
      }
      pull_(static_cast<float*>(data), frames);
      if (pa_stream_write(stream_, data, frames * frame_bytes_, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
      bytes -= frames * frame_bytes_;
    }
  }

  static void OnWritable(pa_stream*, std::size_t bytes, void* self) { static_cast<PulseOutput*>(self)->Fill(bytes); }

  static void OnContextState(pa_context* context, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) output->failed_ = true;
    pa_threaded_mainloop_signal(output->mainloop_, 0);
  }

  static void OnStreamState(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) output->failed_ = true;
    pa_threaded_mainloop_signal(output->mainloop_, 0);
  }

  pa_threaded_mainloop* mainloop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  Pull pull_;
  std::size_t frame_bytes_ = 0;
  std::size_t buffered_ = 0;
  bool halted_ = false;
  std::atomic<bool> failed_ = false;
};

}  // namespace

std::unique_ptr<AudioOutput> ConnectPulseOutput() {
  auto output = std::make_unique<PulseOutput>();
  if (!output->Connect()) return nullptr;
  return output;
}

}  // namespace velmora::mci
