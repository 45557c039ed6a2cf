// A stand-in media device for end-to-end tests. It appends every command text
// to the file named by VELMORA_TEST_MCI_LOG, one a line, and answers from the
// file named by VELMORA_TEST_MCI_SCRIPT, whose lines read
//   <command text><TAB><result>[<TAB><reply>]
// Lines for the same command are used in turn, the last one again and again.
// A command the script does not name succeeds with an empty reply.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/platform_api.h"

namespace {

struct Answer {
  MCIERROR result = 0;
  std::string reply;
};

struct Script {
  std::map<std::string, std::vector<Answer>> answers;
  std::map<std::string, std::size_t> used;
};

Script LoadScript() {
  Script script;
  const char* path = std::getenv("VELMORA_TEST_MCI_SCRIPT");
  if (path == nullptr) return script;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) continue;
    const auto second_tab = line.find('\t', tab + 1);
    Answer answer;
    answer.result = static_cast<MCIERROR>(std::strtoul(line.c_str() + tab + 1, nullptr, 10));
    if (second_tab != std::string::npos) answer.reply = line.substr(second_tab + 1);
    script.answers[line.substr(0, tab)].push_back(answer);
  }
  return script;
}

Answer NextAnswer(const std::string& command) {
  static Script script = LoadScript();
  const auto found = script.answers.find(command);
  if (found == script.answers.end()) return {};
  auto& index = script.used[command];
  const Answer& answer = found->second[index];
  if (index + 1 < found->second.size()) ++index;
  return answer;
}

}  // namespace

extern "C" MCIERROR mciSendStringA(const char* command, char* reply, UINT reply_size, HWND) {
  if (const char* log = std::getenv("VELMORA_TEST_MCI_LOG")) {
    std::ofstream(log, std::ios::binary | std::ios::app) << command << '\n';
  }
  const Answer answer = NextAnswer(command);
  if (reply != nullptr && reply_size > 0) {
    const auto n = std::min<std::size_t>(answer.reply.size(), reply_size - 1);
    std::memcpy(reply, answer.reply.data(), n);
    reply[n] = '\0';
  }
  return answer.result;
}
