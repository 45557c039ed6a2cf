#pragma once

#include <ostream>
#include <string_view>

namespace velmora::console {

// Everything the player prints goes through here. A printed line is its
// bytes, a newline and a flush; nothing checks whether the write worked.
class Output {
 public:
  explicit Output(std::ostream& stream) : stream_(stream) {}

  // Bytes that reach the user as they are, followed by a newline and a flush.
  void Line(std::string_view bytes);
  // Several pieces printed as one line.
  void Line(std::string_view first, std::string_view second);
  // A newline and a flush.
  void EmptyLine();
  // Bytes with neither newline nor flush (the prompt, the open error).
  void Write(std::string_view bytes);

 private:
  std::ostream& stream_;
};

}  // namespace velmora::console
