#include "session.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "catalog.h"
#include "framing.h"
#include "language_features.h"
#include "text_changes.h"

namespace zolt::lsp {
namespace {

// JSON-RPC's error codes, and the protocol's for a request before initialize.
constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParamsCode = -32602;
constexpr int kInternalError = -32603;
constexpr int kServerNotInitialized = -32002;
constexpr int kRequestFailed = -32803;

constexpr int kIncrementalSync = 2;
constexpr int kLogWarning = 2;

bool IsId(const Json& id) {
  return id.is_number_integer() || id.is_string();
}

}  // namespace

void Session::Receive(std::string_view body) {
  const Json message = Json::parse(body, nullptr, false);
  if (message.is_discarded()) return ReplyError(nullptr, kParseError, "the message is not JSON");
  if (!message.is_object()) {
    return ReplyError(nullptr, kInvalidRequest, "a message is a JSON object");
  }
  const Json id = message.value("id", Json());
  const bool request = message.contains("id");
  if (request && !IsId(id)) {
    return ReplyError(nullptr, kInvalidRequest, "a request's id is a number or a string");
  }
  const auto method = message.find("method");
  if (method == message.end()) {
    // A response: the server sends no requests, so there is nothing to match.
    if (request && (message.contains("result") || message.contains("error"))) return;
    return ReplyError(id, kInvalidRequest, "a request or notification names its method");
  }
  if (message.value("jsonrpc", Json()) != "2.0" || !method->is_string()) {
    return ReplyError(id, kInvalidRequest, "not a JSON-RPC 2.0 message");
  }
  const Json params = message.value("params", Json());
  if (request) {
    Request(id, method->get<std::string>(), params);
  } else {
    Notification(method->get<std::string>(), params);
  }
}

void Session::RejectHeader() {
  ReplyError(nullptr, kParseError, "the message's header has no Content-Length");
}

void Session::Request(const Json& id, const std::string& method, const Json& params) {
  using Handler = Json (Session::*)(const Json&);
  static const std::unordered_map<std::string_view, Handler> kHandlers = {
      {"initialize", &Session::Initialize},
      {"shutdown", &Session::Shutdown},
      {"textDocument/hover", &Session::HoverAt},
      {"textDocument/definition", &Session::DefinitionAt},
      {"textDocument/references", &Session::ReferencesAt},
      {"textDocument/documentSymbol", &Session::SymbolsOf},
      {"textDocument/completion", &Session::CompletionAt},
      {"textDocument/inlayHint", &Session::InlayHintsIn},
      {"textDocument/documentHighlight", &Session::HighlightsAt},
      {"textDocument/foldingRange", &Session::FoldingRangesOf},
      {"workspace/symbol", &Session::WorkspaceSymbolsOf},
      {"textDocument/prepareRename", &Session::PrepareRenameAt},
      {"textDocument/rename", &Session::RenameAt},
      {"textDocument/signatureHelp", &Session::SignatureHelpAt},
      {"textDocument/semanticTokens/full", &Session::SemanticTokensOf},
      {"textDocument/codeAction", &Session::CodeActionsIn},
  };
  if (shutDown_) return ReplyError(id, kInvalidRequest, "the server is shut down");
  if (initialized_ == (method == "initialize")) {
    return initialized_ ? ReplyError(id, kInvalidRequest, "initialize comes once")
                        : ReplyError(id, kServerNotInitialized, "initialize comes first");
  }
  const auto handler = kHandlers.find(method);
  if (handler == kHandlers.end()) return ReplyError(id, kMethodNotFound, "no method " + method);
  try {
    Reply(id, (this->*handler->second)(params));
  } catch (const Json::exception& error) {
    ReplyError(id, kInvalidParamsCode, error.what());
  } catch (const InvalidParams& error) {
    ReplyError(id, kInvalidParamsCode, error.what());
  } catch (const Refusal& error) {
    ReplyError(id, kRequestFailed, error.what());
  } catch (const std::exception& error) {
    ReplyError(id, kInternalError, error.what());
  }
}

void Session::Notification(const std::string& method, const Json& params) {
  using Handler = void (Session::*)(const Json&);
  static const std::unordered_map<std::string_view, Handler> kHandlers = {
      {"textDocument/didOpen", &Session::Opened},
      {"textDocument/didChange", &Session::Changed},
      {"textDocument/didClose", &Session::Closed},
  };
  if (method == "exit") {
    exited_ = true;
    return;
  }
  // Before initialize and after shutdown notifications are dropped, and so
  // are those the server has no use for ($/cancelRequest, initialized, ...).
  const auto handler = kHandlers.find(method);
  if (!initialized_ || shutDown_ || handler == kHandlers.end()) return;
  try {
    (this->*handler->second)(params);
  } catch (const std::exception& error) {
    Log(method + " was ignored: " + error.what());
  }
}

Json Session::Initialize(const Json& params) {
  const Json offered =
      params.value(Json::json_pointer("/capabilities/general/positionEncodings"), Json::array());
  const bool bytes = std::find(offered.begin(), offered.end(), "utf-8") != offered.end();
  encoding_ = bytes ? PositionEncoding::Utf8 : PositionEncoding::Utf16;
  // The editor's language, else the environment's, taken at start.
  const Json locale = params.value("locale", Json());
  if (locale.is_string()) UseLanguage(LanguageOfLocale(locale.get<std::string>()));
  initialized_ = true;
  return {{"capabilities",
           {{"positionEncoding", bytes ? "utf-8" : "utf-16"},
            {"textDocumentSync", {{"openClose", true}, {"change", kIncrementalSync}}},
            {"hoverProvider", true},
            {"definitionProvider", true},
            {"referencesProvider", true},
            {"documentSymbolProvider", true},
            // A blank after a mnemonic starts its operand.
            {"inlayHintProvider", true},
            {"documentHighlightProvider", true},
            {"foldingRangeProvider", true},
            {"workspaceSymbolProvider", true},
            {"renameProvider", {{"prepareProvider", true}}},
            {"signatureHelpProvider", {{"triggerCharacters", {" "}}}},
            {"codeActionProvider", {{"codeActionKinds", {"quickfix", "refactor.rewrite"}}}},
            {"semanticTokensProvider", {{"legend", SemanticTokensLegend()}, {"full", true}}},
            {"completionProvider", {{"triggerCharacters", {" "}}}}}},
          {"serverInfo", {{"name", "zoltasm"}, {"version", ZOLT_VERSION}}}};
}

Json Session::Shutdown(const Json&) {
  shutDown_ = true;
  return nullptr;
}

Json Session::HoverAt(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json() : Hover(*document, PlaceOf(*document, params.at("position")));
}

Json Session::DefinitionAt(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json()
                             : Definition(*document, PlaceOf(*document, params.at("position")));
}

Json Session::ReferencesAt(const Json& params) {
  const Document* document = Find(params);
  if (document == nullptr) return Json::array();
  const bool withDefinition =
      params.value(Json::json_pointer("/context/includeDeclaration"), false);
  return References(*document, PlaceOf(*document, params.at("position")), withDefinition);
}

Json Session::SymbolsOf(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json::array() : DocumentSymbols(*document);
}

Json Session::CompletionAt(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json::array()
                             : Completion(*document, PlaceOf(*document, params.at("position")));
}

Json Session::InlayHintsIn(const Json& params) {
  const Document* document = Find(params);
  if (document == nullptr) return Json::array();
  return InlayHints(*document, LinesOf(*document, params.at("range")));
}

Json Session::HighlightsAt(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json::array()
                             : Highlights(*document, PlaceOf(*document, params.at("position")));
}

Json Session::FoldingRangesOf(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json::array() : FoldingRanges(*document);
}

Json Session::PrepareRenameAt(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json()
                             : PrepareRename(*document, PlaceOf(*document, params.at("position")));
}

Json Session::RenameAt(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json()
                             : Rename(*document, PlaceOf(*document, params.at("position")),
                                      params.at("newName").get<std::string>());
}

Json Session::SignatureHelpAt(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json()
                             : SignatureHelp(*document, PlaceOf(*document, params.at("position")));
}

Json Session::SemanticTokensOf(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json({{"data", Json::array()}}) : SemanticTokens(*document);
}

Json Session::CodeActionsIn(const Json& params) {
  const Document* document = Find(params);
  if (document == nullptr) return Json::array();
  const Json& range = params.at("range");
  return CodeActions(*document, LinesOf(*document, range), PlaceOf(*document, range.at("start")));
}

// Over the open documents.
Json Session::WorkspaceSymbolsOf(const Json& params) {
  const std::string query = params.at("query").get<std::string>();
  Json symbols = Json::array();
  for (const auto& [uri, document] : documents_) WorkspaceSymbols(document, query, symbols);
  return symbols;
}

void Session::Opened(const Json& params) {
  const Json& item = params.at("textDocument");
  Assemble(item.at("uri").get<std::string>(), item.at("text").get<std::string>(),
           item.value("version", Json()));
}

// A change replaces ranges of the text the server holds (incremental
// synchronisation), or the whole text.
void Session::Changed(const Json& params) {
  const Json& changes = params.at("contentChanges");
  if (changes.empty()) return;
  const Json& item = params.at("textDocument");
  const std::string uri = item.at("uri").get<std::string>();
  const auto found = documents_.find(uri);
  if (found == documents_.end()) {
    if (!changes.back().contains("range")) {
      return Assemble(uri, changes.back().at("text").get<std::string>(),
                      item.value("version", Json()));
    }
    throw InvalidParams("a change of a range of a document whose text is not known");
  }
  Assemble(uri, lsp::Changed(found->second.text, changes, encoding_),
           item.value("version", Json()));
}

void Session::Closed(const Json& params) {
  const std::string uri = params.at("textDocument").at("uri").get<std::string>();
  documents_.erase(uri);
  Send({{"jsonrpc", "2.0"},
        {"method", "textDocument/publishDiagnostics"},
        {"params", {{"uri", uri}, {"diagnostics", Json::array()}}}});
}

void Session::Assemble(const std::string& uri, std::string text, const Json& version) {
  documents_.insert_or_assign(uri, Document(uri, std::move(text), encoding_, compiler_));
  Json params = {{"uri", uri}, {"diagnostics", Diagnostics(documents_.at(uri))}};
  if (version.is_number_integer()) params["version"] = version;
  Send({{"jsonrpc", "2.0"}, {"method", "textDocument/publishDiagnostics"}, {"params", params}});
}

const Document* Session::Find(const Json& params) const {
  const auto found = documents_.find(params.at("textDocument").at("uri").get<std::string>());
  return found == documents_.end() ? nullptr : &found->second;
}

void Session::Send(const Json& message) {
  // Text from the buffer is UTF-8 as the client sent it; should a cause ever
  // cut a character, the reply still goes out.
  WriteFrame(out_, message.dump(-1, ' ', false, Json::error_handler_t::replace));
}

void Session::Reply(const Json& id, const Json& result) {
  Send({{"jsonrpc", "2.0"}, {"id", id}, {"result", result}});
}

void Session::ReplyError(const Json& id, int code, const std::string& message) {
  Send({{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}});
}

void Session::Log(const std::string& message) {
  Send({{"jsonrpc", "2.0"},
        {"method", "window/logMessage"},
        {"params", {{"type", kLogWarning}, {"message", message}}}});
}

int Serve(std::istream& in, std::ostream& out) {
  Session session(out);
  while (!session.Exited()) {
    Frame frame = ReadFrame(in);
    switch (frame.kind) {
      case Frame::Kind::Message:
        session.Receive(frame.body);
        break;
      case Frame::Kind::BadHeader:
        session.RejectHeader();
        break;
      case Frame::Kind::End:
        return session.ExitStatus();
    }
  }
  return session.ExitStatus();
}

}  // namespace zolt::lsp
