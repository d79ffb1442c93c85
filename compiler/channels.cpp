#include "channels.h"

#include "hard_error.h"

namespace zolt {

std::string MemoryChannels::ReadAll(const std::string& path) {
  if (path != sourcePath_) throw HardError("cannot open '" + path + "': no such file");
  if (sourceBytes_.size() > kLargestSource) {
    throw HardError("cannot read '" + path + "': it is larger than 256 MiB");
  }
  return sourceBytes_;
}

void MemoryChannels::CheckOutputs(const std::string& listing, const std::string& object) const {
  for (const std::string& path : {listing, object}) {
    if (path == sourcePath_)
      throw HardError("the output file '" + path + "' would overwrite the source");
  }
}

}  // namespace zolt
