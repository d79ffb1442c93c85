// Time from a change of one line in the 32,767-line program to its
// diagnostics, in the language server: the client's didChange message as it
// comes off the stream (framed, with the range it replaces, as incremental
// synchronisation sends it), parsed, applied, assembled, and the
// publishDiagnostics notification written. The changes alternate between
// putting one operand out of range and taking it back, so every change
// publishes different diagnostics. The second figure is a fast typist's: 200
// changes already waiting on the stream when the server comes to them, from
// the last of them queued to the diagnostics of the text they leave. The
// median of the repetitions is the figure to read; "peak MiB" is the
// process's largest resident size so far, after every edit the repetitions
// made.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "framing.h"
#include "program_generator.h"
#include "session.h"

namespace {

using Json = nlohmann::json;

constexpr int kLines = 32767;
constexpr const char* kUri = "file:///bench/bench.ZOL";

std::string Framed(const Json& message) {
  std::ostringstream out;
  zolt::lsp::WriteFrame(out, message.dump());
  return out.str();
}

// The operand of a line, from character 3 to `end`, replaced by `text`.
Json Change(int version, int line, int end, const std::string& text) {
  const Json range = {{"start", {{"line", line}, {"character", 3}}},
                      {"end", {{"line", line}, {"character", end}}}};
  return {{"jsonrpc", "2.0"},
          {"method", "textDocument/didChange"},
          {"params",
           {{"textDocument", {{"uri", kUri}, {"version", version}}},
            {"contentChanges", Json::array({{{"range", range}, {"text", text}}})}}}};
}

double PeakMebibytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024;
}

// The benchmark program, and the line in its middle that reads "DL 10".
struct Program {
  std::string text = zolt::bench::GenerateProgram(kLines).zolt;
  int line = [this] {
    const std::size_t at = text.find("\nDL 10\r", text.size() / 2);
    return static_cast<int>(std::count(text.begin(), text.begin() + 1 + at, '\n'));
  }();
};

void Open(zolt::lsp::Session& session, const std::string& program) {
  session.Receive(Json{{"jsonrpc", "2.0"},
                       {"id", 1},
                       {"method", "initialize"},
                       {"params", {{"capabilities", Json::object()}}}}
                      .dump());
  session.Receive(
      Json{{"jsonrpc", "2.0"},
           {"method", "textDocument/didOpen"},
           {"params",
            {{"textDocument",
              {{"uri", kUri}, {"languageId", "zolt"}, {"version", 1}, {"text", program}}}}}}
          .dump());
  session.Settle();
}

// One line changed to a line in error, "DL 300", and back.
void ChangeToDiagnostics(benchmark::State& state) {
  const Program program;
  std::ostringstream sink;
  zolt::lsp::Session session(sink);
  Open(session, program.text);
  std::size_t written = 0;
  for (int i = 0; auto _ : state) {
    ++i;
    const int line = program.line;
    const std::string change =
        Framed(i % 2 == 1 ? Change(i + 1, line, 5, "300") : Change(i + 1, line, 6, "10"));
    sink.str({});
    std::istringstream in(change);
    session.Receive(zolt::lsp::ReadFrame(in).body);
    session.Settle();
    written += sink.str().size();
  }
  state.counters["lines"] = kLines;
  state.counters["reply bytes"] =
      benchmark::Counter(static_cast<double>(written), benchmark::Counter::kAvgIterations);
  state.counters["peak MiB"] = PeakMebibytes();
}

// 200 changes of one operand, all on the stream at once, taken as the
// server takes them: every waiting message read, then one run.
void BurstOfChangesToDiagnostics(benchmark::State& state) {
  constexpr int kChanges = 200;
  const Program program;
  std::ostringstream sink;
  zolt::lsp::Session session(sink);
  Open(session, program.text);
  int version = 1;
  for (auto _ : state) {
    state.PauseTiming();
    std::string burst;
    for (int change = 0; change < kChanges; ++change) {
      ++version;
      burst += Framed(version % 2 == 0 ? Change(version, program.line, 5, "300")
                                       : Change(version, program.line, 6, "10"));
    }
    std::istringstream in(burst);
    sink.str({});
    state.ResumeTiming();
    while (in.rdbuf()->in_avail() > 0) {
      session.Receive(zolt::lsp::ReadFrame(in).body);
    }
    session.Settle();
    benchmark::DoNotOptimize(sink.str().size());
  }
  state.counters["changes"] = kChanges;
  state.counters["peak MiB"] = PeakMebibytes();
}

}  // namespace

BENCHMARK(ChangeToDiagnostics)->Unit(benchmark::kMillisecond)->Iterations(1000)->Repetitions(5);
BENCHMARK(BurstOfChangesToDiagnostics)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3);

BENCHMARK_MAIN();
