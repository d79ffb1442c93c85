#include "symbol_table.h"

#include "checked16.h"
#include "hard_error.h"

namespace zolt {

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

}  // namespace zolt
