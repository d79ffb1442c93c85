// zoltasm --disassemble: an object file turned back into a source.
#pragma once

#include <optional>
#include <string>

struct DisassembleCommand {
  std::string object;
  // The file to write; standard output when there is none.
  std::optional<std::string> output;
  bool addresses = false;
  // Whether the warnings about words no statement makes are shown.
  bool warnings = true;
};

// Reads the object file and writes its source, or nothing when the file
// cannot be read or is no object file. Returns the exit status: 0, 1 when
// words no statement makes stand in the source as comments, 2 when nothing
// could be written.
int RunDisassembly(const DisassembleCommand& command);
