// A reader that goes away (the player piped into head, say) must not end the
// player: writes then fail quietly and EXIT still returns its status.
#include <csignal>

namespace {

const bool kBrokenPipeIgnored = [] {
  std::signal(SIGPIPE, SIG_IGN);
  return true;
}();

}  // namespace
