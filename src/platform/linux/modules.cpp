#include "modules.h"

#include <dlfcn.h>

#include <filesystem>

namespace velmora::mci {
namespace {

// Finds a module beside the program, or in the library folder of an install,
// and looks up its one entry point. A loaded module stays for the rest of the
// run: the objects it makes live in it.
void* LoadEntryPoint(const char* module_name, const char* entry_point) {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return nullptr;
  const auto folder = program.parent_path();
  for (const auto& candidate : {folder / module_name, folder / ".." / "lib" / "velmora" / module_name}) {
    if (void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) return dlsym(module, entry_point);
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<Decoder> OpenFfmpegDecoder(const std::string& path) {
  using Open = Decoder* (*)(const char*);
  static const auto open = reinterpret_cast<Open>(LoadEntryPoint("velmora-ffmpeg.so", "VelmoraOpenFfmpegDecoder"));
  if (open == nullptr) return nullptr;
  return std::unique_ptr<Decoder>(open(path.c_str()));
}

std::unique_ptr<AudioOutput> MakeSdlOutput() {
  using Make = AudioOutput* (*)();
  static const auto make = reinterpret_cast<Make>(LoadEntryPoint("velmora-sdl.so", "VelmoraMakeSdlOutput"));
  if (make == nullptr) return nullptr;
  return std::unique_ptr<AudioOutput>(make());
}

}  // namespace velmora::mci

namespace velmora::mci {

std::unique_ptr<console::LineReader> MakeEditorLineReader(console::Output& out) {
  using Make = console::LineReader* (*)(console::Output*);
  static const auto make =
      reinterpret_cast<Make>(LoadEntryPoint("velmora-terminal.so", "VelmoraMakeEditorLineReader"));
  if (make == nullptr) return nullptr;
  return std::unique_ptr<console::LineReader>(make(&out));
}

}  // namespace velmora::mci
