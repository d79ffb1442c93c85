// A run held in memory: the source as given, the outputs kept whole.
#include "channels.h"

#include "hard_error.h"
#include "quote.h"

namespace zolt {

std::string MemoryChannels::ReadAll(const std::string& path) {
  if (path != sourcePath_)
    throw HardError(Message("cannot open '%s': no such file", ShownPath(path)));
  if (sourceBytes_.size() > kLargestSource) {
    throw HardError(Message("cannot read '%s': it is larger than 256 MiB", ShownPath(path)));
  }
  return sourceBytes_;
}

void MemoryChannels::CheckOutputs(const OutputPaths& paths) const {
  for (const std::string& path : paths) {
    if (path == sourcePath_)
      throw HardError(Message("the output file '%s' would overwrite the source", ShownPath(path)));
  }
}

}  // namespace zolt
