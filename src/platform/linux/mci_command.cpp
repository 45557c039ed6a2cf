#include "mci_command.h"

#include "ascii.h"

namespace velmora::mci {

bool IsKeyword(std::string_view word, std::string_view keyword) {
  if (word.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (AsciiLower(word[i]) != keyword[i]) return false;
  }
  return true;
}

std::variant<Command, Result> ParseCommand(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) break;
    if (text[i] == '"') {
      std::size_t close = i + 1;
      while (true) {
        close = text.find('"', close);
        if (close == std::string_view::npos) return kNoClosingQuote;
        if (close + 1 == text.size() || text[close + 1] == ' ') break;
        ++close;
      }
      words.emplace_back(text.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      const auto end = std::min(text.find(' ', i), text.size());
      words.emplace_back(text.substr(i, end - i));
      i = end;
    }
  }
  if (words.empty()) return kUnrecognizedCommand;
  if (words.size() < 2) return kMissingDeviceName;
  Command command;
  command.verb = AsciiLower(words[0]);
  command.device = std::move(words[1]);
  command.words.assign(std::make_move_iterator(words.begin() + 2), std::make_move_iterator(words.end()));
  return command;
}

}  // namespace velmora::mci
