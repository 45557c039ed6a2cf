#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "mci_errors.h"

namespace velmora::mci {

// A command text read into words: the verb, the device (an alias, or for
// open the element name) and the keywords and values after it.
struct Command {
  std::string verb;                // lower-cased
  std::string device;              // as written, without quotes
  std::vector<std::string> words;  // as written, without quotes
};

// Splits a command text at runs of blanks. A word that starts with a double
// quote runs to the next double quote that stands before a blank or at the
// end, so a name may hold blanks and double quotes of its own.
std::variant<Command, Result> ParseCommand(std::string_view text);

// Case-insensitive comparison of a keyword with a lower-case word.
bool IsKeyword(std::string_view word, std::string_view keyword);

}  // namespace velmora::mci
