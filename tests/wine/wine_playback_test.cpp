// The Windows program against a real MCI implementation: Wine's, playing a
// WAV tone through a PulseAudio null sink.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "interactive_player.h"
#include "media_fixtures.h"
#include "pulse_server.h"

namespace velmora::test {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

TEST(WinePlayback, PlaysWaitsRewindsPausesAndRefusesNonMedia) {
  const char* loader = std::getenv("VELMORA_TEST_LAUNCHER");
  const char* program = std::getenv("VELMORA_TEST_PROGRAM");
  ASSERT_NE(loader, nullptr);
  ASSERT_NE(program, nullptr);
  PulseServer server;
  auto env = server.ClientEnv();
  for (const char* name : {"WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES"}) {
    if (const char* value = std::getenv(name)) env[name] = value;
  }
  InteractivePlayer player({loader, program, "long.wav"}, env, MediaFixtures::Get().folder().string());
  const auto started = player.ReadUntil("\r\n>", std::chrono::seconds(60));
  EXPECT_NE(started.find("[Command Line]Open : long.wav\r\n>"), std::string::npos) << started;

  for (int round = 0; round < 2; ++round) {  // the second round rewinds first
    const auto start = Clock::now();
    player.Send("play /w");
    EXPECT_EQ(player.ReadUntil("\r\n>"), "Play - long.wav\r\n\r\n>");
    EXPECT_GE(SecondsSince(start), 1.8) << round;
    EXPECT_LT(SecondsSince(start), 4.0) << round;
  }
  player.Send("play");
  EXPECT_EQ(player.ReadUntil("\r\n>"), "Play - long.wav\r\n\r\n>");
  player.Send("pause");
  EXPECT_EQ(player.ReadUntil("\r\n>"), "Pause\r\n\r\n>");
  player.Send("stop");
  EXPECT_EQ(player.ReadUntil("\r\n>"), "Stop\r\n\r\n>");
  player.Send("open notes.txt");
  EXPECT_EQ(player.ReadUntil(">"), "MCI OPEN ERROR!>");
  player.Send("play");
  EXPECT_EQ(player.ReadUntil("\r\n>"), "MCI ERROR !:Play\r\n\r\n>");
  player.Send("exit 3");
  EXPECT_EQ(player.Finish(std::chrono::seconds(30)), 3);
}

}  // namespace
}  // namespace velmora::test
