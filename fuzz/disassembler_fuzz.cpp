// libFuzzer target: arbitrary bytes read as an object file and turned back
// into a source, which must assemble without a warning (lines in error and a
// block cut short are how some objects are made); when nothing was warned
// of, to exactly the words the input holds, in the assembler's own form.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "compiler.h"
#include "disassembly.h"
#include "hard_error.h"
#include "listing_format.h"
#include "object_reader.h"
#include "program_decoder.h"
#include "run.h"

namespace {

void Require(bool kept, const char* rule) {
  if (kept) return;
  std::fprintf(stderr, "broken rule: %s\n", rule);
  std::abort();
}

// The object file as the assembler writes these words.
std::string Rewritten(std::string_view object) {
  std::string text;
  for (const zolt::ObjectLine& line : zolt::ReadObject(object)) {
    text.append(zolt::ObjectLineText(line)).append(zolt::kLineEnd);
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view object(reinterpret_cast<const char*>(data), size);
  zolt::Disassembly disassembly;
  try {
    disassembly = zolt::Disassemble(object, {size % 2 == 1});
  } catch (const zolt::HardError&) {
    return 0;  // no object file: its message, and no source
  }
  static const auto compiler = std::make_unique<zolt::Compiler>();
  const zolt::MemoryRun run = zolt::RunInMemory(*compiler, "back.ZOL", disassembly.source);
  // Only words kept as comments can make a source longer than the assembler
  // reads.
  const auto lines = std::count(disassembly.source.begin(), disassembly.source.end(), '\n');
  if (lines > INT16_MAX) {
    Require(!disassembly.warnings.empty(), "a clean disassembly fits the assembler's lines");
    return 0;
  }
  for (const zolt::Diagnostic& said : compiler->Diagnostics) {
    Require(said.severity != zolt::Severity::Warning, "a disassembly assembles without a warning");
  }
  if (disassembly.warnings.empty()) {
    Require(run.Output(zolt::Channel::Object) == Rewritten(object),
            "a clean disassembly gives back the same words");
  }
  return 0;
}
