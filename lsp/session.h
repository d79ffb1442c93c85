// The conversation with an editor, and the loop that serves one over a stream.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>

#include "compiler.h"
#include "document.h"
#include "framing.h"
#include "message_json.h"
#include "protocol.h"

namespace zolt::lsp {

// One conversation with an editor: the protocol's lifecycle (initialize,
// shutdown, exit), the open documents with a run of each text, a reply to
// every request and an error reply to every message that cannot be taken.
// Running out of memory anywhere ends in an error reply or a log message.
class Session {
 public:
  explicit Session(std::ostream& out) : out_(out) {}

  // Takes one message's body.
  void Receive(std::string body);
  // Answers a frame whose body was not read: a header that gave no usable
  // length, a body too large or one there was no memory for.
  void Reject(Frame::Kind kind);
  // Says that an answer was lost for want of memory, with a message that
  // needs none.
  void ReportNoMemory();

  // Analyses every document whose newest text has not been, and publishes
  // its diagnostics: once no message is waiting.
  void Settle();

  bool Exited() const { return exited_; }
  // 0 when the client asked for shutdown before exit, as the protocol has it.
  int ExitStatus() const { return shutDown_ ? 0 : 1; }

 private:
  void Take(const MessageJson& read);
  void Request(const Json& id, const std::string& method, const Json& params, bool tooDeep);
  void Notification(const std::string& method, const Json& params, bool tooDeep);

  Json Initialize(const Json& params);
  Json Shutdown(const Json& params);
  // A request about the place at params' position, or about the whole
  // document: the feature's answer, or what stands for none (null, an empty
  // list) for a document the server cannot answer for.
  template <auto Feature, const Json& kNone>
  Json AtPosition(const Json& params);
  template <auto Feature, const Json& kNone>
  Json OfDocument(const Json& params);
  Json ReferencesAt(const Json& params);
  Json InlayHintsIn(const Json& params);
  Json WorkspaceSymbolsOf(const Json& params);
  Json RenameAt(const Json& params);
  Json SemanticTokensOf(const Json& params);
  Json CodeActionsIn(const Json& params);

  void Opened(const Json& params);
  void Changed(const Json& params);
  void Closed(const Json& params);
  void Ignore(const std::string& method, const Json& params, const std::string& why);

  // Keeps a document's new text until it is needed: by a request, or once
  // no message is waiting.
  void Hold(const Json& item, std::string text);
  // Runs the document's text held since its last run, if any, and publishes
  // its diagnostics.
  void Settle(const std::string& uri);
  // Holds a document as unknown, without a text the server could take.
  void Forget(const std::string& uri, const Json& version);
  void Publish(const std::string& uri, Json diagnostics, const Json& version);
  // The document a request names, run on its newest text.
  const Document* Find(const Json& params);

  void Send(const Json& message);
  void Reply(const Json& id, const Json& result);
  void ReplyError(const Json& id, int code, const std::string& message);
  void Log(const std::string& message);

  std::ostream& out_;
  // One context for the session, as the window keeps one for its life.
  Compiler compiler_;
  // The open documents whose latest text the server holds; one whose text it
  // could not take is not among them, just as a closed one.
  std::unordered_map<std::string, Document> documents_;
  // The newest text of each document changed since its last run, and the
  // version the editor gave it.
  struct Waiting {
    std::string text;
    Json version;
  };
  std::unordered_map<std::string, Waiting> waiting_;
  PositionEncoding encoding_ = PositionEncoding::Utf16;
  bool initialized_ = false;
  bool shutDown_ = false;
  bool exited_ = false;
};

// Serves the protocol on a byte stream until the client says exit or the
// stream ends; returns the exit status.
int Serve(std::istream& in, std::ostream& out);

}  // namespace zolt::lsp
