// The editor's requests on a document's latest run, one function a feature,
// each answering with plain data; protocol_json.h writes it for the editor.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "document.h"

namespace zolt::lsp {

// A request the server understands but turns down, with the reason to show
// the user (a rename to a name that is taken).
class Refusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Bytes `bytes` of the 0-based `line`.
struct TextSpan {
  int line;
  WordSpan bytes;
};

// The text `text` in place of a span of the document.
struct TextEdit {
  TextSpan span;
  std::string text;
};

// One of the run's messages on the words it is about, in the editor's
// language, with its notes.
struct Problem {
  struct Note {
    TextSpan span;
    std::string message;
  };
  TextSpan span;
  bool warning;
  std::string message;
  std::vector<Note> notes;
};

struct HoverText {
  std::string markdown;
  TextSpan span;
};

// A label marks a place in the code, an EQU name stands for a value.
enum class SymbolRole : unsigned char { Label, Value };

// A symbol in the outline: its part of the program runs from its line to
// `lastLine`.
struct OutlineSymbol {
  std::string name;
  std::string detail;
  SymbolRole role;
  int lastLine;
  TextSpan nameSpan;
};

struct FoundSymbol {
  std::string name;
  SymbolRole role;
  TextSpan definition;
};

// Where a name is read, or written (its definition).
struct Highlight {
  TextSpan span;
  bool written;
};

enum class ItemKind : unsigned char { Mnemonic, Label, Value };

struct CompletionItem {
  std::string label;
  ItemKind kind;
  std::string detail;
};

// A statement's one operand.
struct Signature {
  std::string label;
  std::string documentation;
  std::string parameter;
};

// What a word is to a run, and how it is marked: the legend's order.
enum TokenType : int { kKeywordToken, kFunctionToken, kVariableToken, kNumberToken, kCommentToken };
enum TokenModifier : int { kDeclaration = 1, kData = 2, kIgnored = 4 };

struct SemanticToken {
  TextSpan span;
  int type;
  int modifiers;
};

// A quick fix of one of the run's messages, or a rewrite (no problem).
struct CodeAction {
  std::string title;
  std::optional<Problem> fixes;
  TextEdit edit;
};

struct RenameTarget {
  TextSpan span;
  std::string placeholder;
};

// Lines `first` to `last`: a comment's run, or a BOUT block.
struct Fold {
  int first;
  int last;
  bool comment;
};

// The listing's words at the end of a line, at byte `column`.
struct InlayHint {
  int line;
  std::size_t column;
  std::string label;
};

// The run's messages: the lines in error and the warnings, then the one
// failure of a run that stopped.
std::vector<Problem> Diagnostics(const Document& document);
Problem ProblemOf(const Document& document, const Diagnostic& diagnostic);
std::optional<HoverText> Hover(const Document& document, Place place);
std::optional<TextSpan> Definition(const Document& document, Place place);
std::vector<TextSpan> References(const Document& document, Place place, bool withDefinition);
std::vector<OutlineSymbol> DocumentSymbols(const Document& document);
std::vector<CompletionItem> Completion(const Document& document, Place place);
std::vector<Highlight> Highlights(const Document& document, Place place);
std::optional<Signature> SignatureHelp(const Document& document, Place place);
std::vector<SemanticToken> SemanticTokens(const Document& document);
// Quick fixes for the run's messages on the lines, and rewrites of the
// number at the cursor.
std::vector<CodeAction> CodeActions(const Document& document, LineSpan lines, Place cursor);
RenameTarget PrepareRename(const Document& document, Place place);
std::vector<TextEdit> Rename(const Document& document, Place place, std::string_view name);
std::vector<Fold> FoldingRanges(const Document& document);
// The document's symbols that match a workspace/symbol query.
std::vector<FoundSymbol> WorkspaceSymbols(const Document& document, std::string_view query);
std::vector<InlayHint> InlayHints(const Document& document, LineSpan lines);

}  // namespace zolt::lsp
