#pragma once

#include <string>

#include "channels.h"
#include "compiler.h"

namespace zolt {

// What one completed run in memory gives back.
struct Outcome {
  std::string caption;
  std::string listing;
  std::string object;
};

// Reads source as the file at path and compiles it on the given context, as
// the window would; a hard error passes to the test.
inline Outcome AssembleInMemory(Compiler& compiler, const std::string& path,
                                const std::string& source) {
  MemoryChannels channels(path, source);
  compiler.FileName = path;
  compiler.ReadSource(channels);
  Outcome run;
  run.caption = compiler.Compile(channels);
  run.listing = channels.Listing();
  run.object = channels.Object();
  return run;
}

}  // namespace zolt
