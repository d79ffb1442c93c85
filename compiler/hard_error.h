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
        failure_{Severity::Fatal, where, std::move(cause), {}, {}} {}

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

  // The correction the message spells out, counted from the first byte of
  // `word`, a view of the source text: where the failure arose, the line it
  // stands on is not known.
  void Correct(std::string_view word, Fix fix) {
    fixWord_ = word;
    failure_.fix = std::move(fix);
  }
  std::string_view FixWord() const { return fixWord_; }
  // Counts the correction from the start of its line, where its word starts
  // at byte `wordAt`; without one (the word is not on the failing line) the
  // correction is dropped.
  void PlaceFix(std::optional<std::uint32_t> wordAt) {
    if (failure_.fix && wordAt) {
      failure_.fix->start += *wordAt;
    } else {
      failure_.fix.reset();
    }
    fixWord_ = {};
  }

 private:
  Diagnostic failure_;
  std::string_view fixWord_;
};

}  // namespace zolt
