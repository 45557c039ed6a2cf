#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "audio_output.h"
#include "decoder.h"
#include "mci_errors.h"
#include "sample_ring.h"

namespace velmora::mci {

enum class Mode { kStopped, kPlaying, kPaused };

// One open media file: its decoder, its playback state and, while it plays,
// its audio output. A feeder thread keeps a ring of about a second of decoded
// samples ahead of the output, which takes them on its own thread. Pause and
// stop halt the output at once; the feeder closes it after a few idle seconds,
// so that an idle player costs no CPU and a quick resume costs no reopen.
class MediaDevice {
 public:
  MediaDevice(std::unique_ptr<Decoder> decoder, std::unique_ptr<AudioOutput> output);
  ~MediaDevice();
  MediaDevice(const MediaDevice&) = delete;
  MediaDevice& operator=(const MediaDevice&) = delete;

  Mode mode();
  std::int64_t LengthMs();
  // Counts the samples handed to the audio output.
  std::int64_t PositionMs();

  // Plays from the current position; with wait, returns once the last sample
  // has been played out, or as soon as the output fails.
  Result Play(bool wait);
  Result Pause();
  Result Stop();
  // Stops and moves to a position in milliseconds; beyond the length it fails.
  Result SeekMs(std::int64_t ms);
  Result SeekToStart();
  Result SeekToEnd();

 private:
  void Feed();
  void Pull(float* interleaved, std::size_t frames);
  Result WaitForEnd(std::unique_lock<std::mutex>& lock);
  Result SeekFrame(std::int64_t frame);
  void HaltOutput();
  void CloseIdleOutput();
  std::int64_t ToMs(std::int64_t frames) const;

  const std::unique_ptr<Decoder> decoder_;
  const AudioFormat format_;

  // Lock order: output_mutex_, then decoder_mutex_, then mutex_.
  std::mutex output_mutex_;  // opening and closing the output
  const std::unique_ptr<AudioOutput> output_;
  std::mutex decoder_mutex_;  // reading and seeking the decoder

  std::mutex mutex_;  // everything below
  std::condition_variable changed_;
  SampleRing ring_;
  Mode mode_ = Mode::kStopped;
  std::int64_t position_ = 0;   // frames handed to the output
  std::int64_t length_ = 0;     // frames; set to the truth once the end is reached
  std::int64_t decoded_to_ = 0; // frame the decoder reads next
  bool decoded_all_ = false;
  std::size_t silence_after_end_ = 0;  // frames of silence pulled since the last sample
  bool halt_output_ = false;           // the feeder halts the output once playback ended
  bool output_open_ = false;
  std::chrono::steady_clock::time_point idle_since_;  // the output halted then
  bool output_failed_ = false;
  std::chrono::steady_clock::time_point last_pull_;
  bool quit_ = false;
  std::thread feeder_;
};

}  // namespace velmora::mci
