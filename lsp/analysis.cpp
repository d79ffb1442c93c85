#include "analysis.h"

#include <utility>

namespace zolt::lsp {
namespace {

// The context reports to this run only while it lasts, whatever ends it.
class Attachment {
 public:
  Attachment(Compiler& compiler, RunObserver* observer) : compiler_(compiler) {
    compiler_.Observer = observer;
  }
  Attachment(const Attachment&) = delete;
  Attachment& operator=(const Attachment&) = delete;
  ~Attachment() { compiler_.Observer = nullptr; }

 private:
  Compiler& compiler_;
};

}  // namespace

Analysis::Analysis(Compiler& compiler, const std::string& path, std::string text) {
  const Attachment attachment(compiler, this);
  outcome_ = RunInMemory(compiler, path, std::move(text)).outcome;
  said_ = compiler.Diagnostics;
}

const SymbolFact* Analysis::FindSymbol(std::string_view name) const {
  const auto found = firstDefinition_.find(std::string(name));
  return found == firstDefinition_.end() ? nullptr : &symbols_[found->second];
}

const SymbolFact* Analysis::DefinedOn(int line) const {
  for (const SymbolFact& symbol : symbols_) {
    if (symbol.line == line) return &symbol;
  }
  return nullptr;
}

const LineFacts* Analysis::Line(int line) const {
  if (line < 0 || static_cast<std::size_t>(line) >= lines_.size()) return nullptr;
  return &lines_[static_cast<std::size_t>(line)];
}

std::vector<int> Analysis::Uses(std::string_view name) const {
  std::vector<int> uses;
  for (std::size_t line = 0; line < lines_.size(); ++line) {
    const std::optional<OperandFact>& operand = lines_[line].operand;
    if (operand && operand->word == name) uses.push_back(static_cast<int>(line));
  }
  return uses;
}

void Analysis::SymbolDefined(std::string_view name, float value, SymbolKind kind, int line) {
  firstDefinition_.try_emplace(std::string(name), symbols_.size());
  symbols_.push_back({std::string(name), value, kind, line - 1});
}

void Analysis::OperandRead(const Operand& operand) {
  Facts(operand.line).operand = OperandFact{operand.column, std::string(operand.word),
                                            std::string(operand.value), operand.instruction};
}

void Analysis::WordsListed(int line, std::int16_t address, std::int16_t code,
                           std::optional<std::int16_t> code2) {
  Facts(line).words = WordsFact{address, code, code2};
}

LineFacts& Analysis::Facts(int line) {
  const auto index = static_cast<std::size_t>(line - 1);
  if (index >= lines_.size()) lines_.resize(index + 1);
  return lines_[index];
}

}  // namespace zolt::lsp
