#pragma once

#include <optional>
#include <string>

#include "console/line_reader.h"
#include "console/output.h"

namespace velmora::terminal {

// Reads lines through libedit: the prompt, cursor keys and editing keys, the
// lines of this run under Up and Down, and Tab completing file names. The
// history stays in memory.
class EditorLineReader final : public console::LineReader {
 public:
  explicit EditorLineReader(console::Output& out);
  std::optional<std::string> Read() override;

 private:
  console::Output& out_;
};

}  // namespace velmora::terminal
