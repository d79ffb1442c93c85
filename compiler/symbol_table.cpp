// The symbol table's entries and the index that finds a name's first one.
#include "symbol_table.h"

#include "checked16.h"
#include "hard_error.h"

namespace zolt {

void SymbolTable::Reset() {
  labelCount_ = 0;
  firstIndex_.fill(kFree);
}

std::size_t SymbolTable::IndexPlace(std::string_view name) const {
  // FNV-1a: names are short, and a few multiplications place them well.
  std::uint32_t hash = 2166136261U;
  for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
  std::size_t place = hash % kIndexSize;
  while (firstIndex_[place] != kFree &&
         labelNames_[static_cast<std::size_t>(firstIndex_[place])] != name) {
    place = (place + 1) % kIndexSize;
  }
  return place;
}

std::optional<int> SymbolTable::Define(std::string_view name, float value, int line) {
  if (labelCount_ >= kSize) {
    throw HardError(Message(
        "the symbol table is full: it holds 513 entries, one for each EQU name and two for each "
        "label"));
  }
  const auto entry = static_cast<std::size_t>(labelCount_);
  labelNames_[entry] = name;
  labelValues_[entry] = value;
  labelLines_[entry] = line;
  const std::size_t place = IndexPlace(name);
  std::optional<int> earlier;
  if (firstIndex_[place] == kFree) {
    firstIndex_[place] = labelCount_;
  } else {
    earlier = labelLines_[static_cast<std::size_t>(firstIndex_[place])];
  }
  labelCount_ = Add16(labelCount_, 1, N_("the symbol count passes 32767"));
  return earlier;
}

std::optional<float> SymbolTable::Find(std::string_view name) const {
  const std::int16_t entry = firstIndex_[IndexPlace(name)];
  if (entry == kFree) return std::nullopt;
  return labelValues_[static_cast<std::size_t>(entry)];
}

}  // namespace zolt
