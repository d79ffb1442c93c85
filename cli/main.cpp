// zoltasm: assembles ZOLT sources from scripts, build systems and editors.
// Each source is one run, exactly as if opened in the window; an object file
// can be turned back into a source.

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "catalog.h"
#include "command_line.h"
#include "compiler.h"
#include "diagnostic_text.h"
#include "disassemble_command.h"
#include "file_channels.h"
#include "quote.h"
#include "run.h"
#include "session.h"
#include "source_charset.h"
#include "standard_input.h"
#include "system_reason.h"
#include "terminal_text.h"
#include "zoltasm.h"

namespace {

constexpr int kClean = 0;
constexpr int kLinesInError = 1;
constexpr int kFailed = 2;

const char* Usage() {
  return zolt::Tr(
      "usage: zoltasm [--input-charset=NAME] [-w] [--quiet] [--] SOURCE...\n"
      "       zoltasm --disassemble [--addresses] [-o FILE] [-w] [--quiet] OBJECT\n"
      "       zoltasm --lsp\n"
      "       zoltasm --help | --version\n"
      "\n"
      "Assembles each ZOLT source and writes its listing (.lst) and object file\n"
      "(.obj) beside it, replacing the last three characters of the path.\n"
      "\n"
      "  --input-charset=NAME\n"
      "                 quote a source that is not UTF-8 in the character set NAME\n"
      "                 (GBK, GB18030, BIG5...), not in the system's own\n"
      "  -w             do not report warnings\n"
      "  --quiet        do not report the lines in error or warnings, only failures\n"
      "  --disassemble  write a source that assembles to the object file OBJECT\n"
      "                 to standard output; words no statement makes become comments\n"
      "  --addresses    end each line that holds words with a comment that gives\n"
      "                 its word address and code words\n"
      "  -o FILE        write the source to FILE instead of standard output\n"
      "  --lsp          serve editors as a language server on standard input and output\n"
      "  --help         show this text\n"
      "  --version      show the version\n"
      "  --             the arguments after it are sources, even those that begin with -\n"
      "\n"
      "Exit status: 0 all clean, 1 lines in error (with --disassemble: words no\n"
      "statement makes), 2 a run failed or an argument is wrong.\n");
}

// Why standard output first failed to take a status line (an errno value),
// or 0.
int outputError = 0;

void WriteStatus(const std::string& caption) {
  errno = 0;
  if (!(std::cout << ForTerminal([&] { return caption + '\n'; }) << std::flush) &&
      outputError == 0) {
    outputError = errno != 0 ? errno : EIO;
  }
}

// What a run said about its lines, as the options let through.
void Report(const std::string& source, const std::vector<zolt::Diagnostic>& diagnostics,
            const CommandLine& options) {
  if (options.quiet) return;
  for (const zolt::Diagnostic& diagnostic : diagnostics) {
    if (diagnostic.severity == zolt::Severity::Warning && !options.warnings) continue;
    std::cerr << ForTerminal([&] { return zolt::DiagnosticText(source, diagnostic); });
  }
}

// One run through the same path as the window's Open command.
int Assemble(zolt::Compiler& compiler, const std::string& source, const CommandLine& options) {
  zolt::FileChannels channels;
  const zolt::RunOutcome outcome = zolt::Run(compiler, channels, source);
  Report(source, compiler.Diagnostics, options);
  if (!outcome.completed) {
    std::cerr << ForTerminal([&] {
      return zolt::DiagnosticText(source, outcome.failure) + zolt::Tr("assembly stopped.") + '\n';
    });
    return kFailed;
  }
  WriteStatus(outcome.caption);
  return compiler.ErrorCount == 0 ? kClean : kLinesInError;
}

int ArgumentError(const zolt::Message& message) {
  std::cerr << ForTerminal([&] {
    return "zoltasm: " + std::string(zolt::Tr("error: ")) + zolt::Render(message) + '\n' + Usage();
  });
  return kFailed;
}

}  // namespace

bool ServesLanguage(const std::vector<std::string>& arguments) {
  return arguments.size() == 1 && arguments[0] == "--lsp";
}

int RunZoltasm(const std::vector<std::string>& arguments) {
  zolt::UseEnvironmentLanguage();
  if (ServesLanguage(arguments)) {
    StandardInput bytes;
    std::istream input(&bytes);
    return zolt::lsp::Serve(input, std::cout);
  }
  const CommandLine line = ReadCommandLine(arguments);
  switch (line.request) {
    case CommandLine::Request::Help:
      std::cout << ForTerminal(Usage);
      return kClean;
    case CommandLine::Request::Version:
      std::cout << "zoltasm " ZOLT_VERSION "\n";
      return kClean;
    case CommandLine::Request::Wrong:
      return ArgumentError(*line.wrong);
    case CommandLine::Request::Disassemble:
      return RunDisassembly(
          {line.sources[0], line.output, line.addresses, line.warnings && !line.quiet});
    case CommandLine::Request::Assemble:
      break;
  }
  // A source that is not UTF-8 is quoted in the character set named, else
  // in the system's legacy one.
  const std::unique_ptr<zolt::SourceDecoder> decoder =
      line.inputCharset ? zolt::DecoderNamed(*line.inputCharset)
                        : zolt::LegacyDecoder(zolt::CurrentLanguage() == zolt::Language::Chinese);
  if (line.inputCharset && decoder == nullptr) {
    return ArgumentError(zolt::Message("unknown character set '%s' in --input-charset",
                                       zolt::Shown(*line.inputCharset)));
  }
  // One compile context for all runs, as the window keeps one for its life.
  zolt::Compiler compiler;
  compiler.Decoder = decoder.get();
  int status = kClean;
  for (const std::string& source : line.sources) {
    status = std::max(status, Assemble(compiler, source, line));
  }
  // A status line that never arrived is a failure too, said where it can be
  // read.
  if (outputError != 0) {
    std::cerr << ForTerminal([] {
      return "zoltasm: " + std::string(zolt::Tr("error: ")) +
             zolt::Render(zolt::Message("cannot write to standard output: %s",
                                        zolt::SystemReason(outputError))) +
             '\n';
    });
    status = kFailed;
  }
  return status;
}

#ifndef _WIN32
int main(int argc, char** argv) {
  // A reader that goes away (a pipe into head) or a file-size limit ends
  // writes with an error, which fails that run, never the whole program.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  return RunZoltasm(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
