#include "pulse_server.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace velmora::test {

PulseServer::PulseServer() {
  chmod(runtime_.path().c_str(), 0700);
  Start();
}

void PulseServer::Start() {
  const auto socket = runtime_.path() / "pulse" / "native";
  std::filesystem::remove(socket);
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    setenv("XDG_RUNTIME_DIR", runtime_.path().c_str(), 1);
    setenv("HOME", runtime_.path().c_str(), 1);
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    execlp("pulseaudio", "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
           "--load=module-null-sink sink_name=null", "--load=module-native-protocol-unix", nullptr);
    _exit(127);
  }
  for (int i = 0; i < 200 && !std::filesystem::exists(socket); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (!std::filesystem::exists(socket)) throw std::runtime_error("pulseaudio did not start");
}

PulseServer::~PulseServer() { Kill(); }

void PulseServer::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::map<std::string, std::string> PulseServer::ClientEnv() const {
  return {{"XDG_RUNTIME_DIR", runtime_.path().string()},
          {"HOME", runtime_.path().string()}};
}

}  // namespace velmora::test
