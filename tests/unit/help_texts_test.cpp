#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "help/help_blocks.h"
#include "help/texts.h"

namespace velmora::help {
namespace {

TEST(HelpTexts, EveryTextHasItsCodePage932Length) {
  const std::pair<std::string_view, std::size_t> cases[] = {
      {text::kListingTitle, 12},     {text::kListingOpen, 38},     {text::kListingPlay, 44},
      {text::kListingPause, 27},     {text::kListingStop, 46},     {text::kListingExit, 38},
      {text::kListingHint, 87},      {text::kExitSummary, 34},     {text::kExitSyntax, 17},
      {text::kExitCodeMeaning, 44},  {text::kExitCodeUse, 52},     {text::kOpenSummary, 36},
      {text::kOpenSyntax, 36},       {text::kOpenPathParam, 55},   {text::kOpenDialogSwitch, 161},
      {text::kPlaySummary, 42},      {text::kPlaySyntax, 14},      {text::kPlayWaitSwitch, 33},
      {text::kPlayRepeatSwitch, 37}, {text::kPlayNeedsOpen, 90},   {text::kStopSummary, 50},
      {text::kStopSyntax, 4},        {text::kStopNextStart, 125},  {text::kSeePlayHelp, 70},
      {text::kPauseSummary, 28},     {text::kPauseSyntax, 5},      {text::kPausePosition, 80},
      {text::kPauseResume, 52},      {text::kOpenNeedsArgument, 23},
  };
  for (const auto& [bytes, length] : cases) EXPECT_EQ(bytes.size(), length) << bytes;
}

TEST(HelpTexts, AreCodePage932Bytes) {
  // "コマンド一覧" and "引数を指定してください."
  EXPECT_EQ(text::kListingTitle, "\x83\x52\x83\x7d\x83\x93\x83\x68\x88\xea\x97\x97");
  EXPECT_EQ(text::kOpenNeedsArgument,
            "\x88\xf8\x90\x94\x82\xf0\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2.");
  EXPECT_EQ(text::kPlaySyntax, "PLAY\t [/W][/R]");
  EXPECT_EQ(text::kOpenSyntax.substr(0, 5), "OPEN\t");
  EXPECT_EQ(text::kListingHint.substr(0, 2), "\"<");
}

std::vector<std::size_t> LineLengths(void (*print)(console::Output&)) {
  std::ostringstream stream;
  console::Output out(stream);
  print(out);
  std::vector<std::size_t> lengths;
  std::istringstream lines(stream.str());
  for (std::string line; std::getline(lines, line);) lengths.push_back(line.size());
  EXPECT_EQ(stream.str().back(), '\n');
  return lengths;
}

TEST(HelpBlocks, PrintTheirLinesInOrder) {
  using Lengths = std::vector<std::size_t>;
  EXPECT_EQ(LineLengths(PrintCommandListing), (Lengths{12, 38, 44, 27, 46, 38, 0, 87}));
  EXPECT_EQ(LineLengths(PrintExitHelp), (Lengths{34, 0, 17, 0, 96, 0}));
  EXPECT_EQ(LineLengths(PrintOpenHelp), (Lengths{36, 0, 36, 0, 55, 0, 161, 0}));
  EXPECT_EQ(LineLengths(PrintPlayHelp), (Lengths{42, 0, 14, 0, 33, 37, 0, 90, 0}));
  EXPECT_EQ(LineLengths(PrintStopHelp), (Lengths{50, 0, 4, 0, 125, 70, 0}));
  EXPECT_EQ(LineLengths(PrintPauseHelp), (Lengths{28, 0, 5, 0, 80, 52, 70, 0}));
}

}  // namespace
}  // namespace velmora::help
