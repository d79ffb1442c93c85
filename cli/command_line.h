// zoltasm's arguments: what the command line asks for, read once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "message.h"

// What the arguments ask zoltasm to do, with the options that go with it.
struct CommandLine {
  enum class Request : std::uint8_t { Assemble, Disassemble, Help, Version, Wrong };

  Request request = Request::Assemble;
  bool quiet = false;
  bool warnings = true;
  bool addresses = false;
  // With --disassemble: the file to write.
  std::optional<std::string> output;
  // With --input-charset: the character set sources that are not UTF-8 are
  // quoted in.
  std::optional<std::string> inputCharset;
  // The sources named, or the one object file with --disassemble.
  std::vector<std::string> sources;
  // Why the arguments are wrong, for Request::Wrong.
  std::optional<zolt::Message> wrong;
};

// Reads the arguments from the first: --help and --version answer at once,
// the first wrong argument stops the reading.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments);
