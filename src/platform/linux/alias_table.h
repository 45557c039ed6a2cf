#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "media_device.h"

namespace velmora::mci {

// The open devices by alias, one device per alias; aliases compare without
// regard to letter case.
class AliasTable {
 public:
  MediaDevice* Find(std::string_view alias);
  bool Add(std::string_view alias, std::unique_ptr<MediaDevice> device);
  bool Remove(std::string_view alias);
  void Clear() { devices_.clear(); }

 private:
  std::map<std::string, std::unique_ptr<MediaDevice>> devices_;
};

}  // namespace velmora::mci
