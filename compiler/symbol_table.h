#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zolt {

// Labels and EQU names with their single-precision values, filled in order of
// definition. The first definition of a name wins, and only entries below
// LabelCount belong to the current run; entries above it keep what an earlier
// run left there but are never seen. The index only speeds up the lookup.
class SymbolTable {
 public:
  static constexpr int kSize = 513;

  std::int16_t LabelCount() const { return labelCount_; }

  // Starts a run's table afresh (LabelCount := 0).
  void Reset();

  // Enters a symbol at LabelCount; the table being full is a hard error.
  void Define(std::string_view name, float value);

  // The value of the first entry below LabelCount with exactly this name.
  std::optional<float> Find(std::string_view name) const;

 private:
  std::array<std::string, kSize> labelNames_;
  std::array<float, kSize> labelValues_{};
  std::int16_t labelCount_ = 0;
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      return std::hash<std::string_view>{}(name);
    }
  };
  std::unordered_map<std::string, std::int16_t, NameHash, std::equal_to<>> firstIndex_;
};

}  // namespace zolt
