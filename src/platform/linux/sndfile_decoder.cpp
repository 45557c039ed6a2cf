#include "sndfile_decoder.h"

#include <sndfile.h>

namespace velmora::mci {
namespace {

class SndfileDecoder final : public Decoder {
 public:
  SndfileDecoder(SNDFILE* file, const SF_INFO& info) : file_(file), info_(info) {}
  ~SndfileDecoder() override { sf_close(file_); }
  SndfileDecoder(const SndfileDecoder&) = delete;
  SndfileDecoder& operator=(const SndfileDecoder&) = delete;

  AudioFormat format() const override { return {info_.samplerate, info_.channels}; }
  std::int64_t frames() const override { return info_.frames; }

  std::int64_t Read(float* interleaved, std::int64_t frames) override {
    const sf_count_t got = sf_readf_float(file_, interleaved, frames);
    if (got == 0 && sf_error(file_) != SF_ERR_NO_ERROR) return -1;
    return got;
  }

  bool Seek(std::int64_t frame) override { return sf_seek(file_, frame, SEEK_SET) == frame; }

 private:
  SNDFILE* file_;
  SF_INFO info_;
};

}  // namespace

std::unique_ptr<Decoder> OpenSndfileDecoder(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (file == nullptr) return nullptr;
  // Play nothing that is not plain sound of a sane shape.
  if (info.samplerate <= 0 || info.samplerate > 768000 || info.channels <= 0 || info.channels > 64 ||
      info.frames <= 0 || info.seekable == 0) {
    sf_close(file);
    return nullptr;
  }
  // Integer sources come out as floats in -1..1.
  sf_command(file, SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
  return std::make_unique<SndfileDecoder>(file, info);
}

}  // namespace velmora::mci
