// Turning an object file back into a source that assembles to the same
// words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "diagnostic.h"

namespace zolt {

struct DisassemblyOptions {
  // Each line that holds words ends in a comment with its word address and
  // code words, as the listing shows them.
  bool addresses = false;
};

struct Disassembly {
  // The source, its lines ended by CR LF as the assembler's own files are.
  std::string source;
  // Warnings at the object file's lines whose words no statement makes;
  // those lines stand in the source as comments.
  std::vector<Diagnostic> warnings;
};

// The source for an object file's bytes. Jumps name labels ("L0012:", from
// the address) where their targets fall on a statement of the program. A
// file that is no object file (a line in another form, a word over 16 bits)
// is a hard error at its line.
Disassembly Disassemble(std::string_view object, const DisassemblyOptions& options);

}  // namespace zolt
