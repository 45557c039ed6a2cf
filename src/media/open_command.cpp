#include "media/open_command.h"

#include "help/help_blocks.h"
#include "help/texts.h"
#include "media/device.h"

namespace velmora::media {
namespace {

constexpr std::string_view kOpenError = "MCI OPEN ERROR!";
constexpr std::string_view kLaunchOpened = "[Command Line]Open : ";

void AttemptOpen(const std::string& path, std::string& media_name, console::Output& out) {
  Send(kClose);
  Send(kTimeFormatMilliseconds);
  if (Send(OpenCommandText(path)) != 0) {
    // No newline: the prompt or a help block continues this line.
    out.Write(kOpenError);
  }
  Send(kTimeFormatMilliseconds);
  media_name = path;
}

}  // namespace

OpenToken CutOpenToken(std::string& remaining) {
  const char separator = remaining.front() == '"' ? '"' : ' ';
  const auto end = remaining.find(separator, 1);
  const bool ended_by_blank = end != std::string::npos && separator == ' ';
  const auto length = end == std::string::npos ? 1 : end + 1;

  std::string token = remaining.substr(0, length);
  remaining.erase(0, length);
  if (!token.empty() && token.front() == ' ') token.erase(0, 1);
  if (token.size() > 3 && token.front() == '"') token = token.substr(1, token.size() - 2);

  OpenToken result{token, token};
  // A blank ends an unquoted path but is no part of it.
  if (ended_by_blank && !result.path.empty() && result.path.back() == ' ') result.path.pop_back();
  return result;
}

void RunOpen(std::string_view argument_text, std::string& media_name, console::Output& out) {
  if (argument_text.empty() || argument_text == " ") {
    out.FixedLine(help::text::kOpenNeedsArgument);
    out.EmptyLine();
    return;
  }
  std::string remaining(argument_text);
  bool attempted = false;
  while (!remaining.empty()) {
    const OpenToken token = CutOpenToken(remaining);
    if (!attempted && PathExists(token.path)) {
      AttemptOpen(token.path, media_name, out);
      attempted = true;
      continue;
    }
    if (token.cut.size() < 2) return;
    if (token.cut[1] == '?') {
      help::PrintOpenHelp(out);
      return;
    }
    // Any other token, such as the unimplemented "/d", is passed over.
  }
}

void RunLaunchOpen(std::string_view argument, std::string& media_name, console::Output& out) {
  const std::string path(argument);
  if (!PathExists(path)) return;
  if (Send(OpenCommandText(path)) != 0) return;
  Send(kTimeFormatMilliseconds);
  out.Line(kLaunchOpened, path);
  media_name = path;
}

}  // namespace velmora::media
