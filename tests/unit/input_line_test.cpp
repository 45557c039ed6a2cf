#include "console/input_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora::console {
namespace {

struct SplitCase {
  std::string line, word, args;
};

TEST(Split, CutsAtTheFirstBlankAndLowerCasesOnlyTheWord) {
  const SplitCase cases[] = {
      {"OPEN Song.mp3", "open", "Song.mp3 "},
      {"open \"My Song.mp3\"", "open", "\"My Song.mp3\" "},
      {"open", "open", ""},
      {"open ", "open", " "},
      {"open  x", "open", " x "},
      {"exit 3", "exit", "3 "},
      {"Play /W", "play", "/W "},
      {" exit", "", "exit "},
      {"", "", ""},
      {"open\tx", "open\tx", ""},
      {"open x  ", "open", "x   "},
      {"\xC4XIT \xC4", "\xC4xit", "\xC4 "},  // bytes from 128 up stay as they are
  };
  for (const auto& c : cases) {
    const auto split = Split(c.line);
    EXPECT_EQ(split.command_word, c.word) << c.line;
    EXPECT_EQ(split.argument_text, c.args) << c.line;
  }
}

TEST(SwitchTest, FindsEitherFormAnywhereAndMindsLetterCase) {
  struct Case {
    std::string args;
    bool help, wait;
  };
  const Case cases[] = {
      {"/? ", true, false},  {"-? ", true, false}, {"a-?b ", true, false}, {"3 /? ", true, false},
      {"? ", false, false},  {"/ ", false, false}, {"/w ", false, true},   {"x/wy ", false, true},
      {"-w ", false, true},  {"/W ", false, false}, {"-W ", false, false}, {"", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HasHelpSwitch(c.args), c.help) << c.args;
    EXPECT_EQ(HasWaitSwitch(c.args), c.wait) << c.args;
  }
}

TEST(ReadInputLine, DropsLineEndsKeepsALastLineAndThenEnds) {
  std::istringstream in("one\r\ntwo\n\nthree\r\r\nlast");
  EXPECT_EQ(ReadInputLine(in), "one");
  EXPECT_EQ(ReadInputLine(in), "two");
  EXPECT_EQ(ReadInputLine(in), "");
  EXPECT_EQ(ReadInputLine(in), "three\r");  // only the carriage return before the line feed goes
  EXPECT_EQ(ReadInputLine(in), "last");
  EXPECT_EQ(ReadInputLine(in), std::nullopt);
  EXPECT_EQ(ReadInputLine(in), std::nullopt);
}

}  // namespace
}  // namespace velmora::console
