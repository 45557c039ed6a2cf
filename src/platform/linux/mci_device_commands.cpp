#include "mci_device_commands.h"

#include <charconv>

#include "audio_output.h"
#include "decoder.h"
#include "mci_command.h"

namespace velmora::mci {
namespace {

using Words = std::vector<std::string>;

// "wait" may follow any command; most take nothing else.
Result ExpectOnlyWait(const Words& words, bool* wait = nullptr) {
  for (const auto& word : words) {
    if (!IsKeyword(word, "wait")) return kUnrecognizedKeyword;
    if (wait != nullptr) *wait = true;
  }
  return kOk;
}

Result Open(AliasTable& devices, const Command& command) {
  std::string alias = command.device;
  for (std::size_t i = 0; i < command.words.size(); ++i) {
    const auto& word = command.words[i];
    if (IsKeyword(word, "alias") || IsKeyword(word, "type")) {
      if (i + 1 == command.words.size()) return kMissingParameter;
      if (IsKeyword(word, "alias")) alias = command.words[i + 1];
      ++i;
    } else if (!IsKeyword(word, "wait") && !IsKeyword(word, "shareable")) {
      return kUnrecognizedKeyword;
    }
  }
  if (devices.Find(alias) != nullptr) return kDuplicateAlias;
  auto opened = OpenDecoder(command.device);
  if (!opened.decoder) return opened.error;
  devices.Add(alias, std::make_unique<MediaDevice>(std::move(opened.decoder), MakeAudioOutput()));
  return kOk;
}

Result Status(MediaDevice& device, const Words& words, std::string& reply) {
  if (words.empty()) return kMissingParameter;
  if (words.size() > 1 && !IsKeyword(words[1], "wait")) return kUnrecognizedKeyword;
  const auto& item = words[0];
  if (IsKeyword(item, "length")) {
    reply = std::to_string(device.LengthMs());
  } else if (IsKeyword(item, "position")) {
    reply = std::to_string(device.PositionMs());
  } else if (IsKeyword(item, "mode")) {
    switch (device.mode()) {
      case Mode::kPlaying: reply = "playing"; break;
      case Mode::kPaused: reply = "paused"; break;
      case Mode::kStopped: reply = "stopped"; break;
    }
  } else if (IsKeyword(item, "ready")) {
    reply = "true";
  } else {
    return kUnrecognizedKeyword;
  }
  return kOk;
}

Result Set(const Words& words) {
  // Milliseconds are the only time format.
  if (words.empty()) return kMissingParameter;
  if (!IsKeyword(words[0], "time")) return kUnrecognizedKeyword;
  if (words.size() < 3 || !IsKeyword(words[1], "format")) return kMissingParameter;
  if (!IsKeyword(words[2], "milliseconds") && !IsKeyword(words[2], "ms")) return kBadTimeFormat;
  return ExpectOnlyWait(Words(words.begin() + 3, words.end()));
}

Result Seek(MediaDevice& device, const Words& words) {
  if (words.empty()) return kMissingParameter;
  if (!IsKeyword(words[0], "to")) return kUnrecognizedKeyword;
  if (words.size() < 2) return kMissingParameter;
  if (const auto rest = ExpectOnlyWait(Words(words.begin() + 2, words.end())); rest != kOk) return rest;
  const auto& target = words[1];
  if (IsKeyword(target, "start")) return device.SeekToStart();
  if (IsKeyword(target, "end")) return device.SeekToEnd();
  std::int64_t ms = 0;
  const auto [end, error] = std::from_chars(target.data(), target.data() + target.size(), ms);
  if (error == std::errc::result_out_of_range) return kOutOfRange;
  if (error != std::errc() || end != target.data() + target.size()) return kUnrecognizedKeyword;
  return device.SeekMs(ms);
}

}  // namespace

Result RunCommand(AliasTable& devices, std::string_view text, std::string& reply) {
  auto parsed = ParseCommand(text);
  if (const auto* error = std::get_if<Result>(&parsed)) return *error;
  const auto& command = std::get<Command>(parsed);
  const auto& verb = command.verb;

  if (verb == "open") return Open(devices, command);
  if (verb == "close") {
    if (const auto rest = ExpectOnlyWait(command.words); rest != kOk) return rest;
    if (IsKeyword(command.device, "all")) {
      devices.Clear();
      return kOk;
    }
    return devices.Remove(command.device) ? kOk : kInvalidDeviceName;
  }
  const bool known = verb == "play" || verb == "pause" || verb == "resume" || verb == "stop" ||
                     verb == "seek" || verb == "status" || verb == "set";
  if (!known) return kUnrecognizedCommand;
  MediaDevice* device = devices.Find(command.device);
  if (device == nullptr) return kInvalidDeviceName;

  if (verb == "status") return Status(*device, command.words, reply);
  if (verb == "set") return Set(command.words);
  if (verb == "seek") return Seek(*device, command.words);
  bool wait = false;
  if (const auto rest = ExpectOnlyWait(command.words, &wait); rest != kOk) return rest;
  if (verb == "play") return device->Play(wait);
  if (verb == "resume") return device->mode() == Mode::kPaused ? device->Play(wait) : kOk;
  if (verb == "pause") return device->Pause();
  return device->Stop();
}

}  // namespace velmora::mci
