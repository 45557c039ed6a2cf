#pragma once

#include <istream>
#include <optional>
#include <string>

#include "console/output.h"

namespace velmora::console {

// Shows the prompt and reads the next input line; nothing once input has
// ended or failed.
class LineReader {
 public:
  virtual ~LineReader() = default;
  virtual std::optional<std::string> Read() = 0;
};

// Reads a plain stream: the prompt goes to the output without a newline and
// is flushed before the read, as the input stream is tied to the output.
class StreamLineReader final : public LineReader {
 public:
  StreamLineReader(std::istream& in, Output& out) : in_(in), out_(out) {}
  std::optional<std::string> Read() override;

 private:
  std::istream& in_;
  Output& out_;
};

}  // namespace velmora::console
