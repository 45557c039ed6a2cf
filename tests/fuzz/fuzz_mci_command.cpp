// Command texts through the media device's parser and command table, with a
// short tone open under "music" (reopened whenever an input closed it).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "alias_table.h"
#include "mci_command.h"
#include "mci_device_commands.h"

namespace {

std::string tone_path;

// Ten milliseconds of silence as a 16-bit mono 8 kHz WAV.
void WriteTone(const std::string& path) {
  const std::uint32_t samples = 80;
  std::string wav = "RIFF____WAVEfmt ";
  const auto put = [&wav](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) wav.push_back(static_cast<char>(value >> (8 * i)));
  };
  put(16, 4), put(1, 2), put(1, 2), put(8000, 4), put(16000, 4), put(2, 2), put(16, 2);
  wav += "data";
  put(samples * 2, 4);
  wav.append(samples * 2, '\0');
  const std::uint32_t riff = static_cast<std::uint32_t>(wav.size() - 8);
  for (int i = 0; i < 4; ++i) wav[4 + static_cast<std::size_t>(i)] = static_cast<char>(riff >> (8 * i));
  std::ofstream(path, std::ios::binary) << wav;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // SDL's file output with no delay: playback runs as fast as it can, so a
  // waiting play takes no time.
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  setenv("SDL_DISKAUDIODELAY", "0", 1);
  tone_path = (std::filesystem::temp_directory_path() / "velmora-fuzz-tone.wav").string();
  WriteTone(tone_path);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static velmora::mci::AliasTable devices;
  std::string reply;
  if (devices.Find("music") == nullptr) {
    velmora::mci::RunCommand(devices, "open \"" + tone_path + "\" alias music", reply);
  }
  const std::string text(reinterpret_cast<const char*>(data), size);
  velmora::mci::ParseCommand(text);
  // One command a line, as a script would send them.
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = std::min(text.find('\n', start), text.size());
    velmora::mci::RunCommand(devices, text.substr(start, end - start), reply);
    start = end + 1;
  }
  return 0;
}
