// Arbitrary bytes opened and decoded as a media file, by every decoder.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int file = memfd_create("velmora-fuzz", MFD_CLOEXEC);
  if (file < 0) return 0;
  if (write(file, data, size) != static_cast<ssize_t>(size)) {
    close(file);
    return 0;
  }
  const std::string path = "/proc/self/fd/" + std::to_string(file);
  auto opened = velmora::mci::OpenDecoder(path);
  if (opened.decoder) {
    auto& decoder = *opened.decoder;
    const auto format = decoder.format();
    std::vector<float> samples(static_cast<std::size_t>(1024 * format.channels));
    // Decode at most about a minute of sound: a header may claim days.
    std::int64_t decoded = 0;
    for (int chunk = 0; chunk < 4096; ++chunk) {
      const auto got = decoder.Read(samples.data(), 1024);
      if (got <= 0) break;
      decoded += got;
    }
    if (decoder.Seek(decoded / 2)) decoder.Read(samples.data(), 1024);
  }
  close(file);
  return 0;
}
