// Why a line is no statement, with how to put it right when the line shows
// the mistake: the slips beginners make most.
#include "compiler.h"
#include "full_width.h"
#include "quote.h"
#include "text.h"

namespace zolt {
namespace {

// Whether two words differ by one letter changed, added, dropped, or two
// neighbours swapped: a mnemonic mistyped ("HLAT", "NOOP", "GOT").
bool OneSlipApart(std::string_view a, std::string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > 1) return false;
  std::size_t i = 0;
  while (i < a.size() && a[i] == b[i]) ++i;
  if (a.size() < b.size()) return a.substr(i) == b.substr(i + 1);
  if (i == a.size()) return false;
  if (a.substr(i + 1) == b.substr(i + 1)) return true;
  return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] &&
         a.substr(i + 2) == b.substr(i + 2);
}

std::string_view NextWord(std::string_view text, std::size_t& at) {
  at = FindNonBlank(text, at);
  const std::size_t end = FindBlank(text, at);
  const std::string_view word = text.substr(at, end - at);
  at = end;
  return word;
}

}  // namespace

Message Compiler::NotAStatement() {
  const std::string_view line = PreparedLine(LineIn(upperSource_, lineIndex_));
  std::size_t at = 0;
  const std::string_view first = NextWord(line, at);
  const std::string_view second = NextWord(line, at);
  const std::string_view third = NextWord(line, at);
  const std::string quoted = Shown(Readable(first));
  if (const std::optional<OtherBlank> blank = FindOtherBlank(Readable(first))) {
    if (blank->code == 0x3000) {
      if (!legacy_) Correct(first.substr(blank->at, blank->length), " ");
      return Message(
          "'%s' is not a statement; a full-width space (U+3000) stands in it, and only "
          "spaces and tabs separate words",
          quoted);
    }
    return Message(
        "'%s' is not a statement; the blank U+%s stands in it, and only spaces and tabs "
        "separate words",
        quoted, HexDigits(blank->code, 4));
  }
  // Only spaces before a comment's ';' leave it a comment line.
  if (first.starts_with(';')) {
    Correct(line.substr(0, static_cast<std::size_t>(first.data() - line.data())), "");
    return Message(
        "'%s' is not a statement; a comment line begins with ';' in the first column or after "
        "spaces, not after a tab",
        quoted);
  }
  if (ExplainFullWidth(Readable(first))) {
    NoteFullWidth(first);
    return Message("'%s' is not a statement", quoted);
  }
  if (second == ":") {
    Correct({first.data(), static_cast<std::size_t>(second.data() + 1 - first.data())},
            std::string(Original(first)) + ":");
    return Message(
        "'%s' is not a statement; a label's ':' follows its name without a blank, as in '%s'",
        quoted, Shown(Readable(first) + ":"));
  }
  if (second == "=") {
    const std::string value = third.empty() ? "5" : Readable(third);
    return Message("'%s' is not a statement; symbols are defined with EQU, as in '%s'", quoted,
                   Shown(Readable(first) + " EQU " + value));
  }
  for (const Instruction& row : Instructions()) {
    if (!first.starts_with(row.mnemonic) || first.size() == row.mnemonic.size()) continue;
    const std::string rest = Readable(first.substr(row.mnemonic.size()));
    if (rest.starts_with(';')) {
      return Message("'%s' is not a statement; a comment begins with ';' after a blank", quoted);
    }
    if (!row.TakesOperand()) continue;
    return Message("'%s' is not a statement; a blank separates %s from its operand, as in '%s'",
                   quoted, row.mnemonic,
                   Shown(std::string(row.mnemonic) + " " + std::string(rest)));
  }
  for (const Instruction& row : Instructions()) {
    if (OneSlipApart(first, row.mnemonic)) {
      return Message("'%s' is not a statement; did you mean '%s'?", quoted, Shown(row.mnemonic));
    }
  }
  return Message("'%s' is not a statement", quoted);
}

}  // namespace zolt
