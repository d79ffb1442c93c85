// libFuzzer target: one whole run in memory on arbitrary source bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "compiler.h"
#include "in_memory_run.h"
#include "outcome_checks.h"

namespace {

constexpr const char* kSourcePath = "prog.ZOL";
constexpr std::string_view kListingPath = "prog.lst";

void RequireSame(const zolt::fuzz::Outcome& first, const zolt::fuzz::Outcome& again,
                 const char* how) {
  if (first == again) return;
  std::fprintf(stderr, "broken rule: the same source gives the same outcome (%s)\n", how);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  auto compiler = std::make_unique<zolt::Compiler>();
  const zolt::fuzz::Outcome first = zolt::fuzz::RunInMemory(*compiler, kSourcePath, source);
  zolt::fuzz::CheckOutcome(kListingPath, source, first);

  // The window's long-lived context must give the same bytes as a fresh one,
  // whatever earlier runs (of this source or of the inputs before it) left
  // behind: the passes never look past the current run's counts.
  static const auto window = std::make_unique<zolt::Compiler>();
  RequireSame(first, zolt::fuzz::RunInMemory(*window, kSourcePath, source), "long-lived context");
  RequireSame(first, zolt::fuzz::RunInMemory(*compiler, kSourcePath, source), "reused context");
  return 0;
}
