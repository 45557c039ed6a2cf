#include "sample_ring.h"

#include <algorithm>

namespace velmora::mci {

std::size_t SampleRing::Push(const float* samples, std::size_t count) {
  count = std::min(count, space());
  const std::size_t capacity = samples_.size();
  std::size_t tail = (head_ + size_) % capacity;
  for (std::size_t done = 0; done < count;) {
    const std::size_t run = std::min(count - done, capacity - tail);
    std::copy_n(samples + done, run, samples_.begin() + static_cast<std::ptrdiff_t>(tail));
    done += run;
    tail = (tail + run) % capacity;
  }
  size_ += count;
  return count;
}

std::size_t SampleRing::Pop(float* samples, std::size_t count) {
  count = std::min(count, size_);
  const std::size_t capacity = samples_.size();
  for (std::size_t done = 0; done < count;) {
    const std::size_t run = std::min(count - done, capacity - head_);
    std::copy_n(samples_.begin() + static_cast<std::ptrdiff_t>(head_), run, samples + done);
    done += run;
    head_ = (head_ + run) % capacity;
  }
  size_ -= count;
  return count;
}

}  // namespace velmora::mci
