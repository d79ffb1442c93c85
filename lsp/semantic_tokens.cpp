// Semantic tokens: what each word of the source is to a run, so that an
// editor without the grammar colours it: mnemonics, labels, EQU names,
// numbers, comments, a block's data words and the words a run ignores.
#include <vector>

#include "language_features.h"
#include "text.h"

namespace zolt::lsp {
namespace {

// A token on its line.
struct Token {
  WordSpan span;
  int type;
  int modifiers;
};

int SymbolType(const SymbolFact& symbol) {
  return symbol.kind == RunObserver::SymbolKind::Label ? kFunctionToken : kVariableToken;
}

// An operand as the run read it: a number, or the symbol it names (a name
// not defined is still a name).
Token OperandToken(const Document& document, const OperandFact& operand, int modifiers) {
  const WordSpan span{operand.column, operand.column + operand.word.size()};
  if (operand.value == operand.word) return {span, kNumberToken, modifiers};
  const SymbolFact* symbol = document.facts.FindSymbol(operand.word);
  return {span, symbol != nullptr ? SymbolType(*symbol) : kVariableToken, modifiers};
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
    tokens.push_back({{start, last.end}, kCommentToken, kIgnored});
    if (word.Empty()) return;
  }
  tokens.push_back({{word.start, line.size()}, kCommentToken, 0});
}

std::vector<Token> LineTokens(const Document& document, int number, const SymbolFact* defined) {
  std::vector<Token> tokens;
  const std::string_view line = document.text.Line(number);
  const WordSpan first = FirstWord(line);
  if (first.Empty()) return tokens;
  if (line[first.start] == ';') {
    tokens.push_back({{first.start, line.size()}, kCommentToken, 0});
    return tokens;
  }
  const LineFacts* facts = document.facts.Line(number);
  const OperandFact* operand = facts != nullptr && facts->operand ? &*facts->operand : nullptr;
  WordSpan end = first;
  if (defined != nullptr && document.NameOf(*defined).start == first.start) {
    tokens.push_back({document.NameOf(*defined), SymbolType(*defined), kDeclaration});
    if (defined->kind == RunObserver::SymbolKind::Equ) {
      end = NextWord(line, first);
      tokens.push_back({end, kKeywordToken, 0});
      end = NextWord(line, end);
      tokens.push_back({end, kNumberToken, 0});
    }
  } else if (operand != nullptr && operand->instruction == nullptr) {
    tokens.push_back(OperandToken(document, *operand, kData));
    end = tokens.back().span;
  } else {
    std::string mnemonic;
    UpperCase(line.substr(first.start, first.end - first.start), mnemonic);
    if (FindInstruction(mnemonic) == nullptr) return tokens;
    tokens.push_back({first, kKeywordToken, 0});
    if (operand != nullptr) {
      tokens.push_back(OperandToken(document, *operand, 0));
      end = tokens.back().span;
    }
  }
  AddRest(line, end, tokens);
  return tokens;
}

}  // namespace

// Every token of the text, line by line, each line's from its start.
std::vector<SemanticToken> SemanticTokens(const Document& document) {
  std::vector<const SymbolFact*> definedOn(static_cast<std::size_t>(document.text.Count()));
  for (const SymbolFact& symbol : document.facts.Symbols()) {
    const auto line = static_cast<std::size_t>(symbol.line);
    if (line < definedOn.size() && definedOn[line] == nullptr) definedOn[line] = &symbol;
  }
  std::vector<SemanticToken> tokens;
  for (int line = 0; line < document.text.Count(); ++line) {
    for (const Token& token :
         LineTokens(document, line, definedOn[static_cast<std::size_t>(line)])) {
      if (!token.span.Empty()) tokens.push_back({{line, token.span}, token.type, token.modifiers});
    }
  }
  return tokens;
}

}  // namespace zolt::lsp
