#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "compiler.h"
#include "run.h"
#include "run_observer.h"

namespace zolt::lsp {

// Lines here are 0-based, as the editor counts them.
struct SymbolFact {
  std::string name;
  float value;
  RunObserver::SymbolKind kind;
  int line;
};

struct OperandFact {
  std::size_t column;  // byte column of the word in the source line
  std::string word;
  std::string value;
  const Instruction* instruction;  // nullptr on a block's data line
};

struct WordsFact {
  std::int16_t address;
  std::int16_t code;
  std::optional<std::int16_t> code2;
};

struct LineFacts {
  std::optional<WordsFact> words;
  std::optional<OperandFact> operand;
};

// One run of an editor's buffer, in memory, exactly as a run of the file would
// go, and what the run saw on the way: the symbols it defined, the operands it
// read and the words it listed, line by line.
class Analysis final : private RunObserver {
 public:
  Analysis(Compiler& compiler, const std::string& path, std::string text);

  const RunOutcome& Outcome() const { return outcome_; }
  // What the run said about its lines (before a failure too).
  const std::vector<Diagnostic>& Said() const { return said_; }

  // Every definition in the order pass 1 met them, duplicates included.
  const std::vector<SymbolFact>& Symbols() const { return symbols_; }
  // The definition that the run's lookups find for a name: its first one.
  const SymbolFact* FindSymbol(std::string_view name) const;
  // The symbol defined on a line, if any.
  const SymbolFact* DefinedOn(int line) const;

  // What the run saw on a line; nothing for a line it neither listed with
  // words nor read an operand on.
  const LineFacts* Line(int line) const;

  // The lines whose operand names the symbol, in order.
  std::vector<int> Uses(std::string_view name) const;

 private:
  void SymbolDefined(std::string_view name, float value, SymbolKind kind, int line) override;
  void OperandRead(const Operand& operand) override;
  void WordsListed(int line, std::int16_t address, std::int16_t code,
                   std::optional<std::int16_t> code2) override;
  LineFacts& Facts(int line);

  RunOutcome outcome_;
  std::vector<Diagnostic> said_;
  std::vector<SymbolFact> symbols_;
  std::unordered_map<std::string, std::size_t> firstDefinition_;
  std::vector<LineFacts> lines_;
};

}  // namespace zolt::lsp
