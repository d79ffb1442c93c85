// In-process cost of a run on the generated program: Compile alone (the
// source already read, as the window's context holds it) and a whole run in
// memory (reading the source bytes into lines, then Compile).

#include <benchmark/benchmark.h>

#include <string>

#include "channels.h"
#include "compiler.h"
#include "program_generator.h"
#include "run.h"

namespace {

constexpr const char* kPath = "bench.ZOL";

void SetRate(benchmark::State& state, int lines) {
  state.SetItemsProcessed(state.iterations() * lines);
  state.counters["lines"] = lines;
}

void Compile(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const std::string source = zolt::bench::GenerateProgram(lines).zolt;
  zolt::Compiler compiler;
  zolt::MemoryChannels channels(kPath, source);
  compiler.FileName = kPath;
  compiler.ReadSource(channels);
  for (auto _ : state) {
    compiler.FileName = kPath;
    benchmark::DoNotOptimize(compiler.Compile(channels));
  }
  if (compiler.ErrorCount != 0) state.SkipWithError("the program has lines in error");
  SetRate(state, lines);
}

void ReadAndCompile(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const std::string source = zolt::bench::GenerateProgram(lines).zolt;
  zolt::Compiler compiler;
  for (auto _ : state) {
    const zolt::MemoryRun run = zolt::RunInMemory(compiler, kPath, source);
    benchmark::DoNotOptimize(run.Output(zolt::Channel::Object).data());
  }
  SetRate(state, lines);
}

}  // namespace

BENCHMARK(Compile)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadAndCompile)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
