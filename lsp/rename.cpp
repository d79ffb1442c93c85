// Rename: a label or an EQU name, at each of its definitions and every
// operand and data line that names it, with the name checked first.
#include "catalog.h"
#include "language_features.h"
#include "numbers.h"
#include "quote.h"
#include "text.h"

namespace zolt::lsp {
namespace {

const SymbolFact& Renamed(const Document& document, Place place) {
  const SymbolFact* symbol = document.SymbolAt(place);
  if (symbol == nullptr) throw Refusal(Tr("only a label or an EQU name can be renamed"));
  return *symbol;
}

// Why a name cannot be the symbol's new name, or nothing when it can: it
// must read as one symbol wherever it stands, and name no other.
std::string Refused(const Document& document, const SymbolFact& symbol, std::string_view name) {
  std::string upper;
  UpperCase(name, upper);
  // A blank or a line end would split it; a look-alike blank would hide
  // where it ends; ':' and ';' would read as a label or a comment.
  const bool oneWord = !name.empty() && name.find_first_of(" \t\r\n:;") == std::string::npos &&
                       !FindOtherBlank(name);
  if (!oneWord || LooksLikeLiteral(upper)) {
    return Render(
        Message("'%s' cannot name a symbol: a name is one word, with no blank, line end, "
                "':' or ';' in it, and is not a number",
                Shown(name)));
  }
  if (FindInstruction(upper) != nullptr || upper == "EQU") {
    return Render(Message("'%s' is a mnemonic; a symbol cannot have its name", Shown(name)));
  }
  const SymbolFact* taken = document.facts.FindSymbol(upper);
  if (taken != nullptr && taken->name != symbol.name) {
    return Render(Message("'%s' is taken: it names the symbol defined on line %s", Shown(name),
                          std::to_string(taken->line + 1)));
  }
  return {};
}

}  // namespace

RenameTarget PrepareRename(const Document& document, Place place) {
  const SymbolFact& symbol = Renamed(document, place);
  const LineFacts* line = document.facts.Line(place.line);
  const WordSpan span =
      line != nullptr && line->operand && line->operand->word == symbol.name
          ? WordSpan{line->operand->column, line->operand->column + line->operand->word.size()}
          : document.NameOf(symbol);
  return {{place.line, span}, symbol.name};
}

std::vector<TextEdit> Rename(const Document& document, Place place, std::string_view name) {
  const SymbolFact& symbol = Renamed(document, place);
  if (const std::string why = Refused(document, symbol, name); !why.empty()) throw Refusal(why);
  std::vector<TextEdit> edits;
  const auto edit = [&](int line, WordSpan span) {
    edits.push_back({{line, span}, std::string(name)});
  };
  for (const SymbolFact& each : document.facts.Symbols()) {
    if (each.name == symbol.name) edit(each.line, document.NameOf(each));
  }
  for (const int line : document.facts.Uses(symbol.name)) {
    const OperandFact& operand = *document.facts.Line(line)->operand;
    edit(line, {operand.column, operand.column + operand.word.size()});
  }
  return edits;
}

}  // namespace zolt::lsp
