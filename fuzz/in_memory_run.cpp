#include "in_memory_run.h"

#include "channels.h"
#include "hard_error.h"

namespace zolt::fuzz {

Outcome RunInMemory(Compiler& compiler, const std::string& path, std::string_view source) {
  MemoryChannels channels(path, std::string(source));
  Outcome outcome;
  try {
    compiler.FileName = path;
    compiler.ReadSource(channels);
    outcome.caption = compiler.Compile(channels);
    channels.CloseAll();
    outcome.completed = true;
  } catch (const HardError& error) {
    channels.CloseAllAfterFailure();
    outcome.failure = error.what();
    outcome.failureLine = error.Line();
  }
  outcome.listing = channels.Listing();
  outcome.object = channels.Object();
  return outcome;
}

}  // namespace zolt::fuzz
