// The one exception type of a run: a failure that ends the whole run.
#pragma once

#include <stdexcept>
#include <utility>

#include "diagnostic.h"

namespace zolt {

// A failure that ends the whole run, thrown where it arises and caught only
// where a run starts: the command line reports it as a fatal error, the
// window shows "文件不能打开!" with it. Soft errors (a clamped operand, an
// undefined symbol) never take this path; they only mark the line.
class HardError : public std::runtime_error {
 public:
  explicit HardError(Message cause, Location where = {})
      : std::runtime_error(English(cause)),
        failure_{Severity::Fatal, where, std::move(cause), {}} {}

  const Diagnostic& Failure() const { return failure_; }
  // The run adds the line it was on (and the word) when the failure arose
  // below it, where neither is known.
  void LocateIfUnknown(const Location& where) {
    if (failure_.where.line == 0) failure_.where = where;
  }
  void AddNote(Diagnostic note) { failure_.notes.push_back(std::move(note)); }

 private:
  Diagnostic failure_;
};

}  // namespace zolt
