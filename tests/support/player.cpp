#include "player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace velmora::test {

std::string Banner() {
  return "Velmora ver.1.00[build:0100]\nCopyright (C) 2026 The Velmora developers\n\n";
}

ProcessResult RunPlayer(const char* program_variable, const char* default_program, const std::vector<std::string>& args,
                        const std::string& input, ProcessOptions options) {
  const char* program = std::getenv(program_variable);
  if (program == nullptr) program = default_program;
  options.argv.clear();
  if (const char* launcher = std::getenv("VELMORA_TEST_LAUNCHER")) {
    std::istringstream words(launcher);
    for (std::string word; words >> word;) options.argv.push_back(word);
  }
  options.argv.push_back(program);
  options.argv.insert(options.argv.end(), args.begin(), args.end());
  options.input = input;
  ProcessResult result = RunProcess(options);
  if (std::getenv("VELMORA_TEST_CRLF") != nullptr) {
    std::string lf;
    for (std::size_t i = 0; i < result.out.size(); ++i) {
      if (result.out[i] == '\r' && i + 1 < result.out.size() && result.out[i + 1] == '\n') continue;
      lf.push_back(result.out[i]);
    }
    result.out = lf;
  }
  return result;
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::Write(const std::string& name, const std::string& bytes) const {
  const auto file = path_ / name;
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace velmora::test
