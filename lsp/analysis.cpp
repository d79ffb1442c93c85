// One run of a buffer and what it saw, with the runs past its failing lines.
#include "analysis.h"

#include <algorithm>

#include "editor_channels.h"

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

// Empties a line (0-based, as the editor has it) of a copy of the text.
void Blank(std::string& copy, const TextLines& lines, int line) {
  const std::string_view bytes = lines.Line(line);
  copy.erase(static_cast<std::size_t>(bytes.data() - lines.Text().data()), bytes.size());
}

}  // namespace

Analysis::Analysis(Compiler& compiler, const std::string& path, const TextLines& text,
                   Outputs outputs) {
  if (outputs == Outputs::Kept) {
    MemoryChannels channels(path, text.Text());
    outcome_ = Observe(compiler, channels, path, text.Count());
    listing_ = channels.Output(Channel::Listing).Take();
    object_ = channels.Output(Channel::Object).Take();
  } else {
    EditorChannels channels(path, text.Text());
    outcome_ = Observe(compiler, channels, path, text.Count());
  }
  said_ = compiler.Diagnostics;
  // Blanking a line leaves every other line where it stood, so a line's
  // number is the same in the text and in every blanked copy of it; the
  // bytes erased are always those of the original text, from the last line
  // up, so earlier offsets hold.
  std::string blanked;
  RunOutcome last = outcome_;
  while (!last.completed && blanked_.size() < kMostRunsPast) {
    const int line = last.failure.where.line - 1;
    if (std::find(blanked_.begin(), blanked_.end(), line) != blanked_.end()) break;
    if (text.Line(line).empty()) break;
    blanked_.push_back(line);
    blanked = text.Text();
    std::vector<int> lines = blanked_;
    std::sort(lines.rbegin(), lines.rend());
    for (const int each : lines) Blank(blanked, text, each);
    EditorChannels channels(path, blanked);
    last = Observe(compiler, channels, path, text.Count());
  }
}

RunOutcome Analysis::Observe(Compiler& compiler, Channels& channels, const std::string& path,
                             int lines) {
  symbols_.clear();
  firstDefinition_.clear();
  // Room for every line at once: a fact for nearly every line comes in.
  lines_.assign(static_cast<std::size_t>(lines), LineFacts{});
  const Attachment attachment(compiler, this);
  return Run(compiler, channels, path);
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
  Facts(operand.line).operand =
      OperandFact{operand.column, std::string(operand.word), std::string(operand.value),
                  operand.instruction, std::nullopt};
}

// What the operand gave is in its value text already.
void Analysis::OperandClamped(int line, std::int32_t, std::int32_t used) {
  Facts(line).operand->used = used;
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
