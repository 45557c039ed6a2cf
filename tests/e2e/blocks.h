#pragma once

#include <sstream>
#include <string>

#include "console/output.h"
#include "help/help_blocks.h"

namespace velmora::test {

// The bytes one help block prints.
inline std::string Block(void (*print)(console::Output&)) {
  std::ostringstream stream;
  console::Output out(stream);
  print(out);
  return stream.str();
}

}  // namespace velmora::test
