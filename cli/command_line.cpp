// Reading zoltasm's arguments into what they ask for.
#include "command_line.h"

#include <string_view>

#include "quote.h"

namespace {

CommandLine Wrong(zolt::Message why) {
  CommandLine wrong;
  wrong.request = CommandLine::Request::Wrong;
  wrong.wrong = std::move(why);
  return wrong;
}

CommandLine Answer(CommandLine::Request request) {
  CommandLine answer;
  answer.request = request;
  return answer;
}

// What the options read ask for, once every argument is read.
CommandLine Checked(CommandLine line) {
  if (line.request == CommandLine::Request::Disassemble) {
    if (line.sources.size() != 1)
      return Wrong(zolt::Message("--disassemble takes one object file"));
    return line;
  }
  if (line.output || line.addresses) {
    return Wrong(zolt::Message("%s goes with --disassemble", line.output ? "-o" : "--addresses"));
  }
  if (line.sources.empty()) return Wrong(zolt::Message("no source is named"));
  return line;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool optionsEnd = false;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string_view argument = arguments[at];
    if (optionsEnd || argument == "-" || !argument.starts_with("-")) {
      line.sources.emplace_back(argument);
    } else if (argument == "--") {
      optionsEnd = true;
    } else if (argument == "--help") {
      return Answer(CommandLine::Request::Help);
    } else if (argument == "--version") {
      return Answer(CommandLine::Request::Version);
    } else if (argument == "--quiet") {
      line.quiet = true;
    } else if (argument == "-w") {
      line.warnings = false;
    } else if (argument == "--disassemble") {
      line.request = CommandLine::Request::Disassemble;
    } else if (argument == "--addresses") {
      line.addresses = true;
    } else if (argument == "-o") {
      if (++at == arguments.size()) {
        return Wrong(zolt::Message("-o needs the name of the file to write"));
      }
      line.output = arguments[at];
    } else if (argument.starts_with("--input-charset=")) {
      line.inputCharset = argument.substr(std::string_view("--input-charset=").size());
    } else if (argument == "--lsp") {
      return Wrong(zolt::Message("--lsp takes no other argument"));
    } else {
      return Wrong(zolt::Message("unknown option '%s'", zolt::Shown(argument)));
    }
  }
  return Checked(std::move(line));
}
