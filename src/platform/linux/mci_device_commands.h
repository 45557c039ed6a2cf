#pragma once

#include <string>
#include <string_view>

#include "alias_table.h"
#include "mci_errors.h"

namespace velmora::mci {

// Carries out one command text against the devices in the table. The reply,
// for commands that have one, goes to reply.
Result RunCommand(AliasTable& devices, std::string_view text, std::string& reply);

}  // namespace velmora::mci
