#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "mci_errors.h"

namespace velmora::mci {

struct AudioFormat {
  int rate = 0;      // frames a second
  int channels = 0;  // samples a frame
};

// Turns one media file into interleaved float samples.
class Decoder {
 public:
  virtual ~Decoder() = default;
  virtual AudioFormat format() const = 0;
  // Length in frames: exact for some formats, an estimate for others; the
  // player sets it to what was played once it reaches the end.
  virtual std::int64_t frames() const = 0;
  // Reads up to `frames` frames; fewer only at the end, 0 once past it.
  // A negative result is a read error.
  virtual std::int64_t Read(float* interleaved, std::int64_t frames) = 0;
  // Moves to a frame; false when that failed.
  virtual bool Seek(std::int64_t frame) = 0;
};

struct OpenedDecoder {
  std::unique_ptr<Decoder> decoder;
  Result error = kOk;
};

// Opens a file with the first decoder that can play it.
OpenedDecoder OpenDecoder(const std::string& path);

}  // namespace velmora::mci
