// The real player on real media files, through SDL's silent dummy output,
// and once through its disk output to hear what actually leaves the player.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>

#include "media_fixtures.h"
#include "player.h"

namespace velmora::test {
namespace {

using Clock = std::chrono::steady_clock;

struct Timed {
  ProcessResult result;
  double seconds;
};

Timed Play(const std::vector<std::string>& args, const std::string& input,
           std::map<std::string, std::string> env = {{"SDL_AUDIODRIVER", "dummy"}}) {
  ProcessOptions options;
  options.working_dir = MediaFixtures::Get().folder().string();
  options.env = std::move(env);
  const auto start = Clock::now();
  auto result = RunPlayer("VELMORA_TEST_PROGRAM", VELMORA_TEST_PROGRAM, args, input, options);
  EXPECT_EQ(result.err, "");
  EXPECT_FALSE(result.timed_out);
  return {std::move(result), std::chrono::duration<double>(Clock::now() - start).count()};
}

TEST(Playback, PlayWaitTakesTheDurationAndASecondOneRewinds) {
  const std::string path = MediaFixtures::Get()["my tone.wav"].string();
  const auto run = Play({path}, "play /w\nplay -w\nexit 7\n");
  EXPECT_EQ(run.result.out, Banner() + "[Command Line]Open : " + path + "\n>Play - " + path + "\n\n>Play - " + path +
                                "\n\n>");
  EXPECT_EQ(run.result.exit_status, 7);
  // Two plays of two seconds each.
  EXPECT_GE(run.seconds, 4.0);
  EXPECT_LT(run.seconds, 6.0);
}

TEST(Playback, OpenByPlainAndQuotedNames) {
  const auto run = Play({}, "open tone.flac\nplay /w\nopen \"my tone.wav\"\nsplay\nstop\nplay /w\nexit\n");
  EXPECT_EQ(run.result.out,
            Banner() + ">>Play - tone.flac\n\n>>>Stop\n\n>Play - my tone.wav\n\n>");
  EXPECT_GE(run.seconds, 3.0);
  EXPECT_LT(run.seconds, 5.0);
}

// M4A goes through the FFmpeg module, which the player loads from beside itself.
TEST(Playback, FormatsFromTheLoadedModulePlay) {
  const auto run = Play({}, "open tone.m4a\nplay /w\nexit\n");
  EXPECT_EQ(run.result.out, Banner() + ">>Play - tone.m4a\n\n>");
  EXPECT_GE(run.seconds, 0.9);
}

TEST(Playback, PauseAndPlayWithoutWaiting) {
  const auto run = Play({"long.wav"}, "play\npause\nplay\npause\nstop\nexit\n");
  EXPECT_EQ(run.result.out, Banner() + "[Command Line]Open : long.wav\n>Play - long.wav\n\n>Pause\n\n>"
                                       "Play - long.wav\n\n>Pause\n\n>Stop\n\n>");
  // Nothing waits: the commands answer at once.
  EXPECT_LT(run.seconds, 1.5);
}

TEST(Playback, WithoutAnyOutputPlayFailsRatherThanPretending) {
  const auto run = Play({"tone.wav"}, "play\nplay /w\nsplay\nexit\n",
                        {{"SDL_AUDIODRIVER", "no-such-driver"}});
  EXPECT_EQ(run.result.out, Banner() + "[Command Line]Open : tone.wav\n>MCI ERROR !:Play\n\n>MCI ERROR !:Play\n\n"
                                       ">MCI ERROR !:sPlay\n\n>");
}

TEST(Playback, FilesThatCannotPlayReportErrors) {
  for (const auto& [name, why] : MediaFixtures::BadFiles()) {
    const auto run = Play({}, "open " + name + "\nplay\nopen \"a folder.wav\"\nexit\n");
    EXPECT_EQ(run.result.out, Banner() + ">MCI OPEN ERROR!>MCI ERROR !:Play\n\n>MCI OPEN ERROR!>") << why;
  }
}

// SDL's disk output writes what the player hands it, as 32-bit floats.
TEST(Playback, TheToneReachesTheOutputWhole) {
  TempDir dir;
  const auto raw = dir.path() / "out.raw";
  const auto run = Play({"tone.wav"}, "play /w\nexit\n",
                        {{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", raw.string()}, {"SDL_DISKAUDIODELAY", "0"}});
  ASSERT_EQ(run.result.exit_status, 0);
  const std::string bytes = ReadFile(raw);
  std::vector<float> samples(bytes.size() / sizeof(float));
  std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));

  // Left channel only; the tone is the same on both.
  std::vector<float> left;
  for (std::size_t i = 0; i + 1 < samples.size(); i += 2) left.push_back(samples[i]);
  const auto first = std::find_if(left.begin(), left.end(), [](float s) { return std::fabs(s) > 0.01f; });
  const auto last = std::find_if(left.rbegin(), left.rend(), [](float s) { return std::fabs(s) > 0.01f; }).base();
  ASSERT_LT(first, last);
  const auto frames = static_cast<double>(last - first);
  EXPECT_NEAR(frames, 44100, 100);  // one second, not cut short

  double energy = 0;
  int crossings = 0;
  for (auto it = first; it != last; ++it) {
    energy += double{*it} * double{*it};
    if (it != first && (*(it - 1) < 0) != (*it < 0)) ++crossings;
  }
  EXPECT_NEAR(std::sqrt(energy / frames), 0.5 / std::sqrt(2.0), 0.02);  // half scale
  EXPECT_NEAR(crossings / 2.0 / (frames / 44100), 440, 5);
}

}  // namespace
}  // namespace velmora::test
