#pragma once

#include <string>

namespace zolt {

// Why a line was marked in error: for the people reading the command line's
// messages or the window's details, never written to the listing.
struct Diagnostic {
  int line;  // 1-based source line
  std::string cause;

  friend bool operator==(const Diagnostic&, const Diagnostic&) = default;
};

}  // namespace zolt
