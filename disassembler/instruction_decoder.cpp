// Reading a first word back through the instruction table.
#include "instruction_decoder.h"

#include <cstdlib>

#include "numbers.h"

namespace zolt {
namespace {}  // namespace

DecodedWord Decode(std::uint16_t first, std::uint16_t second) {
  DecodedWord decoded{RowOfWord(first)};
  if (decoded.row == nullptr) return {.fault = WordFault::NoInstruction};
  const Instruction& row = *decoded.row;
  const std::int32_t field = first & row.field;
  if (row.EmptyField() && field != 0) return {&row, field, WordFault::FieldNotEmpty};
  switch (row.form) {
    case FieldForm::Direct:
      decoded.value = field;
      break;
    case FieldForm::SignMagnitude: {
      const std::int32_t magnitude = field & (SignBit(row) - 1);
      const bool negative = (field & SignBit(row)) != 0;
      if (negative && magnitude == 0) return {&row, 0, WordFault::MinusZero};
      decoded.value = negative ? -magnitude : magnitude;
      break;
    }
    case FieldForm::SecondWord:
      decoded.value = second;
      break;
  }
  if (decoded.value < row.low || decoded.value > row.high) decoded.fault = WordFault::OutOfRange;
  return decoded;
}

std::string OperandText(const Instruction& row, std::int32_t value) {
  const std::int32_t scale = row.Scale();
  if (scale == 1) return std::to_string(value);
  const std::int32_t size = std::abs(value);
  std::string text(value < 0 ? "-" : "");
  text.append(std::to_string(size / scale));
  // The fraction's digits with their leading zeros, as many as the scale has.
  std::string fraction = std::to_string(scale + size % scale).substr(1);
  while (fraction.ends_with('0')) fraction.pop_back();
  if (!fraction.empty()) text.append(".").append(fraction);
  return text;
}

}  // namespace zolt
