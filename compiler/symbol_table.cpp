#include "symbol_table.h"

#include "checked16.h"
#include "hard_error.h"

namespace zolt {
namespace {

void CheckIndex(int index) {
  if (index < 0 || index >= SymbolTable::kSize) {
    throw HardError("symbol table index " + std::to_string(index) + " is outside 0 to 512");
  }
}

}  // namespace

void SymbolTable::Reset() {
  labelCount_ = 0;
  firstIndex_.clear();
}

void SymbolTable::Define(std::string_view name, float value) {
  if (labelCount_ >= kSize) throw HardError("symbol table is full (513 entries)");
  labelNames_[labelCount_] = name;
  labelValues_[labelCount_] = value;
  firstIndex_.try_emplace(std::string(name), labelCount_);
  labelCount_ = Add16(labelCount_, 1, "symbol count passes 32767");
}

std::optional<float> SymbolTable::Find(std::string_view name) const {
  const auto found = firstIndex_.find(name);
  if (found == firstIndex_.end()) return std::nullopt;
  return labelValues_[found->second];
}

const std::string& SymbolTable::LabelName(int index) const {
  CheckIndex(index);
  return labelNames_[index];
}

}  // namespace zolt
