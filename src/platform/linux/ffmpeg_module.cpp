#include "ffmpeg_module.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>

namespace velmora::mci {
namespace {

using OpenFunction = Decoder* (*)(const char*);

constexpr const char* kModuleName = "velmora-ffmpeg.so";

// The module sits beside the program, or in the library folder of an install.
OpenFunction LoadModule() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return nullptr;
  const auto folder = program.parent_path();
  for (const auto& candidate : {folder / kModuleName, folder / ".." / "lib" / "velmora" / kModuleName}) {
    // The module stays loaded for the rest of the run: decoders it made live in it.
    if (void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      return reinterpret_cast<OpenFunction>(dlsym(module, "VelmoraOpenFfmpegDecoder"));
    }
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<Decoder> OpenFfmpegDecoder(const std::string& path) {
  static const OpenFunction open = LoadModule();
  if (open == nullptr) return nullptr;
  return std::unique_ptr<Decoder>(open(path.c_str()));
}

}  // namespace velmora::mci
