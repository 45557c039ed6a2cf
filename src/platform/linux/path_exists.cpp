#include <sys/stat.h>

#include "platform/platform_api.h"

extern "C" BOOL PathFileExistsA(const char* path) {
  struct stat info {};
  return path != nullptr && ::stat(path, &info) == 0 ? 1 : 0;
}
