// Time from a change of one line in the 32,767-line program to its
// diagnostics, in the language server: the client's didChange message as it
// comes off the stream (framed, with the whole text, as full synchronisation
// sends it), parsed, assembled, and the publishDiagnostics notification
// written. The changes alternate between putting one operand out of range and
// taking it back, so every change publishes different diagnostics.

#include <benchmark/benchmark.h>

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

Json Change(int version, const std::string& text) {
  return {{"jsonrpc", "2.0"},
          {"method", "textDocument/didChange"},
          {"params",
           {{"textDocument", {{"uri", kUri}, {"version", version}}},
            {"contentChanges", Json::array({{{"text", text}}})}}}};
}

void ChangeToDiagnostics(benchmark::State& state) {
  const std::string program = zolt::bench::GenerateProgram(kLines).zolt;
  // One line in the middle of the program, changed to a line in error.
  const std::string line = "\nDL 10\r";
  std::string changed = program;
  changed.replace(changed.find(line, changed.size() / 2), line.size(), "\nDL 300\r");

  std::ostringstream sink;
  zolt::lsp::Session session(sink);
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
  const std::string changes[2] = {Framed(Change(2, changed)), Framed(Change(3, program))};

  std::size_t written = 0;
  for (int i = 0; auto _ : state) {
    sink.str({});
    std::istringstream in(changes[i++ % 2]);
    session.Receive(zolt::lsp::ReadFrame(in).body);
    written += sink.str().size();
  }
  state.counters["lines"] = kLines;
  state.counters["reply bytes"] =
      benchmark::Counter(static_cast<double>(written), benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(ChangeToDiagnostics)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
