// What a run tells an editor: symbols, operands and listed lines, as plain data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "diagnostic.h"
#include "instruction_set.h"

namespace zolt {

// What an editor asks of a run beyond its outputs: where each symbol is
// defined, where each operand stands and what it came to, and the address and
// words of each listed line. The compile context reports to an observer only
// when one is attached; the window and the command line attach none and pay a
// null test per report. Lines are 1-based, as the listing numbers them.
class RunObserver {
 public:
  enum class SymbolKind : std::uint8_t { Label, Equ };

  // An operand as pass 2 read it: the word as the upper-cased line holds it,
  // starting at byte `column` of the source line as read, and the value text
  // the line took for it: the word itself for a number, a symbol's value, a
  // relative jump's distance, or "0" for a name that is not defined.
  struct Operand {
    int line;
    std::size_t column;
    std::string_view word;
    std::string_view value;
    // The statement's row; nullptr for a data line of a block.
    const Instruction* instruction;
  };

  virtual ~RunObserver() = default;

  // Pass 1 entered a symbol; lookups take the first entry of a name.
  virtual void SymbolDefined(std::string_view name, float value, SymbolKind kind, int line) = 0;
  virtual void OperandRead(const Operand& operand) = 0;
  // The operand just read (a statement's or a data line's) gave a value
  // outside its range, and the bound was used in its place.
  virtual void OperandClamped(int line, std::int32_t given, std::int32_t used) = 0;
  // A listing line with words: its address and its one or two code words.
  virtual void WordsListed(int line, std::int16_t address, std::int16_t code,
                           std::optional<std::int16_t> code2) = 0;
};

}  // namespace zolt
