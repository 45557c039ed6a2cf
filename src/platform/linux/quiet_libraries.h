#pragma once

namespace velmora::mci {

// The player writes nothing to standard error, yet the libraries behind the
// media device (the MP3 decoder, ALSA) report there on their own. Once the
// device starts, standard error leads nowhere. (Sanitizer runs send their
// reports to files of their own.)
void QuietLibraries();

}  // namespace velmora::mci
