// One run of a document for the editor: its diagnostics, symbols and lines as plain data.
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
#include "text_lines.h"

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
  // The bound used in place of a value outside the operand's range.
  std::optional<std::int32_t> used;
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
// read and the words it listed, line by line. A run that stops on a line would
// leave the rest of the file unseen, which while typing is the usual state of
// a buffer; so the facts come from runs of the same text with each failing
// line taken as a line that holds nothing, while the outcome and what was
// said stay those of the real run.
class Analysis final : private RunObserver {
 public:
  // The most runs made past failing lines; a buffer with more of them is
  // navigated up to the last one blanked, so one edit costs a bounded time.
  static constexpr int kMostRunsPast = 16;

  // Whether the real run's listing and object file are kept: an editor asks
  // nothing of them, a page that shows and saves them does.
  enum class Outputs : std::uint8_t { Dropped, Kept };

  Analysis(Compiler& compiler, const std::string& path, const TextLines& text,
           Outputs outputs = Outputs::Dropped);

  // The real run's listing and object file, when kept; empty otherwise.
  const std::string& Listing() const { return listing_; }
  const std::string& Object() const { return object_; }

  const RunOutcome& Outcome() const { return outcome_; }
  // What the run said about its lines (before a failure too).
  const std::vector<Diagnostic>& Said() const { return said_; }
  // The lines taken as empty for the facts (0-based), in the order they failed.
  const std::vector<int>& Blanked() const { return blanked_; }

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
  void OperandClamped(int line, std::int32_t given, std::int32_t used) override;
  void WordsListed(int line, std::int16_t address, std::int16_t code,
                   std::optional<std::int16_t> code2) override;
  LineFacts& Facts(int line);
  // Runs a text of so many lines on the channels, forgetting the facts of
  // an earlier run.
  RunOutcome Observe(Compiler& compiler, Channels& channels, const std::string& path, int lines);

  RunOutcome outcome_;
  std::string listing_;
  std::string object_;
  std::vector<Diagnostic> said_;
  std::vector<SymbolFact> symbols_;
  std::unordered_map<std::string, std::size_t> firstDefinition_;
  std::vector<LineFacts> lines_;
  std::vector<int> blanked_;
};

}  // namespace zolt::lsp
