#include "media_device.h"

#include <algorithm>
#include <vector>

namespace velmora::mci {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::int64_t kChunkFrames = 4096;
// A waiting play gives up when the output has taken nothing for this long,
// in case the output died without saying so. Some sound servers take their
// samples in bursts of up to two seconds.
constexpr auto kOutputStall = std::chrono::seconds(5);
constexpr auto kWaitCheck = std::chrono::milliseconds(200);
// A halted output is closed after this long without playback.
constexpr auto kIdleClose = std::chrono::seconds(3);

}  // namespace

MediaDevice::MediaDevice(std::unique_ptr<Decoder> decoder, std::unique_ptr<AudioOutput> output)
    : decoder_(std::move(decoder)),
      format_(decoder_->format()),
      output_(std::move(output)),
      ring_(static_cast<std::size_t>(format_.rate) * static_cast<std::size_t>(format_.channels)),
      length_(decoder_->frames()) {
  feeder_ = std::thread([this] { Feed(); });
}

MediaDevice::~MediaDevice() {
  {
    std::lock_guard lock(mutex_);
    mode_ = Mode::kStopped;
    quit_ = true;
  }
  changed_.notify_all();
  feeder_.join();
  std::lock_guard output_lock(output_mutex_);
  output_->Close();
}

std::int64_t MediaDevice::ToMs(std::int64_t frames) const { return frames * 1000 / format_.rate; }

Mode MediaDevice::mode() {
  std::lock_guard lock(mutex_);
  return mode_;
}

std::int64_t MediaDevice::LengthMs() {
  std::lock_guard lock(mutex_);
  return ToMs(length_);
}

std::int64_t MediaDevice::PositionMs() {
  std::lock_guard lock(mutex_);
  return ToMs(position_);
}

Result MediaDevice::Play(bool wait) {
  {
    std::lock_guard output_lock(output_mutex_);
    std::unique_lock lock(mutex_);
    if (mode_ != Mode::kPlaying) {
      // At the end there is nothing to play.
      if (position_ >= length_) return kOk;
      mode_ = Mode::kPlaying;
      silence_after_end_ = 0;
      halt_output_ = false;
      output_failed_ = false;
      last_pull_ = Clock::now();
      lock.unlock();
      changed_.notify_all();
      // The output opens only when playback needs it, and again if it died
      // while halted.
      if (output_->IsOpen()) {
        output_->Resume();
        if (!output_->Alive()) output_->Close();
      }
      const bool open =
          output_->IsOpen() ||
          output_->Open(format_, [this](float* samples, std::size_t frames) { Pull(samples, frames); });
      lock.lock();
      output_open_ = open;
      if (!open) {
        mode_ = Mode::kStopped;
        return kHardware;
      }
    }
  }
  if (!wait) return kOk;
  std::unique_lock lock(mutex_);
  return WaitForEnd(lock);
}

Result MediaDevice::WaitForEnd(std::unique_lock<std::mutex>& lock) {
  while (mode_ == Mode::kPlaying) {
    changed_.wait_for(lock, kWaitCheck);
    if (mode_ != Mode::kPlaying) break;
    const bool stalled = Clock::now() - last_pull_ > kOutputStall;
    lock.unlock();
    bool alive = false;
    {
      std::lock_guard output_lock(output_mutex_);
      alive = output_->Alive();
    }
    lock.lock();
    if ((stalled || !alive) && mode_ == Mode::kPlaying) {
      mode_ = Mode::kStopped;
      output_failed_ = true;
      halt_output_ = true;
      changed_.notify_all();
    }
  }
  return output_failed_ ? kHardware : kOk;
}

Result MediaDevice::Pause() {
  {
    std::lock_guard lock(mutex_);
    mode_ = Mode::kPaused;
  }
  HaltOutput();
  return kOk;
}

Result MediaDevice::Stop() {
  {
    std::lock_guard lock(mutex_);
    mode_ = Mode::kStopped;
  }
  HaltOutput();
  return kOk;
}

