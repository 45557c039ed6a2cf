#include "decoder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "modules.h"
#include "sndfile_decoder.h"

namespace velmora::mci {

OpenedDecoder OpenDecoder(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {nullptr, kFileNotFound};
  if (!S_ISREG(info.st_mode)) return {nullptr, kCannotPlayFile};
  if (::access(path.c_str(), R_OK) != 0) return {nullptr, kCannotPlayFile};
  if (auto decoder = OpenSndfileDecoder(path)) return {std::move(decoder), kOk};
  if (auto decoder = OpenFfmpegDecoder(path)) return {std::move(decoder), kOk};
  return {nullptr, kCannotPlayFile};
}

}  // namespace velmora::mci
