#pragma once

#include <functional>
#include <ostream>
#include <string>
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
  // One of the player's own fixed texts (code page 932), as a line; the two
  // pieces are printed back to back.
  void FixedLine(std::string_view first, std::string_view second = {});
  // A newline and a flush.
  void EmptyLine();
  // Flushes what was written without a flush.
  void Flush() { stream_.flush(); }

  // Fixed texts pass through this on their way out, where set (to show them
  // in the terminal's own character set). Bytes from the user never do.
  using Converter = std::function<std::string(std::string_view)>;
  void SetFixedTextConverter(Converter converter) { converter_ = std::move(converter); }
  // Bytes with neither newline nor flush (the prompt, the open error).
  void Write(std::string_view bytes);

 private:
  std::ostream& stream_;
  Converter converter_;
};

}  // namespace velmora::console
