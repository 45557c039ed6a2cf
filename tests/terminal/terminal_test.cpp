// The player at a real terminal: tmux runs it, types into it and reads its
// screen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "player.h"
#include "process.h"

namespace velmora::test {
namespace {

class Terminal {
 public:
  // Starts the player in a terminal of its own, in `folder`, with the locale setting given.
  Terminal(const std::filesystem::path& folder, const std::string& locale_setting)
      : socket_("velmora-test-" + std::to_string(getpid()) + "-" + std::to_string(++count_)) {
    Tmux({"new-session", "-d", "-x", "160", "-y", "60", "-c", folder.string(), "-e", locale_setting,
          "-e", "SDL_AUDIODRIVER=dummy",
          std::string(VELMORA_TEST_PROGRAM) + "; echo STATUS=$?; sleep 60"});
    EXPECT_TRUE(WaitFor(">"));
  }
  ~Terminal() { Tmux({"kill-server"}); }

  void Keys(const std::vector<std::string>& keys) {
    std::vector<std::string> args = {"send-keys"};
    args.insert(args.end(), keys.begin(), keys.end());
    Tmux(args);
  }
  std::string Screen() { return Tmux({"capture-pane", "-p"}); }
  // Waits until the screen shows `text` the given number of times.
  bool WaitFor(const std::string& text, int times = 1) {
    for (int i = 0; i < 100; ++i) {
      if (Count(Screen(), text) >= times) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  static int Count(const std::string& screen, const std::string& text) {
    int count = 0;
    for (auto at = screen.find(text); at != std::string::npos; at = screen.find(text, at + 1)) ++count;
    return count;
  }

 private:
  std::string Tmux(const std::vector<std::string>& args) {
    ProcessOptions options;
    options.argv = {"tmux", "-L", socket_};
    options.argv.insert(options.argv.end(), args.begin(), args.end());
    options.timeout = std::chrono::seconds(10);
    return RunProcess(options).out;
  }
  static inline int count_ = 0;
  std::string socket_;
};

const std::string kListingTitleUtf8 = "\xE3\x82\xB3\xE3\x83\x9E\xE3\x83\xB3\xE3\x83\x89\xE4\xB8\x80\xE8\xA6\xA7";

TEST(Terminal, HelpReadsAsJapaneseAndUpRecallsTheLastLine) {
  TempDir dir;
  Terminal terminal(dir.path(), "LANG=ja_JP.UTF-8");
  terminal.Keys({"help", "Enter"});
  ASSERT_TRUE(terminal.WaitFor(kListingTitleUtf8)) << terminal.Screen();
  terminal.Keys({"Up", "Enter"});
  EXPECT_TRUE(terminal.WaitFor(kListingTitleUtf8, 2)) << terminal.Screen();
  terminal.Keys({"C-d"});
  EXPECT_TRUE(terminal.WaitFor("STATUS=0")) << terminal.Screen();
}

TEST(Terminal, OtherCharacterSetsGetTheBytesAsTheyAre) {
  TempDir dir;
  Terminal terminal(dir.path(), "LC_ALL=C");
  terminal.Keys({"help", "Enter", "exit 5", "Enter"});
  ASSERT_TRUE(terminal.WaitFor("STATUS=5")) << terminal.Screen();
  EXPECT_EQ(Terminal::Count(terminal.Screen(), kListingTitleUtf8), 0);
}

TEST(Terminal, TabCompletesFileNames) {
  TempDir dir;
  dir.Write("tone-unique.wav", "x");
  std::filesystem::create_directory(dir.path() / "music");
  dir.Write("music/inside.flac", "x");
  Terminal terminal(dir.path(), "LANG=C.UTF-8");
  terminal.Keys({"open tone-u", "Tab"});
  EXPECT_TRUE(terminal.WaitFor(">open tone-unique.wav")) << terminal.Screen();
  terminal.Keys({"C-u", "open mus", "Tab"});
  EXPECT_TRUE(terminal.WaitFor(">open music/")) << terminal.Screen();
  terminal.Keys({"ins", "Tab"});
  EXPECT_TRUE(terminal.WaitFor(">open music/inside.flac")) << terminal.Screen();
}

}  // namespace
}  // namespace velmora::test
