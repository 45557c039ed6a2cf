// Whole runs of the player through pipes: every byte it prints and the status
// it ends with, for sessions that need no media.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "blocks.h"
#include "help/texts.h"
#include "player.h"

namespace velmora::test {
namespace {

struct Session {
  const char* name;
  std::string input;
  std::string output;  // after the banner
  std::int32_t exit_code;  // as the player returns it
};

// What the parent process sees of a 32-bit exit code: its low byte on Linux.
// Wine hands on the low byte too, but 1 where that byte alone would read as
// success.
int SeenStatus(std::int32_t exit_code) {
  const int low = static_cast<int>(static_cast<std::uint32_t>(exit_code) & 0xFF);
  if (std::getenv("VELMORA_TEST_LAUNCHER") != nullptr && low == 0 && exit_code != 0) return 1;
  return low;
}

const std::string kNeedsArgument = std::string(help::text::kOpenNeedsArgument) + "\n\n";

std::vector<Session> Sessions() {
  const std::string exit_help = Block(help::PrintExitHelp);
  const std::string listing = Block(help::PrintCommandListing);
  return {
      {"exit alone", "exit\n", ">", 0},
      {"upper case exit with status", "EXIT 3\n", ">", 3},
      {"quit in mixed case", "Quit 3\n", ">", 3},
      {"last line without newline", "exit 3", ">", 3},
      {"negative status", "exit -5\n", ">", -5},
      {"digits then letters", "exit 12abc\n", ">", 12},
      {"no digits", "exit abc\n", ">", 0},
      {"plus sign", "exit +4\n", ">", 4},
      {"two blanks", "exit  7\n", ">", 7},
      {"too large clamps", "exit 99999999999\n", ">", 2147483647},
      {"too small clamps", "exit -99999999999\n", ">", -2147483647 - 1},
      {"status above a byte", "exit 259\n", ">", 259},
      {"exit help keeps running", "exit /?\nquit -?\nQUIT -?\nexit 3 /?\nexit 9\n",
       ">" + exit_help + ">" + exit_help + ">" + exit_help + ">" + exit_help + ">", 9},
      {"words that name nothing", "exit3\nexit/?\n\n exit\nlist\nexit\n", ">>>>>>", 0},
      {"tab does not separate", "exit\t5\nexit 6\n", ">>", 6},
      {"crlf line ends", "HELP\r\nexit 4\r\n", ">" + listing + ">", 4},
      {"help ignores its arguments", "help\nhelp /?\nexit\n", ">" + listing + ">" + listing + ">", 0},
      {"end of input ends the run", "", ">", 0},
      {"end of input after commands", "help\n", ">" + listing + ">", 0},
      {"open without argument", "open\nopen \nexit\n", ">" + kNeedsArgument + ">" + kNeedsArgument + ">", 0},
      {"open help", "open /?\nopen -?\nopen ??\nexit\n",
       ">" + Block(help::PrintOpenHelp) + ">" + Block(help::PrintOpenHelp) + ">" + Block(help::PrintOpenHelp) + ">",
       0},
      {"open passes over unknown switches and missing files", "open /d\nopen no-such-file.wav\nopen \"abc\nexit\n",
       ">>>>", 0},
      {"playback with nothing open",
       "play\nplay /w\nsplay\nsplay /?\nstop\npause\nexit\n",
       ">MCI ERROR !:Play\n\n>MCI ERROR !:Play\n\n>MCI ERROR !:sPlay\n\n>MCI ERROR !:sPlay\n\n"
       ">MCI ERROR !:Stop\n\n>MCI ERROR !:Pause\n\n>",
       0},
      {"playback help", "play /?\nplay /w -?\nstop /?\npause -?\nexit\n",
       ">" + Block(help::PrintPlayHelp) + ">" + Block(help::PrintPlayHelp) + ">" + Block(help::PrintStopHelp) + ">" +
           Block(help::PrintPauseHelp) + ">",
       0},
  };
}

TEST(Session, PrintsExactBytesAndEndsWithItsStatus) {
  for (const auto& session : Sessions()) {
    const auto result = RunPlayer("VELMORA_TEST_PROGRAM", VELMORA_TEST_PROGRAM, {}, session.input);
    EXPECT_FALSE(result.timed_out) << session.name;
    EXPECT_EQ(result.out, Banner() + session.output) << session.name;
    EXPECT_EQ(result.exit_status, SeenStatus(session.exit_code)) << session.name;
    EXPECT_EQ(result.err, "") << session.name;
  }
}

TEST(Session, LaunchArgumentThatCannotBeOpenedPrintsNothing) {
  TempDir dir;
  const auto text_file = dir.Write("notes.txt", "not media\n");
  for (const std::string& argument : {(dir.path() / "missing.wav").string(), text_file.string()}) {
    const auto result = RunPlayer("VELMORA_TEST_PROGRAM", VELMORA_TEST_PROGRAM, {argument, "second"}, "play\nexit 2\n");
    EXPECT_EQ(result.out, Banner() + ">MCI ERROR !:Play\n\n>") << argument;
    EXPECT_EQ(result.exit_status, 2) << argument;
  }
}

}  // namespace
}  // namespace velmora::test
