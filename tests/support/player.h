#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "process.h"

namespace velmora::test {

// The text every run begins with.
std::string Banner();


// Runs a player: the program named by the environment variable, else the
// default, behind VELMORA_TEST_LAUNCHER when one is
// set (wine, say). Output lines ending in CR LF are read as ending in LF.
ProcessResult RunPlayer(const char* program_variable, const char* default_program, const std::vector<std::string>& args,
                        const std::string& input, ProcessOptions options = {});

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);

}  // namespace velmora::test
