// The media device through its command texts, on real files and SDL's
// silent dummy output.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "alias_table.h"
#include "mci_device_commands.h"
#include "media_fixtures.h"
#include "platform/platform_api.h"

namespace velmora::mci {
namespace {

using Clock = std::chrono::steady_clock;
using test::MediaFixtures;

class MediaDevice : public ::testing::Test {
 protected:
  Result Send(const std::string& text) {
    std::string ignored;
    return RunCommand(devices_, text, ignored);
  }
  std::string Ask(const std::string& text) {
    std::string reply;
    EXPECT_EQ(RunCommand(devices_, text, reply), kOk) << text;
    return reply;
  }
  long Number(const std::string& text) { return std::stol(Ask(text)); }
  std::string OpenText(const std::string& name) {
    return "open \"" + MediaFixtures::Get()[name].string() + "\" alias music";
  }
  static double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
  }

  AliasTable devices_;
};

TEST_F(MediaDevice, EveryFormatOpensAndPlaysToItsExactEnd) {
  for (const auto& [name, exact_length] : MediaFixtures::Tones()) {
    SCOPED_TRACE(name);
    ASSERT_EQ(Send(OpenText(name)), kOk);
    EXPECT_EQ(Send("set music time format milliseconds"), kOk);
    EXPECT_EQ(Ask("status music mode"), "stopped");
    EXPECT_EQ(Number("status music position"), 0);
    const long length = Number("status music length");
    if (exact_length) {
      EXPECT_EQ(length, 1000);
    } else {
      EXPECT_LE(std::abs(length - 1000), 60);
    }
    const auto start = Clock::now();
    EXPECT_EQ(Send("play music  wait"), kOk);
    EXPECT_GE(SecondsSince(start), 0.9);
    EXPECT_EQ(Ask("status music mode"), "stopped");
    EXPECT_EQ(Number("status music position"), Number("status music length"));
    EXPECT_LE(std::abs(Number("status music length") - 1000), 60);
    EXPECT_EQ(Send("close music"), kOk);
  }
}

TEST_F(MediaDevice, PlaybackStatesAndPositions) {
  ASSERT_EQ(Send(OpenText("long.wav")), kOk);
  EXPECT_EQ(Number("status music length"), 2000);
  // Pause works from stopped too.
  EXPECT_EQ(Send("pause music"), kOk);
  EXPECT_EQ(Ask("status music mode"), "paused");

  EXPECT_EQ(Send("play music"), kOk);
  EXPECT_EQ(Send("play music"), kOk);
  EXPECT_EQ(Ask("status music mode"), "playing");
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_EQ(Send("pause music"), kOk);
  EXPECT_EQ(Ask("status music mode"), "paused");
  const long paused_at = Number("status music position");
  EXPECT_GT(paused_at, 100);
  EXPECT_LT(paused_at, 1000);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(Number("status music position"), paused_at);

  // Play goes on from the paused position.
  EXPECT_EQ(Send("play music"), kOk);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(Send("stop music"), kOk);
  EXPECT_EQ(Ask("status music mode"), "stopped");
  const long stopped_at = Number("status music position");
  EXPECT_GT(stopped_at, paused_at);

  EXPECT_EQ(Send("seek music to start"), kOk);
  EXPECT_EQ(Number("status music position"), 0);
  EXPECT_EQ(Send("play music"), kOk);
  EXPECT_EQ(Send("seek music to 1000"), kOk);
  EXPECT_EQ(Ask("status music mode"), "stopped");
  EXPECT_EQ(Number("status music position"), 1000);
  EXPECT_EQ(Send("seek music to 5000"), kOutOfRange);
  EXPECT_EQ(Number("status music position"), 1000);

  // From 1000 to the end takes about a second, and ends exactly at the end.
  const auto start = Clock::now();
  EXPECT_EQ(Send("play music  wait"), kOk);
  EXPECT_NEAR(SecondsSince(start), 1.0, 0.4);
  EXPECT_EQ(Number("status music position"), 2000);
  // At the end play plays nothing.
  EXPECT_EQ(Send("play music"), kOk);
  EXPECT_EQ(Ask("status music mode"), "stopped");
  EXPECT_EQ(Send("play music wait"), kOk);

  EXPECT_EQ(Send("seek music to 0"), kOk);
  EXPECT_EQ(Send("seek music to end"), kOk);
  EXPECT_EQ(Number("status music position"), 2000);
  EXPECT_EQ(Send(OpenText("tone.wav")), kDuplicateAlias);
  EXPECT_EQ(Send("close music"), kOk);
  EXPECT_EQ(Send("status music mode"), kInvalidDeviceName);
}

TEST_F(MediaDevice, CommandsWithoutAnOpenDeviceFail) {
  for (const std::string text : {"close music", "play music", "play music  wait", "pause music", "stop music",
                                 "seek music to 0", "status music mode", "set music time format milliseconds"}) {
    EXPECT_EQ(Send(text), kInvalidDeviceName) << text;
  }
}

TEST_F(MediaDevice, FilesThatCannotPlayLeaveNothingOpen) {
  const auto& media = MediaFixtures::Get();
  EXPECT_EQ(Send("open \"" + (media.folder() / "missing.wav").string() + "\" alias music"), kFileNotFound);
  EXPECT_EQ(Send(OpenText("a folder.wav")), kCannotPlayFile);
  for (const auto& [name, why] : MediaFixtures::BadFiles()) {
    EXPECT_EQ(Send(OpenText(name)), kCannotPlayFile) << why;
  }
  // An unquoted name ends at the first blank; a blank inside quotes belongs to the name.
  EXPECT_EQ(Send("open " + media["my tone.wav"].string() + " alias music"), kUnrecognizedKeyword);
  EXPECT_EQ(Send("open \"" + media["tone.wav"].string() + " \" alias music"), kFileNotFound);
  EXPECT_EQ(Send("status music mode"), kInvalidDeviceName);
  EXPECT_EQ(Send(OpenText("my tone.wav")), kOk);
}

TEST_F(MediaDevice, RefusesCommandsItDoesNotKnow) {
  ASSERT_EQ(Send(OpenText("tone.wav")), kOk);
  const std::pair<std::string, Result> cases[] = {
      {"jump music", kUnrecognizedCommand},
      {"play music loudly", kUnrecognizedKeyword},
      {"status music", kMissingParameter},
      {"status music colour", kUnrecognizedKeyword},
      {"seek music", kMissingParameter},
      {"seek music to", kMissingParameter},
      {"seek music to 12x", kUnrecognizedKeyword},
      {"seek music to -1", kOutOfRange},
      {"seek music to 99999999999999999999999", kOutOfRange},
      {"set music time format frames", kBadTimeFormat},
      {"open \"" + MediaFixtures::Get()["tone.wav"].string() + "\" alias", kMissingParameter},
  };
  for (const auto& [text, error] : cases) EXPECT_EQ(Send(text), error) << text;
  EXPECT_EQ(Send("SET MUSIC TIME FORMAT MS"), kOk);
  EXPECT_EQ(Number("status music position"), 0);
}

TEST(MciSendString, RepliesAreCutToTheBuffer) {
  const std::string open = "open \"" + MediaFixtures::Get()["long.wav"].string() + "\" alias music";
  ASSERT_EQ(mciSendStringA(open.c_str(), nullptr, 0, nullptr), kOk);
  char reply[3] = {'x', 'x', 'x'};
  EXPECT_EQ(mciSendStringA("status music length", reply, sizeof reply, nullptr), kOk);
  EXPECT_STREQ(reply, "20");
  char mode[512];
  EXPECT_EQ(mciSendStringA("status music mode", mode, sizeof mode, nullptr), kOk);
  EXPECT_STREQ(mode, "stopped");
  EXPECT_EQ(mciSendStringA("close music", nullptr, 0, nullptr), kOk);
  EXPECT_EQ(mciSendStringA("close music", nullptr, 0, nullptr), kInvalidDeviceName);
}

}  // namespace
}  // namespace velmora::mci
