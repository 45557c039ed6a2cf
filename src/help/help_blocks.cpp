#include "help/help_blocks.h"

#include <initializer_list>
#include <string_view>

#include "help/texts.h"

namespace velmora::help {
namespace {

// An empty view stands for an empty line.
constexpr std::string_view kEmpty{};

void PrintBlock(console::Output& out, std::initializer_list<std::string_view> lines) {
  for (const auto line : lines) {
    if (line.empty()) {
      out.EmptyLine();
    } else {
      out.FixedLine(line);
    }
  }
}

}  // namespace

void PrintCommandListing(console::Output& out) {
  PrintBlock(out, {text::kListingTitle, text::kListingOpen, text::kListingPlay, text::kListingPause,
                   text::kListingStop, text::kListingExit, kEmpty, text::kListingHint});
}

void PrintExitHelp(console::Output& out) {
  PrintBlock(out, {text::kExitSummary, kEmpty, text::kExitSyntax, kEmpty});
  out.FixedLine(text::kExitCodeMeaning, text::kExitCodeUse);
  out.EmptyLine();
}

void PrintOpenHelp(console::Output& out) {
  PrintBlock(out, {text::kOpenSummary, kEmpty, text::kOpenSyntax, kEmpty, text::kOpenPathParam, kEmpty,
                   text::kOpenDialogSwitch, kEmpty});
}

void PrintPlayHelp(console::Output& out) {
  PrintBlock(out, {text::kPlaySummary, kEmpty, text::kPlaySyntax, kEmpty, text::kPlayWaitSwitch,
                   text::kPlayRepeatSwitch, kEmpty, text::kPlayNeedsOpen, kEmpty});
}

void PrintStopHelp(console::Output& out) {
  PrintBlock(out, {text::kStopSummary, kEmpty, text::kStopSyntax, kEmpty, text::kStopNextStart,
                   text::kSeePlayHelp, kEmpty});
}

void PrintPauseHelp(console::Output& out) {
  PrintBlock(out, {text::kPauseSummary, kEmpty, text::kPauseSyntax, kEmpty, text::kPausePosition,
                   text::kPauseResume, text::kSeePlayHelp, kEmpty});
}

}  // namespace velmora::help
