// What the player does with hostile input, a reader that goes away, broken
// media and long runs: every case ends in a clear result, never a crash or a
// hang.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "interactive_player.h"
#include "media_fixtures.h"
#include "player.h"
#include "pulse_server.h"

namespace velmora::test {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::string_literals;

ProcessResult RunDummy(const std::vector<std::string>& args, const std::string& input, ProcessOptions options = {}) {
  options.env["SDL_AUDIODRIVER"] = "dummy";
  if (options.working_dir.empty()) options.working_dir = MediaFixtures::Get().folder().string();
  auto result = RunPlayer("VELMORA_TEST_PROGRAM", VELMORA_TEST_PROGRAM, args, input, options);
  EXPECT_FALSE(result.timed_out);
  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.err, "");
  return result;
}

std::string Repeat(const std::string& text, std::size_t times) {
  std::string all;
  all.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) all += text;
  return all;
}

TEST(Faults, HostileInputLines) {
  const std::string huge(50u << 20, 'a');
  const std::string long_path = "/" + std::string(5000, 'p') + ".wav";
  struct Case {
    const char* name;
    std::string input, output;
    int status;
  };
  const Case cases[] = {
      {"a line of 50 MB", huge + "\nopen " + huge + "\nexit 3\n", ">>>", 3},
      {"NUL bytes", "ex\0it 3\nopen tone\0.wav\nexit \0 9\n"s, ">>>", 0},
      {"high bytes in words and paths", "\xFF\xFE\nEXIT\x80 1\nopen \x81\x40\xE3\x81.wav \"\x82\xA0\"\nexit 4\n", ">>>>", 4},
      {"invalid sequences in a status", "exit \xC3\x28 5\n", ">", 0},
      {"a path beyond the platform's limit", "open " + long_path + "\nopen \"" + long_path + "\"\nexit 2\n", ">>>", 2},
      {"100,000 commands", Repeat("stop\npause\n", 50000) + "exit 7\n",
       Repeat(">MCI ERROR !:Stop\n\n>MCI ERROR !:Pause\n\n", 50000) + ">", 7},
  };
  for (const auto& c : cases) {
    const auto result = RunDummy({}, c.input);
    EXPECT_EQ(result.out, Banner() + c.output) << c.name;
    EXPECT_EQ(result.exit_status, c.status) << c.name;
  }
  // The same long path as the launch argument.
  const auto result = RunDummy({long_path}, "exit 1\n");
  EXPECT_EQ(result.out, Banner() + ">");
  EXPECT_EQ(result.exit_status, 1);
}

TEST(Faults, AReaderThatGoesAwayDoesNotEndThePlayer) {
  ProcessOptions options;
  options.close_output_early = true;
  const auto result = RunDummy({"tone.wav"}, Repeat("help\n", 2000) + "play /w\nexit 6\n", options);
  EXPECT_EQ(result.exit_status, 6);
}

TEST(Faults, BrokenMediaEndsInAClearResult) {
  // Opens, plays to its real end and rewinds on the next play.
  for (const std::string name : {"truncated.wav", "claims-days.flac"}) {
    const auto start = Clock::now();
    const auto result = RunDummy({name}, "play /w\nplay /w\nexit\n");
    EXPECT_EQ(result.out, Banner() + "[Command Line]Open : " + name + "\n>Play - " + name + "\n\n>Play - " + name +
                              "\n\n>")
        << name;
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 5.0) << name;
  }
  // A file it may not read.
  TempDir dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  const auto locked = dir.path() / "locked.wav";
  std::filesystem::copy_file(MediaFixtures::Get()["tone.wav"], locked);
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  ProcessOptions options;
  options.working_dir = dir.path().string();
  if (geteuid() == 0) options.uid = 65534;  // root reads everything: play as nobody
  const auto result = RunDummy({}, "open locked.wav\nplay\n", options);
  EXPECT_EQ(result.out, Banner() + ">MCI OPEN ERROR!>MCI ERROR !:Play\n\n>");
}

TEST(Faults, MediaThatChangesWhileItPlays) {
  TempDir dir;
  const auto deleted = dir.path() / "deleted.wav";
  const auto truncated = dir.path() / "truncated.flac";
  std::filesystem::copy_file(MediaFixtures::Get()["long.wav"], deleted);
  std::filesystem::copy_file(MediaFixtures::Get()["ten.flac"], truncated);
  InteractivePlayer player({VELMORA_TEST_PROGRAM}, {{"SDL_AUDIODRIVER", "dummy"}}, dir.path().string());
  player.ReadUntil("\n>");

  player.Send("open deleted.wav");
  player.Send("play");
  EXPECT_EQ(player.ReadUntil("\n>"), ">Play - deleted.wav\n\n>");
  std::filesystem::remove(deleted);
  player.Send("play /w");
  EXPECT_EQ(player.ReadUntil("\n>"), "Play - deleted.wav\n\n>");

  player.Send("open truncated.flac");
  player.Send("play");
  EXPECT_EQ(player.ReadUntil("\n>"), ">Play - truncated.flac\n\n>");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  std::filesystem::resize_file(truncated, std::filesystem::file_size(truncated) / 3);
  const auto start = Clock::now();
  player.Send("play /w");
  const auto answer = player.ReadUntil("\n>", std::chrono::seconds(15));
  EXPECT_TRUE(answer == "Play - truncated.flac\n\n>" || answer == "MCI ERROR !:Play\n\n>") << answer;
  // It ends with what was left, well before the ten seconds the file had.
  EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 8.0);
  player.Send("exit 2");
  EXPECT_EQ(player.Finish(), 2);
}

int OpenFiles(pid_t pid) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry :
       std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
    ++count;
  }
  return count;
}

// Through a real sound server, which each open connects to anew.
TEST(Faults, ThousandCyclesLeaveNothingBehind) {
  PulseServer server;
  InteractivePlayer player({VELMORA_TEST_PROGRAM}, server.ClientEnv(), MediaFixtures::Get().folder().string());
  player.ReadUntil("\n>");
  const std::string cycle = "open tone.flac\nplay\npause\nstop\n";
  const std::string answers = ">Play - tone.flac\n\n>Pause\n\n>Stop\n\n>";
  const auto run_cycles = [&](int count) {
    for (int i = 0; i < count; ++i) {
      player.Send(cycle.substr(0, cycle.size() - 1));
      ASSERT_EQ(player.ReadUntil(answers), answers) << "cycle " << i;
    }
  };
  run_cycles(50);
  const int files = OpenFiles(player.pid());
  const long threads = player.Status("Threads");
  const long memory = player.Status("VmRSS");
  run_cycles(1000);
  EXPECT_EQ(OpenFiles(player.pid()), files);
  EXPECT_EQ(player.Status("Threads"), threads);
#ifndef __SANITIZE_ADDRESS__
  // (AddressSanitizer holds freed memory back on purpose; there its leak
  // checker speaks instead.)
  EXPECT_LT(player.Status("VmRSS") - memory, 4096) << "kB";
#else
  (void)memory;
#endif
  player.Send("exit");
  EXPECT_EQ(player.Finish(), 0);
}

}  // namespace
}  // namespace velmora::test
