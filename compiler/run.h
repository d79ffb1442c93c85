// A whole run, as every front end starts it: read, compile, close, and the
// failure path.
#pragma once

#include <array>
#include <string>

#include "channels.h"
#include "compiler.h"

namespace zolt {

// How one run ended: completed with the status caption, or failed with a
// fatal diagnostic (at its line and word when it belongs to one), which the
// window shows under "文件不能打开!".
struct RunOutcome {
  bool completed = false;
  std::string caption;
  Diagnostic failure;

  friend bool operator==(const RunOutcome&, const RunOutcome&) = default;
};

// A whole run, as every front end starts it: reads the source at path into
// the context, compiles it and closes every channel; on a hard error closes
// every channel after the failure, keeping what was written before it. What
// the run said about its lines, before a failure too, stands in
// compiler.Diagnostics.
RunOutcome Run(Compiler& compiler, Channels& channels, const std::string& path);

// The fatal diagnostic for what a whole command (a run, a disassembly) has
// just thrown, called in its catch-all handler: a hard error's own, running
// out of memory (said by the catalog text outOfMemory), or a failure of the
// system underneath. Anything else goes on up.
Diagnostic CaughtFailure(const char* outOfMemory);

// A run held in memory, and the bytes of every output it wrote, in the order
// of kRunOutputs.
struct MemoryRun {
  RunOutcome outcome;
  std::array<std::string, kRunOutputs.size()> outputs;

  const std::string& Output(Channel channel) const { return outputs[OutputSlot(channel)]; }

  friend bool operator==(const MemoryRun&, const MemoryRun&) = default;
};

// A whole run on source bytes given as the file at path; nothing touches the
// disk (the fuzzer, editors, tests and benchmarks).
MemoryRun RunInMemory(Compiler& compiler, const std::string& path, std::string source);

}  // namespace zolt
