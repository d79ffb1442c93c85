// The symbol table: labels and EQU names with their values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zolt {

// Labels and EQU names with their single-precision values, filled in order of
// definition. The first definition of a name wins, and only entries below
// LabelCount belong to the current run; entries above it keep what an earlier
// run left there but are never seen. The index only speeds up the lookup.
class SymbolTable {
 public:
  static constexpr int kSize = 513;

  SymbolTable() { Reset(); }

  std::int16_t LabelCount() const { return labelCount_; }

  // Starts a run's table afresh (LabelCount := 0).
  void Reset();

  // Enters a symbol at LabelCount, defined on a 1-based source line; the
  // table being full is a hard error. Returns the line of the name's first
  // entry when this is not the first.
  std::optional<int> Define(std::string_view name, float value, int line);

  // The value of the first entry below LabelCount with exactly this name.
  std::optional<float> Find(std::string_view name) const;

  // The name of the run closest to a name that is not defined, when one or
  // two letters changed, added, dropped or swapped would make one from the
  // other (one for names of four letters or fewer; none of two or fewer):
  // a misspelled label.
  std::optional<std::string_view> Nearest(std::string_view name) const;

 private:
  // The index: for each name of the run, the entry that defined it first,
  // placed by a hash of the name in a table of twice the symbols' number (a
  // power of two); a name whose place is taken goes to the next free one.
  static constexpr std::size_t kIndexSize = 1024;
  static constexpr std::int16_t kFree = -1;
  // The place of name in the index: the entry it names, or the free place
  // where it would go.
  std::size_t IndexPlace(std::string_view name) const;

  std::array<std::string, kSize> labelNames_;
  std::array<float, kSize> labelValues_{};
  std::array<int, kSize> labelLines_{};
  std::int16_t labelCount_ = 0;
  std::array<std::int16_t, kIndexSize> firstIndex_;
};

}  // namespace zolt
