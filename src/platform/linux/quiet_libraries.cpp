#include "quiet_libraries.h"

#include <fcntl.h>
#include <unistd.h>

namespace velmora::mci {

void QuietLibraries() {
  static const bool done = [] {
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) {
      ::dup2(null, STDERR_FILENO);
      ::close(null);
    }
    return true;
  }();
  (void)done;
}

}  // namespace velmora::mci
