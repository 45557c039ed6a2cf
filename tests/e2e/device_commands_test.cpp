// The exact command texts the player sends, in order, and how it reacts to the
// device's results and replies, through a recording stand-in device.
#include <gtest/gtest.h>

#include "blocks.h"
#include "player.h"

namespace velmora::test {
namespace {

struct Recorded {
  ProcessResult result;
  std::string commands;
};

// Runs the recording player in dir with the given device script.
Recorded RunRecorded(const TempDir& dir, const std::vector<std::string>& args, const std::string& input,
             const std::string& script = "") {
  const auto log = dir.path() / "commands.log";
  std::filesystem::remove(log);
  const auto script_file = dir.Write("device.script", script);
  ProcessOptions options;
  options.working_dir = dir.path().string();
  options.env = {{"VELMORA_TEST_MCI_LOG", log.string()}, {"VELMORA_TEST_MCI_SCRIPT", script_file.string()}};
  Recorded recorded{RunPlayer("VELMORA_TEST_RECORDING_PROGRAM", VELMORA_TEST_RECORDING_PROGRAM, args, input, options), ""};
  recorded.commands = ReadFile(log);
  EXPECT_EQ(recorded.result.err, "");
  return recorded;
}

const std::string kOpenSequenceHead = "close music\nset music time format milliseconds\n";

std::string OpenSequence(const std::string& path) {
  return kOpenSequenceHead + "open \"" + path + "\" alias music\nset music time format milliseconds\n";
}

class DeviceCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("a.wav", "a");
    dir_.Write("b.wav", "b");
    dir_.Write("my tone.wav", "t");
    std::filesystem::create_directory(dir_.path() / "adir");
  }
  TempDir dir_;
};

TEST_F(DeviceCommands, LaunchOpenQuotesTheArgumentAndReportsIt) {
  const auto run = RunRecorded(dir_, {"my tone.wav", "a.wav"}, "play\nexit\n",
                       "status music length\t0\t2000\nstatus music position\t0\t0\n");
  EXPECT_EQ(run.commands,
            "open \"my tone.wav\" alias music\nset music time format milliseconds\n"
            "status music length\nstatus music position\nplay music\nclose music\n");
  EXPECT_EQ(run.result.out, Banner() + "[Command Line]Open : my tone.wav\n>Play - my tone.wav\n\n>");
}

TEST_F(DeviceCommands, LaunchOpenThatFailsOrNamesNothingLeavesTheNameEmpty) {
  auto run = RunRecorded(dir_, {"a.wav"}, "play\n", "open \"a.wav\" alias music\t275\n");
  EXPECT_EQ(run.commands, "open \"a.wav\" alias music\nstatus music length\nstatus music position\n"
                          "seek music to 0\nplay music\nclose music\n");
  EXPECT_EQ(run.result.out, Banner() + ">Play - \n\n>");

  run = RunRecorded(dir_, {"missing.wav"}, "");
  EXPECT_EQ(run.commands, "close music\n");
  EXPECT_EQ(run.result.out, Banner() + ">");
}

TEST_F(DeviceCommands, LaunchArgumentOfAnyLengthIsSafe) {
  const std::string long_name(100000, 'x');
  const auto run = RunRecorded(dir_, {long_name}, "exit 1\n");
  EXPECT_EQ(run.commands, "close music\n");
  EXPECT_EQ(run.result.exit_status, 1);
}

TEST_F(DeviceCommands, OpenSendsItsSequenceForTheFirstExistingPath) {
  struct Case {
    std::string line, commands, output, played_name;
  };
  const Case cases[] = {
      {"open a.wav", OpenSequence("a.wav"), "", "a.wav"},
      {"OPEN \"my tone.wav\"", OpenSequence("my tone.wav"), "", "my tone.wav"},
      {"open my tone.wav", "", "", ""},
      {"open x a.wav", OpenSequence("a.wav"), "", "a.wav"},
      {"open a.wav b.wav", OpenSequence("a.wav"), "", "a.wav"},
      {"open \"my tone.wav\" a.wav", OpenSequence("my tone.wav"), "", "my tone.wav"},
      {"open adir", OpenSequence("adir"), "", "adir"},
      {"open a.wav /?", OpenSequence("a.wav"), Block(help::PrintOpenHelp), "a.wav"},
      {"open /? a.wav", "", Block(help::PrintOpenHelp), ""},
      {"open nope.wav /d", "", "", ""},
      {"open \"a.wav", "", "", ""},
  };
  for (const auto& c : cases) {
    const auto run = RunRecorded(dir_, {}, c.line + "\nplay\n", "status music length\t0\t5\n");
    EXPECT_EQ(run.commands, c.commands + "status music length\nstatus music position\nplay music\nclose music\n")
        << c.line;
    EXPECT_EQ(run.result.out, Banner() + ">" + c.output + ">Play - " + c.played_name + "\n\n>") << c.line;
  }
}

