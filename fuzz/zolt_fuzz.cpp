// libFuzzer target: one whole run in memory on arbitrary source bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "compiler.h"
#include "outcome_checks.h"
#include "run.h"

namespace {

constexpr const char* kSourcePath = "prog.ZOL";
constexpr std::string_view kListingPath = "prog.lst";

void RequireSame(const zolt::MemoryRun& first, const zolt::MemoryRun& again, const char* how) {
  if (first == again) return;
  std::fprintf(stderr, "broken rule: the same source gives the same outcome (%s)\n", how);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  auto compiler = std::make_unique<zolt::Compiler>();
  const zolt::MemoryRun first = zolt::RunInMemory(*compiler, kSourcePath, std::string(source));
  zolt::fuzz::CheckOutcome(kListingPath, source, first);
  zolt::fuzz::CheckMessages(compiler->Diagnostics, first.outcome, compiler->LineCount);

  // The window's long-lived context must give the same bytes as a fresh one,
  // whatever earlier runs (of this source or of the inputs before it) left
  // behind: the passes never look past the current run's counts.
  static const auto window = std::make_unique<zolt::Compiler>();
  RequireSame(first, zolt::RunInMemory(*window, kSourcePath, std::string(source)),
              "long-lived context");
  RequireSame(first, zolt::RunInMemory(*compiler, kSourcePath, std::string(source)),
              "reused context");
  return 0;
}
