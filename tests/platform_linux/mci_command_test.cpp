#include "mci_command.h"

#include <gtest/gtest.h>

namespace velmora::mci {
namespace {

TEST(ParseCommand, ReadsVerbDeviceAndWords) {
  struct Case {
    std::string text, verb, device;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"play music", "play", "music", {}},
      {"PLAY Music  WAIT", "play", "Music", {"WAIT"}},
      {"  status   music   position  ", "status", "music", {"position"}},
      {"open \"my tone.wav\" alias music", "open", "my tone.wav", {"alias", "music"}},
      {"open \"say \"hi\".wav\" alias music", "open", "say \"hi\".wav", {"alias", "music"}},
      {"open \"tone.wav \" alias music", "open", "tone.wav ", {"alias", "music"}},
      {"open \"\" alias music", "open", "", {"alias", "music"}},
      {"open \"a\"b\"", "open", "a\"b", {}},
      {"open my tone.wav alias music", "open", "my", {"tone.wav", "alias", "music"}},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseCommand(c.text);
    ASSERT_TRUE(std::holds_alternative<Command>(parsed)) << c.text;
    const auto& command = std::get<Command>(parsed);
    EXPECT_EQ(command.verb, c.verb) << c.text;
    EXPECT_EQ(command.device, c.device) << c.text;
    EXPECT_EQ(command.words, c.words) << c.text;
  }
}

TEST(ParseCommand, RefusesTextsItCannotRead) {
  const std::pair<std::string, Result> cases[] = {
      {"", kUnrecognizedCommand},
      {"   ", kUnrecognizedCommand},
      {"play", kMissingDeviceName},
      {"open \"tone.wav alias music", kNoClosingQuote},
      {"open \"a\"b alias music", kNoClosingQuote},
  };
  for (const auto& [text, error] : cases) {
    const auto parsed = ParseCommand(text);
    ASSERT_TRUE(std::holds_alternative<Result>(parsed)) << text;
    EXPECT_EQ(std::get<Result>(parsed), error) << text;
  }
}

}  // namespace
}  // namespace velmora::mci
