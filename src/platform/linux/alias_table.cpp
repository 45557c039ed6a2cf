#include "alias_table.h"

#include "ascii.h"

namespace velmora::mci {
namespace {

std::string Key(std::string_view alias) { return AsciiLower(alias); }

}  // namespace

MediaDevice* AliasTable::Find(std::string_view alias) {
  const auto found = devices_.find(Key(alias));
  return found == devices_.end() ? nullptr : found->second.get();
}

bool AliasTable::Add(std::string_view alias, std::unique_ptr<MediaDevice> device) {
  return devices_.emplace(Key(alias), std::move(device)).second;
}

bool AliasTable::Remove(std::string_view alias) { return devices_.erase(Key(alias)) > 0; }

}  // namespace velmora::mci
