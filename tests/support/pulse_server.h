#pragma once

#include <sys/types.h>

#include <map>
#include <string>

#include "player.h"

namespace velmora::test {

// A private PulseAudio server with one null sink, "null", whose monitor
// "null.monitor" records everything played to it.
class PulseServer {
 public:
  PulseServer();
  ~PulseServer();
  PulseServer(const PulseServer&) = delete;
  PulseServer& operator=(const PulseServer&) = delete;

  // What a client needs in its environment to reach this server.
  std::map<std::string, std::string> ClientEnv() const;
  // Ends the server at once, as a crash would.
  void Kill();
  // Starts it again where it was.
  void Start();

 private:
  TempDir runtime_;
  pid_t pid_ = -1;
};

}  // namespace velmora::test
