// The running player watched from outside: a real sound server that dies
// under it, the time its commands take and the CPU it uses while idle.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "interactive_player.h"
#include "media_fixtures.h"
#include "pulse_server.h"

namespace velmora::test {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

InteractivePlayer StartPlayer(const std::vector<std::string>& args, const std::map<std::string, std::string>& env) {
  std::vector<std::string> argv = {VELMORA_TEST_PROGRAM};
  argv.insert(argv.end(), args.begin(), args.end());
  return InteractivePlayer(argv, env, MediaFixtures::Get().folder().string());
}

TEST(SoundServer, KilledDuringAWaitingPlayEndsTheWaitWithAnError) {
  PulseServer server;
  auto player = StartPlayer({"ten.flac"}, server.ClientEnv());
  ASSERT_NE(player.ReadUntil("\n>").find("[Command Line]Open : ten.flac"), std::string::npos);
  player.Send("play /w");
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  const auto killed = Clock::now();
  server.Kill();
  EXPECT_EQ(player.ReadUntil("\n>"), "MCI ERROR !:Play\n\n>");
  EXPECT_LT(SecondsSince(killed), 2.0);
  // The player goes on reading commands, and plays again once the server is back.
  player.Send("help");
  EXPECT_NE(player.ReadUntil("\n>").size(), 0u);
  server.Start();
  player.Send("play");
  EXPECT_EQ(player.ReadUntil("\n>"), "Play - ten.flac\n\n>");
  player.Send("open tone.wav");
  player.Send("play /w");
  EXPECT_EQ(player.ReadUntil("\n>"), ">Play - tone.wav\n\n>");
  player.Send("exit 4");
  EXPECT_EQ(player.Finish(), 4);
}

TEST(SoundServer, PlaysThroughARealServer) {
  PulseServer server;
  auto player = StartPlayer({"tone.wav"}, server.ClientEnv());
  player.ReadUntil("\n>");
  const auto start = Clock::now();
  player.Send("play /w");
  EXPECT_EQ(player.ReadUntil("\n>"), "Play - tone.wav\n\n>");
  EXPECT_GE(SecondsSince(start), 0.9);
  player.Send("exit");
  EXPECT_EQ(player.Finish(), 0);
}

TEST(Responsiveness, CommandsAnswerAtOnceAndIdleCostsNoCpu) {
  auto player = StartPlayer({"ten.flac"}, {{"SDL_AUDIODRIVER", "dummy"}});
  player.ReadUntil("\n>");
  const long threads_before_playing = player.Status("Threads");
  for (const auto& [command, answer] : std::vector<std::pair<std::string, std::string>>{
           {"play", "Play - ten.flac\n\n>"},
           {"pause", "Pause\n\n>"},
           {"play", "Play - ten.flac\n\n>"},
           {"stop", "Stop\n\n>"},
           {"play", "Play - ten.flac\n\n>"},
           {"pause", "Pause\n\n>"}}) {
    const auto start = Clock::now();
    player.Send(command);
    EXPECT_EQ(player.ReadUntil("\n>"), answer);
    EXPECT_LT(SecondsSince(start), 0.1) << command;
  }
  // Paused: nothing runs.
  const long before = player.CpuTicks();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_LE(player.CpuTicks() - before, 1);
  // A few seconds later the output is closed and its thread gone.
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  EXPECT_EQ(player.Status("Threads"), threads_before_playing);
  player.Send("exit");
  EXPECT_EQ(player.Finish(), 0);
}

}  // namespace
}  // namespace velmora::test
