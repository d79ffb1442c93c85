#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "compiler.h"

namespace zolt::fuzz {

// Everything one run gives back: the caption of a completed run or the cause
// and line of a failed one, and the bytes of both output files.
struct Outcome {
  bool completed = false;
  std::string caption;
  std::string failure;
  std::optional<int> failureLine;
  std::string listing;
  std::string object;

  friend bool operator==(const Outcome&, const Outcome&) = default;
};

// One whole run on the given context, in memory, as a front end starts it.
Outcome RunInMemory(Compiler& compiler, const std::string& path, std::string_view source);

}  // namespace zolt::fuzz
