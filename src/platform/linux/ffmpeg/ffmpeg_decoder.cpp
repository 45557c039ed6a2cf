// The decoder for what libsndfile cannot read: AAC and M4A, WMA, ALAC, the
// sound of video files. Built as a module of its own that the player loads
// only when a file needs it, so that common formats never pay for FFmpeg.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>
#include <vector>

#include "decoder.h"

namespace velmora::mci {
namespace {

class FfmpegDecoder final : public Decoder {
 public:
  ~FfmpegDecoder() override {
    av_frame_free(&frame_);
    av_packet_free(&packet_);
    swr_free(&resampler_);
    avcodec_free_context(&codec_);
    avformat_close_input(&format_);
  }

  bool Open(const char* path) {
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const int opened = avformat_open_input(&format_, path, nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) return false;
    if (avformat_find_stream_info(format_, nullptr) < 0) return false;
    stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (stream_ < 0) return false;
    const AVStream* stream = format_->streams[stream_];
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (codec == nullptr) return false;
    codec_ = avcodec_alloc_context3(codec);
    if (codec_ == nullptr || avcodec_parameters_to_context(codec_, stream->codecpar) < 0) return false;
    if (avcodec_open2(codec_, codec, nullptr) < 0) return false;

    format_info_ = {codec_->sample_rate, codec_->ch_layout.nb_channels};
    if (format_info_.rate <= 0 || format_info_.rate > 768000 || format_info_.channels <= 0 ||
        format_info_.channels > 64) {
      return false;
    }
    AVChannelLayout out_layout{};
    av_channel_layout_default(&out_layout, format_info_.channels);
    const int made = swr_alloc_set_opts2(&resampler_, &out_layout, AV_SAMPLE_FMT_FLT, format_info_.rate,
                                         &codec_->ch_layout, codec_->sample_fmt, codec_->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&out_layout);
    if (made < 0 || swr_init(resampler_) < 0) return false;

    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
      frames_ = av_rescale_q(stream->duration, stream->time_base, AVRational{1, format_info_.rate});
    } else if (format_->duration != AV_NOPTS_VALUE && format_->duration > 0) {
      frames_ = av_rescale_q(format_->duration, AVRational{1, AV_TIME_BASE}, AVRational{1, format_info_.rate});
    }
    packet_ = av_packet_alloc();
    frame_ = av_frame_alloc();
    return frames_ > 0 && packet_ != nullptr && frame_ != nullptr;
  }

  AudioFormat format() const override { return format_info_; }
  std::int64_t frames() const override { return frames_; }

  std::int64_t Read(float* interleaved, std::int64_t frames) override {
    const auto channels = static_cast<std::size_t>(format_info_.channels);
    std::int64_t done = 0;
    while (done < frames) {
      if (pending_used_ < pending_.size()) {
        const auto available = (pending_.size() - pending_used_) / channels;
        const auto take = std::min<std::size_t>(available, static_cast<std::size_t>(frames - done));
        std::memcpy(interleaved + static_cast<std::size_t>(done) * channels, pending_.data() + pending_used_,
                    take * channels * sizeof(float));
        pending_used_ += take * channels;
        done += static_cast<std::int64_t>(take);
        continue;
      }
      const int decoded = DecodeNext();
      if (decoded < 0) return done > 0 ? done : -1;
      if (decoded == 0) break;
    }
    return done;
  }

  bool Seek(std::int64_t frame) override {
    const AVStream* stream = format_->streams[stream_];
    const auto timestamp = av_rescale_q(frame, AVRational{1, format_info_.rate}, stream->time_base);
    if (av_seek_frame(format_, stream_, timestamp, AVSEEK_FLAG_BACKWARD) < 0) return false;
    avcodec_flush_buffers(codec_);
    swr_close(resampler_);
    if (swr_init(resampler_) < 0) return false;
    pending_.clear();
    pending_used_ = 0;
    at_end_ = false;
    draining_ = false;
    seek_target_ = frame;
    return true;
  }

 private:
  // Decodes the next frame into pending_. 1: more samples, 0: the end, -1: an error.
  int DecodeNext() {
    while (!at_end_) {
      const int received = avcodec_receive_frame(codec_, frame_);
      if (received == 0) {
        Convert();
        av_frame_unref(frame_);
        if (pending_used_ < pending_.size()) return 1;
        continue;
      }
      if (received == AVERROR_EOF) {
        at_end_ = true;
        break;
      }
      if (received != AVERROR(EAGAIN)) return -1;
      if (draining_) {
        at_end_ = true;
        break;
      }
      const int read = av_read_frame(format_, packet_);
      if (read == AVERROR_EOF) {
        draining_ = true;
        avcodec_send_packet(codec_, nullptr);
        continue;
      }
      if (read < 0) return -1;
      if (packet_->stream_index == stream_) {
        // A damaged packet is passed over as players do; the stream goes on.
        avcodec_send_packet(codec_, packet_);
      }
      av_packet_unref(packet_);
    }
    return 0;
  }

  void Convert() {
    const auto channels = static_cast<std::size_t>(format_info_.channels);
    const int capacity = swr_get_out_samples(resampler_, frame_->nb_samples);
    if (capacity <= 0) return;
    pending_.assign(static_cast<std::size_t>(capacity) * channels, 0.0f);
    auto* out = reinterpret_cast<std::uint8_t*>(pending_.data());
    const int converted = swr_convert(resampler_, &out, capacity, const_cast<const std::uint8_t**>(frame_->extended_data),
                                      frame_->nb_samples);
    pending_.resize(converted > 0 ? static_cast<std::size_t>(converted) * channels : 0);
    pending_used_ = 0;
    DropBeforeSeekTarget(converted);
  }

  // After a seek the decoder starts at a packet before the target; the
  // samples before it are dropped so that playback starts at the frame asked.
  void DropBeforeSeekTarget(int converted) {
    if (seek_target_ < 0 || converted <= 0) return;
    const std::int64_t pts = frame_->best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE) {
      seek_target_ = -1;
      return;
    }
    const std::int64_t start =
        av_rescale_q(pts, format_->streams[stream_]->time_base, AVRational{1, format_info_.rate});
    const std::int64_t drop = std::clamp<std::int64_t>(seek_target_ - start, 0, converted);
    pending_used_ = static_cast<std::size_t>(drop) * static_cast<std::size_t>(format_info_.channels);
    if (drop < converted) seek_target_ = -1;
  }

  AVFormatContext* format_ = nullptr;
  AVCodecContext* codec_ = nullptr;
  SwrContext* resampler_ = nullptr;
  AVPacket* packet_ = nullptr;
  AVFrame* frame_ = nullptr;
  int stream_ = -1;
  AudioFormat format_info_;
  std::int64_t frames_ = 0;
  std::vector<float> pending_;
  std::size_t pending_used_ = 0;
  bool draining_ = false;
  bool at_end_ = false;
  std::int64_t seek_target_ = -1;
};

}  // namespace
}  // namespace velmora::mci

extern "C" __attribute__((visibility("default"))) velmora::mci::Decoder* VelmoraOpenFfmpegDecoder(const char* path) {
  av_log_set_level(AV_LOG_QUIET);
  auto decoder = std::make_unique<velmora::mci::FfmpegDecoder>();
  if (!decoder->Open(path)) return nullptr;
  return decoder.release();
}
