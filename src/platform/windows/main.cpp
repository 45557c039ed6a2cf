// The Windows program's entry point. The Windows console gives every program
// line editing and history, and shows code page 932 as it is.
#include <iostream>

#include "console/command_loop.h"
#include "console/line_reader.h"
#include "console/output.h"

int main(int argc, char** argv) {
  velmora::console::Output out(std::cout);
  velmora::console::StreamLineReader reader(std::cin, out);
  return velmora::console::RunPlayer(argc >= 2 ? argv[1] : nullptr, reader, out);
}
