#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::console {

// One input line cut into the word that names the command and the text that
// the command reads.
struct SplitLine {
  std::string command_word;   // up to the first blank, A-Z lower-cased
  std::string argument_text;  // after the first blank, plus one blank; or empty
};

// Reads one line: bytes up to a line feed, which is consumed; a carriage
// return right before it is dropped too. Bytes after the last line feed form
// a last line. Returns nothing once no further line can be read.
std::optional<std::string> ReadInputLine(std::istream& in);

SplitLine Split(std::string_view input_line);

// True when either form of a two-byte switch occurs anywhere in the text,
// compared byte for byte.
bool HasSwitch(std::string_view argument_text, std::string_view slash_form,
               std::string_view hyphen_form);

bool HasHelpSwitch(std::string_view argument_text);
bool HasWaitSwitch(std::string_view argument_text);

}  // namespace velmora::console
