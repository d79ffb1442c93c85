// zoltasm --disassemble: read, decode, report and write, or fail whole.
#include "disassemble_command.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "catalog.h"
#include "diagnostic_text.h"
#include "disassembly.h"
#include "file_channels.h"
#include "hard_error.h"
#include "quote.h"
#include "run.h"
#include "system_reason.h"
#include "terminal_text.h"
#include "whole_file.h"

namespace {

constexpr int kClean = 0;
constexpr int kWordsAsComments = 1;
constexpr int kFailed = 2;

// The source goes out only once it is whole, and a file it fails to replace
// keeps what it held.
void WriteSource(const DisassembleCommand& command, const std::string& source) {
  if (!command.output) {
    errno = 0;
    if (!(std::cout << source << std::flush)) {
      throw zolt::HardError(zolt::Message("cannot write to standard output: %s",
                                          zolt::SystemReason(errno != 0 ? errno : EIO)));
    }
    return;
  }
  std::error_code ignored;
  if (std::filesystem::equivalent(zolt::PathFromUtf8(command.object),
                                  zolt::PathFromUtf8(*command.output), ignored)) {
    throw zolt::HardError(zolt::Message("the output file '%s' would overwrite the object file",
                                        zolt::ShownPath(*command.output)));
  }
  zolt::WriteWholeFile(*command.output, source);
}

}  // namespace

int RunDisassembly(const DisassembleCommand& command) {
  zolt::Diagnostic failure;
  try {
    zolt::FileChannels channels;
    const zolt::Disassembly disassembly = zolt::Disassemble(
        channels.ReadAll(command.object), zolt::DisassemblyOptions{command.addresses});
    for (const zolt::Diagnostic& warning : disassembly.warnings) {
      if (command.warnings) {
        std::cerr << ForTerminal([&] { return zolt::DiagnosticText(command.object, warning); });
      }
    }
    WriteSource(command, disassembly.source);
    return disassembly.warnings.empty() ? kClean : kWordsAsComments;
  } catch (...) {
    failure = zolt::CaughtFailure(zolt::N_("there is not enough memory for this object file"));
  }
  std::cerr << ForTerminal([&] {
    return zolt::DiagnosticText(command.object, failure) + zolt::Tr("disassembly stopped.") + '\n';
  });
  return kFailed;
}
