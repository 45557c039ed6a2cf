#include <gtest/gtest.h>

#include "media/open_command.h"

namespace velmora::media {
namespace {

struct TokenCase {
  std::string remaining;
  std::string cut, path, rest;
};

TEST(CutOpenToken, CutsQuotedAndPlainTokens) {
  const TokenCase cases[] = {
      // A plain path ends at a blank; the blank is part of the cut but not of the path.
      {"C:\\a.mp3 ", "C:\\a.mp3 ", "C:\\a.mp3", ""},
      {"x a.wav ", "x ", "x", "a.wav "},
      // A quoted path loses its quotes and keeps its blanks.
      {"\"C:\\a b.mp3\" ", "C:\\a b.mp3", "C:\\a b.mp3", " "},
      {"\"tone.wav \" ", "tone.wav ", "tone.wav ", " "},
      // After a quoted path the next token is cut at a blank, never at a quote.
      {" \"x y\" ", "\"x ", "\"x", "y\" "},
      {" b.mp3 ", "b.mp3 ", "b.mp3", ""},
      {" \"abcd\" ", "abcd\"", "abcd\"", ""},
      // A one-byte name keeps its quotes.
      {"\"a\" ", "\"a\"", "\"a\"", " "},
      // An opening quote with no closing one is a token of its own.
      {"\"abc ", "\"", "\"", "abc "},
      {" ", "", "", ""},
      {"  ", " ", "", ""},
      {"/? ", "/? ", "/?", ""},
      {"a? ", "a? ", "a?", ""},
  };
  for (const auto& c : cases) {
    std::string remaining = c.remaining;
    const auto token = CutOpenToken(remaining);
    EXPECT_EQ(token.cut, c.cut) << "[" << c.remaining << "]";
    EXPECT_EQ(token.path, c.path) << "[" << c.remaining << "]";
    EXPECT_EQ(remaining, c.rest) << "[" << c.remaining << "]";
  }
}

}  // namespace
}  // namespace velmora::media
