#include "console/output.h"

namespace velmora::console {

void Output::Line(std::string_view bytes) {
  stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  EmptyLine();
}

void Output::Line(std::string_view first, std::string_view second) {
  stream_.write(first.data(), static_cast<std::streamsize>(first.size()));
  Line(second);
}

void Output::FixedLine(std::string_view first, std::string_view second) {
  if (!converter_) {
    Line(first, second);
    return;
  }
  std::string text(first);
  text += second;
  Line(converter_(text));
}

void Output::EmptyLine() {
  stream_.put('\n');
  stream_.flush();
}

void Output::Write(std::string_view bytes) {
  stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace velmora::console
