#include "checked16.h"
#include "compiler.h"
#include "hard_error.h"
#include "numbers.h"

namespace zolt {

void Compiler::Encode(const Instruction& instruction) {
  // Address moves first, so a relative operand counts from the next word.
  Advance(instruction.words);
  CodeWord = Pattern16(instruction.prefix);
  // END's word is written by the driver as it finishes, not by the emission step.
  if (instruction.operand == OperandKind::End) return;
  WordCount = 1;
  if (instruction.operand == OperandKind::None) return;
  CutWord1();
  RequireWord(Word1, " has no operand");
  Word2 = CommWord1(LineText);
  if (Observer != nullptr) ReportOperand(Word2, &instruction);
  Value = instruction.operand == OperandKind::Scaled ? ToScaledInteger(Word2, OperandSymbol())
                                                     : ToInteger(Word2, OperandSymbol());
  Clamp(instruction.low, instruction.high, Word1, "operand", Word2,
        instruction.operand == OperandKind::Relative);
  switch (instruction.form) {
    case FieldForm::Direct:
      CodeWord = Pattern16(instruction.prefix + static_cast<std::uint32_t>(Value));
      break;
    case FieldForm::SignMagnitude:
      if (Value < 0) Value = -Value + 1024;
      CodeWord = Pattern16(instruction.prefix + static_cast<std::uint32_t>(Value));
      break;
    case FieldForm::SecondWord:
      if (Value > 32767) Value -= 65536;
      CodeWord2 = ToInt16(Value, "operand outside the 16-bit field");
      WordCount = 2;
      break;
  }
}

void Compiler::Clamp(std::int32_t low, std::int32_t high, std::string_view subject,
                     std::string_view field, std::string_view text, bool relative) {
  const std::int32_t bound = Value > high ? high : Value < low ? low : Value;
  if (bound == Value) return;
  const SymbolOperand* symbol = OperandSymbol();
  std::string cause(subject);
  if (symbol != nullptr && relative) {
    cause.append(" target '").append(symbol->name).append("' is ");
    cause.append(std::to_string(Value)).append(" words away");
  } else {
    cause.append(" ").append(field).append(" ").append(Quoted(text, symbol));
    cause.append(" gives ").append(std::to_string(Value));
  }
  cause.append(", outside ").append(std::to_string(low)).append(" to ");
  cause.append(std::to_string(high)).append("; ").append(std::to_string(bound)).append(" used");
  SoftError(cause);
  Value = bound;
}

}  // namespace zolt
