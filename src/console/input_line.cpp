#include "console/input_line.h"

namespace velmora::console {

std::optional<std::string> ReadInputLine(std::istream& in) {
  std::string line;
  if (!std::getline(in, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

SplitLine Split(std::string_view input_line) {
  SplitLine result;
  const auto blank = input_line.find(' ');
  if (blank == std::string_view::npos) {
    result.command_word = input_line;
  } else {
    result.command_word = input_line.substr(0, blank);
    result.argument_text = input_line.substr(blank + 1);
    result.argument_text.push_back(' ');
  }
  // Lower-case as tolower does in the "C" locale: only A to Z change.
  for (char& c : result.command_word) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

bool HasSwitch(std::string_view argument_text, std::string_view slash_form,
               std::string_view hyphen_form) {
  return argument_text.find(slash_form) != std::string_view::npos ||
         argument_text.find(hyphen_form) != std::string_view::npos;
}

bool HasHelpSwitch(std::string_view argument_text) {
  return HasSwitch(argument_text, "/?", "-?");
}

bool HasWaitSwitch(std::string_view argument_text) {
  return HasSwitch(argument_text, "/w", "-w");
}

}  // namespace velmora::console
