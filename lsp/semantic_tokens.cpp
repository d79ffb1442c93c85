// Semantic tokens: what each word of the source is to a run, so that an
// editor without the grammar colours it: mnemonics, labels, EQU names,
// numbers, comments, a block's data words and the words a run ignores.
#include <vector>

#include "language_features.h"
#include "text.h"

namespace zolt::lsp {
namespace {

// Indexes into the legend below.
enum Type : int { kKeyword, kFunction, kVariable, kNumber, kComment };
enum Modifier : int { kDeclaration = 1, kData = 2, kIgnored = 4 };

struct Token {
  WordSpan span;
  int type;
  int modifiers;
};

int SymbolType(const SymbolFact& symbol) {
  return symbol.kind == RunObserver::SymbolKind::Label ? kFunction : kVariable;
}

// An operand as the run read it: a number, or the symbol it names (a name
// not defined is still a name).
Token OperandToken(const Document& document, const OperandFact& operand, int modifiers) {
  const WordSpan span{operand.column, operand.column + operand.word.size()};
  if (operand.value == operand.word) return {span, kNumber, modifiers};
  const SymbolFact* symbol = document.facts.FindSymbol(operand.word);
  return {span, symbol != nullptr ? SymbolType(*symbol) : kVariable, modifiers};
}

// What follows the statement's words: a comment, or words the run ignores
// up to a comment.
void AddRest(std::string_view line, WordSpan after, std::vector<Token>& tokens) {
  WordSpan word = NextWord(line, after);
  if (word.Empty()) return;
  if (line[word.start] != ';') {
    const std::size_t start = word.start;
    WordSpan last = word;
    while (!word.Empty() && line[word.start] != ';') {
      last = word;
      word = NextWord(line, word);
    }
    tokens.push_back({{start, last.end}, kComment, kIgnored});
    if (word.Empty()) return;
  }
  tokens.push_back({{word.start, line.size()}, kComment, 0});
}

std::vector<Token> LineTokens(const Document& document, int number, const SymbolFact* defined) {
  std::vector<Token> tokens;
  const std::string_view line = document.text.Line(number);
  const WordSpan first = FirstWord(line);
  if (first.Empty()) return tokens;
  if (line[first.start] == ';') {
    tokens.push_back({{first.start, line.size()}, kComment, 0});
    return tokens;
  }
  const LineFacts* facts = document.facts.Line(number);
  const OperandFact* operand = facts != nullptr && facts->operand ? &*facts->operand : nullptr;
  WordSpan end = first;
  if (defined != nullptr && document.NameOf(*defined).start == first.start) {
    tokens.push_back({document.NameOf(*defined), SymbolType(*defined), kDeclaration});
    if (defined->kind == RunObserver::SymbolKind::Equ) {
      end = NextWord(line, first);
      tokens.push_back({end, kKeyword, 0});
      end = NextWord(line, end);
      tokens.push_back({end, kNumber, 0});
    }
  } else if (operand != nullptr && operand->instruction == nullptr) {
    tokens.push_back(OperandToken(document, *operand, kData));
    end = tokens.back().span;
  } else {
    std::string mnemonic;
    UpperCase(line.substr(first.start, first.end - first.start), mnemonic);
    if (FindInstruction(mnemonic) == nullptr) return tokens;
    tokens.push_back({first, kKeyword, 0});
    if (operand != nullptr) {
      tokens.push_back(OperandToken(document, *operand, 0));
      end = tokens.back().span;
    }
  }
  AddRest(line, end, tokens);
  return tokens;
}

}  // namespace

Json SemanticTokensLegend() {
  return {{"tokenTypes", {"keyword", "function", "variable", "number", "comment"}},
          {"tokenModifiers", {"declaration", "data", "ignored"}}};
}

// Each token as five numbers: its line and start relative to the token
// before it, its length, its type and its modifiers, in the client's units.
Json SemanticTokens(const Document& document) {
  std::vector<const SymbolFact*> definedOn(static_cast<std::size_t>(document.text.Count()));
  for (const SymbolFact& symbol : document.facts.Symbols()) {
    const auto line = static_cast<std::size_t>(symbol.line);
    if (line < definedOn.size() && definedOn[line] == nullptr) definedOn[line] = &symbol;
  }
  Json data = Json::array();
  int lastLine = 0;
  std::int64_t lastStart = 0;
  for (int line = 0; line < document.text.Count(); ++line) {
    for (const Token& token :
         LineTokens(document, line, definedOn[static_cast<std::size_t>(line)])) {
      if (token.span.Empty()) continue;
      const std::int64_t start = document.text.Character(line, token.span.start, document.encoding);
      const std::int64_t end = document.text.Character(line, token.span.end, document.encoding);
      data.push_back(line - lastLine);
      data.push_back(line == lastLine ? start - lastStart : start);
      data.push_back(end - start);
      data.push_back(token.type);
      data.push_back(token.modifiers);
      lastLine = line;
      lastStart = start;
    }
  }
  return {{"data", data}};
}

}  // namespace zolt::lsp
