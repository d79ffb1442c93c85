// The one exception type of a run: a failure that ends the whole run.
#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>
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
  // below it, where neither is known; its notes about that word too.
  void LocateIfUnknown(const Location& where) {
    if (failure_.where.line != 0) return;
    failure_.where = where;
    for (Diagnostic& note : failure_.notes) {
      if (note.where.line == 0) note.where = where;
    }
  }
  void AddNote(Diagnostic note) { failure_.notes.push_back(std::move(note)); }

  // A correction the message spells out, for editors: the fix counts from the
  // first byte of `word`, a view of the source text, which the run places on
  // its line while the source is still at hand.
  struct Correction {
    std::string_view word;
    Fix fix;
  };
  void Offer(Correction correction) { correction_ = std::move(correction); }
  const std::optional<Correction>& Offered() const { return correction_; }

 private:
  Diagnostic failure_;
  std::optional<Correction> correction_;
};

}  // namespace zolt
