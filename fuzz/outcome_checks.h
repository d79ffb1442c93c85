// The rules every run must keep, whatever its source holds.
#pragma once

#include <string_view>
#include <vector>

#include "diagnostic.h"
#include "run.h"

namespace zolt::fuzz {

// Checks what any run must satisfy whatever the source holds, and aborts with
// a message naming the broken rule:
// - the object file is only lines of one or two "&h" words in upper-case hex;
// - the listing starts with its three header lines, then lists source lines in
//   order, each with its own number and text as read, at most one error line
//   after each; its code words are the object file's, at consecutive addresses;
// - a completed run's caption counts exactly the listing's error lines;
// - the output grows at most linearly with the source.
void CheckOutcome(std::string_view listingPath, std::string_view source, const MemoryRun& run);

// Checks that what a run said is fit to show: every message one short line
// of printable text, at a place on a line of the source, notes only under
// what they explain.
void CheckMessages(const std::vector<Diagnostic>& said, const RunOutcome& outcome, int lines);

}  // namespace zolt::fuzz
