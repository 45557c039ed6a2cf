// The Linux program's entry point. At a terminal it brings what the Windows
// console gives every program: line editing, history and completion, and the
// Japanese texts in the terminal's own character set. Through pipes and files
// every byte stays as it is.
#include <unistd.h>

#include <iostream>
#include <memory>

#include "console/command_loop.h"
#include "console/line_reader.h"
#include "console/output.h"
#include "modules.h"
#include "terminal/utf8_text.h"

int main(int argc, char** argv) {
  velmora::console::Output out(std::cout);
  if (isatty(STDOUT_FILENO) && velmora::terminal::EnvironmentWantsUtf8()) {
    out.SetFixedTextConverter(velmora::terminal::Cp932ToUtf8);
  }
  // The line editor is a module of its own: programs that drive the player
  // through pipes never load it.
  std::unique_ptr<velmora::console::LineReader> reader;
  if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) reader = velmora::mci::MakeEditorLineReader(out);
  if (!reader) reader = std::make_unique<velmora::console::StreamLineReader>(std::cin, out);
  return velmora::console::RunPlayer(argc >= 2 ? argv[1] : nullptr, *reader, out);
}
