// The one encoder: an instruction line's words from its row of the table.
#include "checked16.h"
#include "compiler.h"
#include "hard_error.h"
#include "numbers.h"
#include "quote.h"

namespace zolt {
namespace {

Message NoOperand(const Instruction& instruction) {
  const std::string low = ValueText(instruction.InUnits(instruction.low));
  const std::string high = ValueText(instruction.InUnits(instruction.high));
  const std::string mnemonic(instruction.mnemonic);
  if (instruction.operand == OperandKind::Relative) {
    return Message("%s has no operand; write a label, or a distance from %s to %s", mnemonic, low,
                   high);
  }
  return Message("%s has no operand; write one from %s to %s", mnemonic, low, high);
}

}  // namespace

void Compiler::Encode(const Instruction& instruction) {
  Advance(instruction.words);
  CodeWord = Pattern16(instruction.prefix);
  if (!instruction.TakesOperand()) {
    CutWord1();
    WarnIgnored(LineText, N_("'%s' is ignored; %s takes no operand"), instruction.mnemonic);
    // END's word is written by the driver as it finishes, not by the emission step.
    if (instruction.operand == OperandKind::None) WordCount = 1;
    return;
  }
  WordCount = 1;
  CutWord1();
  RequireWord([&instruction] { return NoOperand(instruction); });
  Word2 = CommWord1(LineText);
  if (Observer != nullptr) ReportOperand(Word2, &instruction);
  Value = instruction.Scale() == 1 ? ToInteger(Word2, OperandWritten())
                                   : ToScaledInteger(Word2, OperandWritten());
  const bool target = instruction.operand == OperandKind::Relative && operandIsSymbol_;
  Clamp(instruction.low, instruction.high, Word1, target ? Field::Target : Field::Operand,
        static_cast<float>(instruction.Scale()));
  switch (instruction.form) {
    case FieldForm::Direct:
      CodeWord = Pattern16(instruction.prefix + static_cast<std::uint32_t>(Value));
      break;
    case FieldForm::SignMagnitude:
      if (Value < 0) Value = -Value + SignBit(instruction);
      CodeWord = Pattern16(instruction.prefix + static_cast<std::uint32_t>(Value));
      break;
    case FieldForm::SecondWord:
      CodeWord2 = Word16(Value, N_("the operand lies outside the 16-bit field"));
      WordCount = 2;
      break;
  }
  WarnIgnored(LineText.substr(operandWord_.size()),
              N_("'%s' after the operand is ignored; a comment begins with ';'"));
}

void Compiler::Clamp(std::int32_t low, std::int32_t high, std::string_view subject, Field field,
                     float unit) {
  const std::int32_t bound = Value > high ? high : Value < low ? low : Value;
  if (bound == Value) return;
  if (Observer != nullptr) Observer->OperandClamped(lineIndex_ + 1, Value, bound);
  focus_ = operandWord_;
  // A number written out of range is put right by the bound; a symbol's
  // value is not the operand's to change.
  if (!operandIsSymbol_) Correct(operandWord_, ValueText(static_cast<float>(bound) / unit));
  const std::string value = std::to_string(Value);
  const std::string lowText = std::to_string(low);
  const std::string highText = std::to_string(high);
  const std::string used = std::to_string(bound);
  const Written written = OperandWritten();
  const std::string quoted = ShownWritten(written);
  // A symbol's value is no number the user wrote where the operand stands:
  // the message gives it beside the name.
  const std::string symbolValue =
      written.symbol == nullptr ? std::string() : ValueText(written.symbol->value);
  switch (field) {
    case Field::Target:
      SoftError(Message("%s target '%s' is %s words away, outside %s to %s; %s used", subject,
                        Shown(operandSymbol_.name), value, lowText, highText, used));
      break;
    case Field::Operand:
      SoftError(symbolValue.empty()
                    ? Message("%s operand '%s' gives %s, outside %s to %s; %s used", subject,
                              quoted, value, lowText, highText, used)
                    : Message("%s operand '%s' (%s) gives %s, outside %s to %s; %s used", subject,
                              quoted, symbolValue, value, lowText, highText, used));
      break;
    case Field::Count:
      SoftError(Message("BOUT count '%s' gives %s, outside %s to %s; %s used", quoted, value,
                        lowText, highText, used));
      break;
    case Field::Data:
      SoftError(symbolValue.empty()
                    ? Message("BOUT data '%s' gives %s, outside %s to %s; %s used", quoted, value,
                              lowText, highText, used)
                    : Message("BOUT data '%s' (%s) gives %s, outside %s to %s; %s used", quoted,
                              symbolValue, value, lowText, highText, used));
      break;
  }
  Value = bound;
}

}  // namespace zolt
