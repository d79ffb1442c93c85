#include "compiler.h"
#include "hard_error.h"
#include "numbers.h"
#include "text.h"

namespace zolt {
namespace {

// A word that starts like a number is taken as written; the conversion that
// follows decides whether it really is one.
bool LooksLikeLiteral(std::string_view word) {
  return (word[0] >= '0' && word[0] <= '9') || word[0] == '-' || word.starts_with("&H");
}

}  // namespace

std::string_view Compiler::CommWord(std::string_view& text) {
  const std::size_t first = FindNonBlank(text);
  if (first == text.size()) {
    text = {};
    throw HardError("a word is missing: nothing but blanks is left on the line");
  }
  text.remove_prefix(first);
  return text.substr(0, FindBlank(text, 1));
}

std::string_view Compiler::CommWord1(std::string_view& text) {
  const std::string_view word = CommWord(text);
  operandIsSymbol_ = false;
  if (LooksLikeLiteral(word)) return word;
  const std::optional<float> value = Symbols.Find(word);
  if (!value) {
    SoftError(Quoted(word, nullptr) + " is not a defined symbol; 0 used");
    return "0";
  }
  operandIsSymbol_ = true;
  operandSymbolName_ = word;
  operandSymbol_ = {operandSymbolName_, *value};
  const Instruction* instruction = FindInstruction(Word1);
  if (instruction != nullptr && instruction->operand == OperandKind::Relative) {
    valueText_ = ValueText(*value - static_cast<float>(Address));
  } else {
    valueText_ = ValueText(*value);
  }
  return valueText_;
}

}  // namespace zolt
