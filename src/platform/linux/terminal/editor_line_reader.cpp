#include "terminal/editor_line_reader.h"

#include <editline/readline.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

namespace velmora::terminal {
namespace {

// File and folder names, a folder's with its slash, as a shell shows them.
char* NextName(const char* text, int state) {
  char* name = rl_filename_completion_function(text, state);
  struct stat info {};
  if (name == nullptr || stat(name, &info) != 0 || !S_ISDIR(info.st_mode)) return name;
  const std::size_t length = std::strlen(name);
  if (length > 0 && name[length - 1] == '/') return name;
  auto* folder = static_cast<char*>(std::realloc(name, length + 2));
  if (folder == nullptr) return name;
  folder[length] = '/';
  folder[length + 1] = '\0';
  return folder;
}

char** CompleteNames(const char* text, int, int) {
  char** matches = rl_completion_matches(text, NextName);
  // A lone folder goes on inside it; a lone file is followed by a blank. The
  // list holds what replaces the text, then each match.
  const bool lone = matches != nullptr && matches[0] != nullptr && matches[1] != nullptr && matches[2] == nullptr;
  const bool lone_folder = lone && std::strlen(matches[0]) > 0 && matches[0][std::strlen(matches[0]) - 1] == '/';
  rl_completion_append_character = lone_folder ? '\0' : ' ';
  return matches;
}

}  // namespace

EditorLineReader::EditorLineReader(console::Output& out) : out_(out) {
  using_history();
  rl_attempted_completion_function = CompleteNames;
}

std::optional<std::string> EditorLineReader::Read() {
  out_.Flush();
  char* line = readline(">");
  // Ctrl+D on an empty line: the end of input.
  if (line == nullptr) return std::nullopt;
  std::string text(line);
  std::free(line);
  if (!text.empty()) add_history(text.c_str());
  return text;
}

}  // namespace velmora::terminal

extern "C" __attribute__((visibility("default"))) velmora::console::LineReader* VelmoraMakeEditorLineReader(
    velmora::console::Output* out) {
  return new velmora::terminal::EditorLineReader(*out);
}