Result MediaDevice::SeekMs(std::int64_t ms) {
  std::int64_t frame = 0;
  {
    std::lock_guard lock(mutex_);
    if (ms < 0 || ms > ToMs(length_)) return kOutOfRange;
    // Round up so that the position reads back as the milliseconds asked for.
    frame = std::min(length_, (ms * format_.rate + 999) / 1000);
  }
  return SeekFrame(frame);
}

Result MediaDevice::SeekToStart() { return SeekFrame(0); }

Result MediaDevice::SeekToEnd() {
  std::int64_t frame = 0;
  {
    std::lock_guard lock(mutex_);
    frame = length_;
  }
  return SeekFrame(frame);
}

Result MediaDevice::SeekFrame(std::int64_t frame) {
  Stop();
  std::lock_guard decoder_lock(decoder_mutex_);
  std::lock_guard lock(mutex_);
  if (frame == position_) return kOk;
  ring_.Clear();
  position_ = frame;
  decoded_to_ = frame;
  decoded_all_ = false;
  if (frame < length_ && !decoder_->Seek(frame)) decoded_all_ = true;
  return kOk;
}

void MediaDevice::HaltOutput() {
  std::lock_guard output_lock(output_mutex_);
  {
    std::lock_guard lock(mutex_);
    if (mode_ == Mode::kPlaying || !output_open_) return;
    idle_since_ = Clock::now();
  }
  output_->Halt();
  changed_.notify_all();
}

void MediaDevice::CloseIdleOutput() {
  std::lock_guard output_lock(output_mutex_);
  {
    std::lock_guard lock(mutex_);
    if (mode_ == Mode::kPlaying || !output_open_ || Clock::now() < idle_since_ + kIdleClose) return;
    output_open_ = false;
  }
  output_->Close();
}

// The feeder thread: decodes while playback needs samples, halts the output
// once playback has ended on its own and closes it when it has been idle.
void MediaDevice::Feed() {
  std::vector<float> chunk(static_cast<std::size_t>(kChunkFrames * format_.channels));
  const std::size_t chunk_samples = chunk.size();
  std::unique_lock lock(mutex_);
  while (!quit_) {
    if (halt_output_) {
      halt_output_ = false;
      lock.unlock();
      HaltOutput();
      lock.lock();
      continue;
    }
    if (mode_ == Mode::kPlaying && !decoded_all_ && ring_.space() >= chunk_samples) {
      lock.unlock();
      {
        // Holding the decoder keeps a seek from running between read and push.
        std::lock_guard decoder_lock(decoder_mutex_);
        const std::int64_t got = decoder_->Read(chunk.data(), kChunkFrames);
        std::lock_guard inner(mutex_);
        if (got <= 0) {
          // The end, or a read error: what was decoded still plays out.
          decoded_all_ = true;
        } else {
          ring_.Push(chunk.data(), static_cast<std::size_t>(got * format_.channels));
          decoded_to_ += got;
        }
      }
      lock.lock();
      continue;
    }
    if (mode_ != Mode::kPlaying && output_open_) {
      const auto close_at = idle_since_ + kIdleClose;
      if (Clock::now() < close_at) {
        changed_.wait_until(lock, close_at);
      } else {
        lock.unlock();
        CloseIdleOutput();
        lock.lock();
      }
      continue;
    }
    changed_.wait(lock);
  }
}

// The output thread: hands over decoded samples and notices the end.
void MediaDevice::Pull(float* interleaved, std::size_t frames) {
  const auto channels = static_cast<std::size_t>(format_.channels);
  std::size_t given = 0;
  {
    std::lock_guard lock(mutex_);
    last_pull_ = Clock::now();
    if (mode_ == Mode::kPlaying) {
      given = ring_.Pop(interleaved, frames * channels) / channels;
      position_ += static_cast<std::int64_t>(given);
      if (decoded_all_ && ring_.empty()) {
        // The last sample is heard once the output has taken its own
        // buffer's worth of silence after it.
        silence_after_end_ += frames - given;
        if (silence_after_end_ >= output_->BufferedFrames()) {
          mode_ = Mode::kStopped;
          length_ = position_ = decoded_to_;
          halt_output_ = true;
        }
      }
    }
  }
  changed_.notify_all();
  std::fill(interleaved + given * channels, interleaved + frames * channels, 0.0f);
}

}  // namespace velmora::mci
