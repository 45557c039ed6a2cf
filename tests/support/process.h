#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace velmora::test {

struct ProcessResult {
  std::string out;
  std::string err;
  int exit_status = -1;  // the exit code, or -1 when a signal ended the process
  int signal = 0;        // the signal that ended it, or 0
  bool timed_out = false;
};

struct ProcessOptions {
  std::vector<std::string> argv;
  std::string input;
  std::map<std::string, std::string> env;  // added to the test's own environment
  std::string working_dir;                 // empty: the test's own
  std::chrono::milliseconds timeout{std::chrono::seconds(60)};
  bool close_input_early = false;  // close standard input before writing anything
  bool close_output_early = false;  // stop reading standard output at once
  int uid = -1;                     // run as this user (and group), where set
};

// Runs a program with the given standard input, collects both output streams
// and its exit status. A process still running at the timeout is killed.
ProcessResult RunProcess(const ProcessOptions& options);

}  // namespace velmora::test
