// zoltasm: assembles ZOLT sources from scripts, build systems and editors.
// Each source is one run, exactly as if opened in the window.

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "compiler.h"
#include "file_channels.h"
#include "run.h"
#include "session.h"
#include "zoltasm.h"

namespace {

constexpr int kClean = 0;
constexpr int kLinesInError = 1;
constexpr int kFailed = 2;

constexpr std::string_view kUsage =
    "usage: zoltasm [--quiet] SOURCE...\n"
    "       zoltasm --lsp\n"
    "\n"
    "Assembles each ZOLT source and writes its listing (.lst) and object file\n"
    "(.obj) beside it, replacing the last three characters of the path.\n"
    "\n"
    "  --quiet    do not report the lines in error, only failures\n"
    "  --lsp      serve editors as a language server on standard input and output\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Exit status: 0 all clean, 1 lines in error, 2 a run failed.\n";

// One run through the same path as the window's Open command.
int Assemble(zolt::Compiler& compiler, const std::string& source, bool quiet) {
  zolt::FileChannels channels;
  const zolt::RunOutcome outcome = zolt::Run(compiler, channels, source);
  if (!outcome.completed) {
    std::cerr << "文件不能打开!\n" << source;
    if (outcome.line) std::cerr << ':' << *outcome.line;
    std::cerr << ": error: " << outcome.cause << '\n';
    return kFailed;
  }
  std::cout << outcome.caption << '\n';
  if (!quiet) {
    for (const zolt::Diagnostic& diagnostic : compiler.Diagnostics) {
      std::cerr << source << ':' << diagnostic.line << ": error: " << diagnostic.cause << '\n';
    }
  }
  return compiler.ErrorCount == 0 ? kClean : kLinesInError;
}

}  // namespace

bool ServesLanguage(const std::vector<std::string>& arguments) {
  return arguments.size() == 1 && arguments[0] == "--lsp";
}

int RunZoltasm(const std::vector<std::string>& arguments) {
  if (ServesLanguage(arguments)) return zolt::lsp::Serve(std::cin, std::cout);
  bool quiet = false;
  std::vector<std::string> sources;
  bool options = true;
  for (const std::string_view argument : arguments) {
    if (options && argument == "--") {
      options = false;
    } else if (options && argument == "--help") {
      std::cout << kUsage;
      return kClean;
    } else if (options && argument == "--version") {
      std::cout << "zoltasm " ZOLT_VERSION "\n";
      return kClean;
    } else if (options && argument == "--quiet") {
      quiet = true;
    } else if (options && argument == "--lsp") {
      std::cerr << "zoltasm: --lsp takes no other argument\n" << kUsage;
      return kFailed;
    } else if (options && argument.starts_with("-") && argument.size() > 1) {
      std::cerr << "zoltasm: unknown option '" << argument << "'\n" << kUsage;
      return kFailed;
    } else {
      sources.emplace_back(argument);
    }
  }
  if (sources.empty()) {
    std::cerr << kUsage;
    return kFailed;
  }

  // One compile context for all runs, as the window keeps one for its life.
  zolt::Compiler compiler;
  int status = kClean;
  for (const std::string& source : sources)
    status = std::max(status, Assemble(compiler, source, quiet));
  return status;
}

#ifndef _WIN32
int main(int argc, char** argv) {
  return RunZoltasm(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
