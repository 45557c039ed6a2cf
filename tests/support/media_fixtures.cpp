#include "media_fixtures.h"

#include <fstream>
#include <stdexcept>

#include "player.h"
#include "process.h"

namespace velmora::test {
namespace {

void Make(const std::vector<std::string>& argv) {
  ProcessOptions options;
  options.argv = argv;
  const auto result = RunProcess(options);
  if (result.exit_status != 0) throw std::runtime_error("making a fixture failed: " + argv[0] + ": " + result.err);
}

void Encode(const std::filesystem::path& from, const std::filesystem::path& to, std::vector<std::string> codec) {
  std::vector<std::string> argv = {"ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-i", from.string()};
  argv.insert(argv.end(), codec.begin(), codec.end());
  argv.push_back(to.string());
  Make(argv);
}

}  // namespace

const std::map<std::string, bool>& MediaFixtures::Tones() {
  static const std::map<std::string, bool> tones = {
      {"tone.wav", true},       {"tone-float.wav", true}, {"tone.flac", true}, {"tone.ogg", true},
      {"tone.opus", true},      {"tone-cbr.mp3", true},   {"tone-vbr.mp3", true}, {"tone.m4a", false},
  };
  return tones;
}

const std::map<std::string, std::string>& MediaFixtures::BadFiles() {
  static const std::map<std::string, std::string> files = {
      {"empty.wav", "an empty file"},
      {"notes.txt", "a text file"},
      {"garbled.mp3", "random bytes"},
      {"truncated-header.wav", "a WAV cut inside its header"},
      {"video-only.mp4", "a video without sound"},
      {"zero.wav", "a WAV without a single sample"},
  };
  return files;
}

MediaFixtures::MediaFixtures() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-media-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  folder_ = pattern;
  const auto f = [this](const std::string& name) { return (folder_ / name).string(); };

  const auto sine = [&](const std::string& name, const std::string& seconds, std::vector<std::string> format) {
    std::vector<std::string> argv = {"sox", "-n", "-r", "44100", "-c", "2"};
    argv.insert(argv.end(), format.begin(), format.end());
    argv.insert(argv.end(), {f(name), "synth", seconds, "sine", "440", "vol", "0.5"});
    Make(argv);
  };
  sine("tone.wav", "1", {"-b", "16"});
  sine("tone-float.wav", "1", {"-e", "floating-point", "-b", "32"});
  sine("long.wav", "2", {"-b", "16"});
  std::filesystem::copy_file(f("long.wav"), f("my tone.wav"));
  sine("ten.flac", "10", {"-b", "16"});
  Encode(f("tone.wav"), f("tone.flac"), {"-c:a", "flac"});
  Encode(f("tone.wav"), f("tone.ogg"), {"-c:a", "libvorbis"});
  Encode(f("tone.wav"), f("tone.opus"), {"-c:a", "libopus", "-b:a", "96k"});
  Encode(f("tone.wav"), f("tone-cbr.mp3"), {"-c:a", "libmp3lame", "-b:a", "128k"});
  Encode(f("tone.wav"), f("tone-vbr.mp3"), {"-c:a", "libmp3lame", "-q:a", "4"});
  Encode(f("tone.wav"), f("tone.m4a"), {"-c:a", "aac", "-b:a", "128k"});

  std::ofstream(f("empty.wav"), std::ios::binary);
  std::ofstream(f("notes.txt"), std::ios::binary) << "These are not the sounds you are looking for.\n";
  {
    std::ofstream garbled(f("garbled.mp3"), std::ios::binary);
    std::uint32_t state = 12345;
    for (int i = 0; i < 65536; ++i) {
      state = state * 1103515245u + 12345u;
      garbled.put(static_cast<char>(state >> 24));
    }
  }
  const std::string wav = ReadFile(folder_ / "tone.wav");
  std::ofstream(f("truncated-header.wav"), std::ios::binary) << wav.substr(0, 30);
  std::ofstream(f("truncated.wav"), std::ios::binary) << wav.substr(0, wav.size() / 2);
  // A WAV with a header and no sound at all.
  std::string zero = wav.substr(0, 44);
  const auto put32 = [&zero](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) zero[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
  };
  put32(4, 36);
  put32(40, 0);
  std::ofstream(f("zero.wav"), std::ios::binary) << zero;
  // A FLAC whose header claims three days of sound; one second follows.
  std::string flac = ReadFile(folder_ / "tone.flac");
  const std::uint64_t days = 44100ull * 86400 * 3;
  flac[21] = static_cast<char>((flac[21] & 0xF0) | static_cast<char>((days >> 32) & 0x0F));
  for (int i = 0; i < 4; ++i) flac[22 + static_cast<std::size_t>(i)] = static_cast<char>(days >> (24 - 8 * i));
  std::ofstream(f("claims-days.flac"), std::ios::binary) << flac;
  Make({"ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=64x48:rate=10",
        "-t", "1", "-c:v", "mpeg4", f("video-only.mp4")});
  std::filesystem::create_directory(folder_ / "a folder.wav");
}

MediaFixtures::~MediaFixtures() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

const MediaFixtures& MediaFixtures::Get() {
  static const MediaFixtures fixtures;
  return fixtures;
}

}  // namespace velmora::test
