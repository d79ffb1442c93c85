// The values an operand accepts, from the instruction table's bounds.
#include "operand_range.h"

#include "catalog.h"
#include "numbers.h"

namespace zolt::lsp {
namespace {

// A scaled operand is written in units of 0.0001.
constexpr float kScale = 10000;

}  // namespace

std::string OperandRange(const Instruction& row) {
  const float unit = row.operand == OperandKind::Scaled ? kScale : 1;
  return RangeText(static_cast<float>(row.low) / unit, static_cast<float>(row.high) / unit);
}

std::string RangeText(float low, float high) {
  return Render(Message("%s to %s", ValueText(low), ValueText(high)));
}

}  // namespace zolt::lsp
