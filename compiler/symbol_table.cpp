// The symbol table's entries and the index that finds a name's first one.
#include "symbol_table.h"

#include <algorithm>
#include <vector>

#include "checked16.h"
#include "hard_error.h"

namespace zolt {
namespace {

// How many letters changed, added, dropped or swapped with a neighbour make
// b from a; any count above `most` is given as most + 1.
std::size_t EditsApart(std::string_view a, std::string_view b, std::size_t most) {
  const std::size_t longer = std::max(a.size(), b.size());
  if (longer - std::min(a.size(), b.size()) > most) return most + 1;
  // Three rows of the table of edits: two rows back for a swap.
  std::vector<std::size_t> before(b.size() + 1);
  std::vector<std::size_t> last(b.size() + 1);
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) last[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
      row[j] = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + change});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        row[j] = std::min(row[j], before[j - 2] + 1);
      }
    }
    std::swap(before, last);
    std::swap(last, row);
  }
  return std::min(last[b.size()], most + 1);
}

}  // namespace

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

std::optional<std::string_view> SymbolTable::Nearest(std::string_view name) const {
  // A word of one or two letters is a slip from too many names to say which.
  if (name.size() < 3) return std::nullopt;
  const std::size_t most = name.size() > 4 ? 2 : 1;
  std::optional<std::string_view> nearest;
  std::size_t fewest = most + 1;
  for (std::int16_t entry = 0; entry < labelCount_; ++entry) {
    const std::string_view candidate = labelNames_[static_cast<std::size_t>(entry)];
    const std::size_t edits = EditsApart(name, candidate, most);
    if (edits < fewest) {
      fewest = edits;
      nearest = candidate;
    }
  }
  return nearest;
}

}  // namespace zolt
