#pragma once

#include <cstddef>
#include <vector>

namespace velmora::mci {

// A fixed-size ring of samples between the decoder and the audio output.
// Not locked itself: its owner guards it.
class SampleRing {
 public:
  explicit SampleRing(std::size_t capacity) : samples_(capacity) {}

  std::size_t size() const { return size_; }
  std::size_t space() const { return samples_.size() - size_; }
  bool empty() const { return size_ == 0; }

  // Appends up to space() samples; returns how many went in.
  std::size_t Push(const float* samples, std::size_t count);
  // Takes up to count samples from the front; returns how many came out.
  std::size_t Pop(float* samples, std::size_t count);
  void Clear() { head_ = size_ = 0; }

 private:
  std::vector<float> samples_;
  std::size_t head_ = 0;
  std::size_t size_ = 0;
};

}  // namespace velmora::mci
