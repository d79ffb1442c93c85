// Completion: mnemonics for a statement, symbols for an operand or a data word.
#include <charconv>
#include <string>

#include "catalog.h"
#include "language_features.h"
#include "operand_range.h"
#include "symbol_detail.h"
#include "text.h"

namespace zolt::lsp {
namespace {

std::vector<CompletionItem> Mnemonics() {
  std::vector<CompletionItem> items;
  for (const Instruction& row : Instructions()) {
    items.push_back({std::string(row.mnemonic), ItemKind::Mnemonic, InstructionSummary(row)});
  }
  return items;
}

std::vector<CompletionItem> SymbolNames(const Document& document) {
  std::vector<CompletionItem> items;
  for (const SymbolFact& symbol : document.facts.Symbols()) {
    // A name defined twice is offered once, with the value operands take.
    if (document.facts.FindSymbol(symbol.name) != &symbol) continue;
    const bool label = symbol.kind == RunObserver::SymbolKind::Label;
    items.push_back({symbol.name, label ? ItemKind::Label : ItemKind::Value, SymbolDetail(symbol)});
  }
  return items;
}

// An operand is a symbol only for the statements whose operand may name one.
bool TakesSymbol(std::string_view firstWord) {
  std::string mnemonic;
  UpperCase(firstWord, mnemonic);
  const Instruction* row = FindInstruction(mnemonic);
  return row != nullptr && row->TakesOperand() && row->operand != OperandKind::Block;
}

// Whether a line is one of the data lines of a BOUT block above it, as the
// run read the block: a data line being typed (or one the run could not
// take) counts while the block's count reaches it.
bool InBlock(const Document& document, int line) {
  for (int above = line - 1; above >= 0; --above) {
    const LineFacts* facts = document.facts.Line(above);
    if (facts == nullptr || !facts->operand) continue;
    const OperandFact& operand = *facts->operand;
    if (operand.instruction == nullptr) continue;
    if (operand.instruction->operand != OperandKind::Block) return false;
    std::int32_t count = 0;
    if (operand.used) {
      count = *operand.used;
    } else {
      std::from_chars(operand.value.data(), operand.value.data() + operand.value.size(), count);
    }
    return line - above <= count;
  }
  return false;
}

// Whether a column lies in a comment: a word before it or holding it starts
// with ';'.
bool InComment(std::string_view line, std::size_t column) {
  for (WordSpan word = FirstWord(line); !word.Empty() && word.start <= column;
       word = NextWord(line, word)) {
    if (line[word.start] == ';') return true;
  }
  return false;
}

}  // namespace

// Mnemonics while the first word of a line is typed, symbols while the
// operand after a mnemonic or a block's data word is; nothing in a comment
// or in the words the run ignores after an operand.
std::vector<CompletionItem> Completion(const Document& document, Place place) {
  const std::string_view line = document.text.Line(place.line);
  if (InComment(line, place.column)) return {};
  const WordSpan first = FirstWord(line);
  const bool inFirst = place.column <= first.end || first.Empty();
  if (InBlock(document, place.line))
    return inFirst ? SymbolNames(document) : std::vector<CompletionItem>{};
  if (inFirst) return Mnemonics();
  const WordSpan operand = NextWord(line, first);
  const bool inOperand = place.column <= operand.end || operand.Empty();
  if (inOperand && TakesSymbol(line.substr(first.start, first.end - first.start))) {
    return SymbolNames(document);
  }
  return {};
}

}  // namespace zolt::lsp
