#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace velmora::test {

// A player run line by line: the test writes a command, then reads what the
// player answers, while it can look at the running process.
class InteractivePlayer {
 public:
  InteractivePlayer(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
                    const std::string& working_dir);
  ~InteractivePlayer();
  InteractivePlayer(const InteractivePlayer&) = delete;
  InteractivePlayer& operator=(const InteractivePlayer&) = delete;

  void Send(const std::string& line);
  // Reads until what was read since the last call ends with `ending`, or the
  // timeout passes; returns what was read.
  std::string ReadUntil(const std::string& ending, std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Closes standard input and waits for the end: the exit status, or -1 when
  // a signal ended the player.
  int Finish(std::chrono::milliseconds timeout = std::chrono::seconds(10));

  pid_t pid() const { return pid_; }
  // CPU time the process has used so far, in clock ticks.
  long CpuTicks() const;
  // A field of /proc/<pid>/status, such as "Threads" or "VmRSS", as a number.
  long Status(const std::string& field) const;

 private:
  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
};

}  // namespace velmora::test
