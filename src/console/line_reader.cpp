#include "console/line_reader.h"

#include "console/input_line.h"

namespace velmora::console {

std::optional<std::string> StreamLineReader::Read() {
  out_.Write(">");
  return ReadInputLine(in_);
}

}  // namespace velmora::console
