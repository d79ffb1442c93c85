// What a run says about the source: errors, warnings and their notes, each
// with the line and word it is about.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "message.h"

namespace zolt {

enum class Severity : std::uint8_t {
  Fatal,    // the run stopped here (a hard error)
  Error,    // the line is marked in error and counted
  Warning,  // legal but probably not meant; changes no output
  Note,     // where a related thing stands
};

// Where a message points. The column counts characters (a valid UTF-8
// sequence is one, any other byte one); start and length give the word's
// bytes on the line as read, for editors that underline it.
struct Location {
  int line = 0;              // 1-based; 0 when the message belongs to no line
  std::uint32_t column = 0;  // 1-based; 0 for the line as a whole
  std::uint32_t start = 0;
  std::uint32_t length = 0;

  friend bool operator==(const Location&, const Location&) = default;
};

// The correction a message spells out, for editors that apply it: bytes
// [start, start + length) of the message's line, as read, replaced by text.
struct Fix {
  std::uint32_t start;
  std::uint32_t length;
  std::string text;

  friend bool operator==(const Fix&, const Fix&) = default;
};

struct Diagnostic {
  Severity severity = Severity::Error;
  Location where;
  Message message;
  // Related places, each a Note, shown right after this diagnostic.
  std::vector<Diagnostic> notes;
  // The correction the message spells out, on the diagnostic's line.
  std::optional<Fix> fix;

  friend bool operator==(const Diagnostic&, const Diagnostic&) = default;
};

}  // namespace zolt
