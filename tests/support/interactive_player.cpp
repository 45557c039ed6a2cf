#include "interactive_player.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace velmora::test {

InteractivePlayer::InteractivePlayer(const std::vector<std::string>& args,
                                     const std::map<std::string, std::string>& env, const std::string& working_dir) {
  int in_pipe[2], out_pipe[2];
  if (pipe2(in_pipe, O_CLOEXEC) != 0 || pipe2(out_pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    dup2(in_pipe[0], 0);
    dup2(out_pipe[1], 1);
    for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
    if (!working_dir.empty() && chdir(working_dir.c_str()) != 0) _exit(126);
    std::vector<char*> argv;
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(in_pipe[0]);
  close(out_pipe[1]);
  in_ = in_pipe[1];
  out_ = out_pipe[0];
}

InteractivePlayer::~InteractivePlayer() {
  if (in_ >= 0) close(in_);
  if (out_ >= 0) close(out_);
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

void InteractivePlayer::Send(const std::string& line) {
  const std::string bytes = line + "\n";
  if (write(in_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    throw std::runtime_error("writing to the player failed");
  }
}

std::string InteractivePlayer::ReadUntil(const std::string& ending, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::string read_so_far;
  while (read_so_far.size() < ending.size() ||
         read_so_far.compare(read_so_far.size() - ending.size(), ending.size(), ending) != 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{out_, POLLIN, 0};
    const int ready = poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) break;
    char buffer[4096];
    const auto n = read(out_, buffer, sizeof buffer);
    if (n <= 0) break;
    read_so_far.append(buffer, static_cast<std::size_t>(n));
  }
  return read_so_far;
}

int InteractivePlayer::Finish(std::chrono::milliseconds timeout) {
  close(in_);
  in_ = -1;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  ReadUntil("\x01never\x01", timeout);  // drain to the end of output
  int status = 0;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      pid_ = -1;
      return -2;
    }
    usleep(10000);
  }
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

long InteractivePlayer::CpuTicks() const {
  std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
  std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // Fields after the command name, which ends with the last ')'.
  std::istringstream fields(content.substr(content.rfind(')') + 2));
  std::string field;
  long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::stol(field);
    if (i == 15) stime = std::stol(field);
  }
  return utime + stime;
}

}  // namespace velmora::test

namespace velmora::test {

long InteractivePlayer::Status(const std::string& field) const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  }
  return -1;
}

}  // namespace velmora::test
