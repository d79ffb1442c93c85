#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>

#include "compiler.h"
#include "document.h"
#include "protocol.h"

namespace zolt::lsp {

// One conversation with an editor: the protocol's lifecycle (initialize,
// shutdown, exit), the open documents with a run of each text, a reply to
// every request and an error reply to every message that cannot be taken.
class Session {
 public:
  explicit Session(std::ostream& out) : out_(out) {}

  // Takes one message's body.
  void Receive(std::string_view body);
  // Answers a message whose header gave no usable length.
  void RejectHeader();

  bool Exited() const { return exited_; }
  // 0 when the client asked for shutdown before exit, as the protocol has it.
  int ExitStatus() const { return shutDown_ ? 0 : 1; }

 private:
  void Request(const Json& id, const std::string& method, const Json& params);
  void Notification(const std::string& method, const Json& params);

  Json Initialize(const Json& params);
  Json Shutdown(const Json& params);
  Json HoverAt(const Json& params);
  Json DefinitionAt(const Json& params);
  Json ReferencesAt(const Json& params);
  Json SymbolsOf(const Json& params);
  Json CompletionAt(const Json& params);
  Json InlayHintsIn(const Json& params);
  Json HighlightsAt(const Json& params);
  Json FoldingRangesOf(const Json& params);
  Json WorkspaceSymbolsOf(const Json& params);
  Json PrepareRenameAt(const Json& params);
  Json RenameAt(const Json& params);
  Json SignatureHelpAt(const Json& params);
  Json SemanticTokensOf(const Json& params);
  Json CodeActionsIn(const Json& params);

  void Opened(const Json& params);
  void Changed(const Json& params);
  void Closed(const Json& params);

  // Runs the text and publishes its diagnostics.
  void Assemble(const std::string& uri, std::string text, const Json& version);
  const Document* Find(const Json& params) const;

  void Send(const Json& message);
  void Reply(const Json& id, const Json& result);
  void ReplyError(const Json& id, int code, const std::string& message);
  void Log(const std::string& message);

  std::ostream& out_;
  // One context for the session, as the window keeps one for its life.
  Compiler compiler_;
  std::unordered_map<std::string, Document> documents_;
  PositionEncoding encoding_ = PositionEncoding::Utf16;
  bool initialized_ = false;
  bool shutDown_ = false;
  bool exited_ = false;
};

// Serves the protocol on a byte stream until the client says exit or the
// stream ends; returns the exit status.
int Serve(std::istream& in, std::ostream& out);

}  // namespace zolt::lsp
