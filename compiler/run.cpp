// The one sequence of a run, shared by every front end.
#include "run.h"

#include <exception>
#include <new>
#include <utility>

#include "hard_error.h"

namespace zolt {

RunOutcome Run(Compiler& compiler, Channels& channels, const std::string& path) {
  RunOutcome outcome;
  try {
    compiler.FileName = channels.FullPath(path);
    compiler.ReadSource(channels);
    // Compile closes every channel as it finishes.
    outcome.caption = compiler.Compile(channels);
    outcome.completed = true;
  } catch (...) {
    outcome.failure = CaughtFailure(N_("there is not enough memory for this source"));
  }
  if (!outcome.completed) channels.CloseAllAfterFailure();
  return outcome;
}

Diagnostic CaughtFailure(const char* outOfMemory) {
  try {
    throw;
  } catch (const HardError& error) {
    return error.Failure();
  } catch (const std::bad_alloc&) {
    return HardError(Message(outOfMemory)).Failure();
  } catch (const std::exception& error) {
    // A failure of the system underneath (the library, the C++ runtime):
    // the run ends like any other failed run, and the next one goes on.
    return HardError(Message("the run failed: %s", error.what())).Failure();
  }
}

MemoryRun RunInMemory(Compiler& compiler, const std::string& path, std::string source) {
  MemoryChannels channels(path, std::move(source));
  MemoryRun run;
  run.outcome = Run(compiler, channels, path);
  for (std::size_t slot = 0; slot < kRunOutputs.size(); ++slot) {
    run.outputs[slot] = channels.Output(kRunOutputs[slot].channel).Take();
  }
  return run;
}

}  // namespace zolt
