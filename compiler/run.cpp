#include "run.h"

#include <utility>

#include "hard_error.h"

namespace zolt {

RunOutcome Run(Compiler& compiler, Channels& channels, const std::string& path) {
  RunOutcome outcome;
  try {
    compiler.FileName = path;
    compiler.ReadSource(channels);
    // Compile closes every channel as it finishes.
    outcome.caption = compiler.Compile(channels);
    outcome.completed = true;
  } catch (const HardError& error) {
    channels.CloseAllAfterFailure();
    outcome.cause = error.what();
    outcome.line = error.Line();
  }
  return outcome;
}

MemoryRun RunInMemory(Compiler& compiler, const std::string& path, std::string source) {
  MemoryChannels channels(path, std::move(source));
  MemoryRun run;
  run.outcome = Run(compiler, channels, path);
  run.listing = channels.Listing();
  run.object = channels.Object();
  return run;
}

}  // namespace zolt
