#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace velmora::test {

// Media files made once per test run with sox and ffmpeg: a 440 Hz tone at
// half scale, 44.1 kHz stereo, one second long ("tone.<kind>") in every format
// the player reads, a two-second WAV ("long.wav") and a copy with a blank in
// its name ("my tone.wav"), ten seconds of FLAC ("ten.flac"), the WAV cut in
// half ("truncated.wav"), a FLAC whose header claims three days
// ("claims-days.flac"), and files that are not playable media.
class MediaFixtures {
 public:
  static const MediaFixtures& Get();
  ~MediaFixtures();
  MediaFixtures(const MediaFixtures&) = delete;
  MediaFixtures& operator=(const MediaFixtures&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  std::filesystem::path operator[](const std::string& name) const { return folder_ / name; }

  // The tone in each format, by file name, with whether its length is known
  // exactly before it plays.
  static const std::map<std::string, bool>& Tones();
  // Files that must not open: name, what is wrong with it.
  // ("zero.wav", a WAV without a single sample, is among them.)
  static const std::map<std::string, std::string>& BadFiles();

 private:
  MediaFixtures();
  std::filesystem::path folder_;
};

}  // namespace velmora::test
