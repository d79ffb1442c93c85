// Taking words off a line: the first word, and an operand with its value.
#include "compiler.h"
#include "hard_error.h"
#include "numbers.h"
#include "quote.h"
#include "text.h"

namespace zolt {
namespace {

// A name written the way other assemblers write hexadecimal ($1F), which
// this language writes &H1F.
bool LooksLikeOtherHex(std::string_view word) {
  if (word.size() < 2 || word[0] != '$') return false;
  for (const char c : word.substr(1)) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

}  // namespace

std::string_view Compiler::CommWord(std::string_view& text) {
  const std::size_t first = FindNonBlank(text);
  if (first == text.size()) {
    text = {};
    throw HardError(Message("a word is missing: nothing but blanks is left on the line"));
  }
  text.remove_prefix(first);
  focus_ = text.substr(0, FindBlank(text, 1));
  return focus_;
}

std::string_view Compiler::CommWord1(std::string_view& text) {
  const std::string_view word = CommWord(text);
  operandWord_ = word;
  operandIsSymbol_ = false;
  if (LooksLikeLiteral(word)) return word;
  const std::optional<float> value = Symbols.Find(word);
  if (!value) {
    const std::string quoted = Shown(Readable(word));
    if (LooksLikeOtherHex(word)) {
      Correct(word, "&H" + std::string(Original(word.substr(1))));
      SoftError(
          Message("'%s' is not a defined symbol; 0 used; hexadecimal is written with &H, as in "
                  "&H%s",
                  quoted, Original(word.substr(1))));
    } else {
      NoteFullWidth(word);
      if (notes_.empty()) NoteNearestSymbol(word);
      SoftError(Message("'%s' is not a defined symbol; 0 used", quoted));
    }
    return "0";
  }
  operandIsSymbol_ = true;
  operandSymbol_ = {Original(word), *value};
  const Instruction* instruction = FindInstruction(Word1);
  const std::int32_t origin = instruction != nullptr ? instruction->Origin(ListAddress) : 0;
  valueText_ = ValueText(*value - static_cast<float>(origin));
  return valueText_;
}

}  // namespace zolt