TEST_F(DeviceCommands, FailedOpenPrintsOnTheSameLineAndStillRecordsTheName) {
  const std::string script = "open \"a.wav\" alias music\t281\nplay music\t263\n";
  auto run = RunRecorded(dir_, {}, "open a.wav\nplay\nopen a.wav -?\nexit\n", script);
  EXPECT_EQ(run.result.out, Banner() + ">MCI OPEN ERROR!>MCI ERROR !:Play\n\n>MCI OPEN ERROR!" +
                                Block(help::PrintOpenHelp) + ">");
  EXPECT_EQ(run.commands, OpenSequence("a.wav") + "status music length\nstatus music position\nseek music to 0\n"
                          "play music\n" + OpenSequence("a.wav") + "close music\n");

  run = RunRecorded(dir_, {}, "open a.wav\nsplay\n", "open \"a.wav\" alias music\t281\n");
  EXPECT_EQ(run.result.out, Banner() + ">MCI OPEN ERROR!>>");
}

TEST_F(DeviceCommands, PlayRewindsOnlyAtTheEndAndWaitsOnlyWhenAsked) {
  struct Case {
    std::string line, position, commands_after_status;
  };
  const Case cases[] = {
      {"play", "1000", "play music\n"},
      {"play", "2000", "seek music to 0\nplay music\n"},
      {"play /w", "0", "play music  wait\n"},
      {"play -w", "0", "play music  wait\n"},
      {"play x/wy", "0", "play music  wait\n"},
      {"play /W", "0", "play music\n"},
      {"play -r /r", "0", "play music\n"},
  };
  for (const auto& c : cases) {
    const auto run = RunRecorded(dir_, {}, c.line + "\n",
                         "status music length\t0\t2000\nstatus music position\t0\t" + c.position + "\n");
    EXPECT_EQ(run.commands, "status music length\nstatus music position\n" + c.commands_after_status + "close music\n")
        << c.line;
    EXPECT_EQ(run.result.out, Banner() + ">Play - \n\n>") << c.line;
  }
}

TEST_F(DeviceCommands, PlaybackCommandsReportTheirResults) {
  struct Case {
    std::string line, script, commands, output;
  };
  const Case cases[] = {
      {"splay /?", "", "play music\n", ""},
      {"splay", "play music\t263\n", "play music\n", "MCI ERROR !:sPlay\n\n"},
      {"stop", "", "stop music\nseek music to start\n", "Stop\n\n"},
      {"stop", "stop music\t263\n", "stop music\nseek music to start\n", "MCI ERROR !:Stop\n\n"},
      {"stop /?", "", "seek music to start\n", Block(help::PrintStopHelp)},
      {"pause", "", "pause music\n", "Pause\n\n"},
      {"pause", "pause music\t302\n", "pause music\n", "MCI ERROR !:Pause\n\n"},
      {"pause /?", "", "", Block(help::PrintPauseHelp)},
      {"play /w /?", "", "", Block(help::PrintPlayHelp)},
      {"play /w", "play music  wait\t263\n", "status music length\nstatus music position\nseek music to 0\n"
                                             "play music  wait\n", "MCI ERROR !:Play\n\n"},
      {"exit /?", "", "", Block(help::PrintExitHelp)},
  };
  for (const auto& c : cases) {
    const auto run = RunRecorded(dir_, {}, c.line + "\n", c.script);
    EXPECT_EQ(run.commands, c.commands + "close music\n") << c.line;
    EXPECT_EQ(run.result.out, Banner() + ">" + c.output + ">") << c.line;
  }
}

}  // namespace
}  // namespace velmora::test
