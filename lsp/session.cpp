// The conversation with an editor: each message taken apart and answered.
#include "session.h"

#include <algorithm>
#include <istream>
#include <new>
#include <ostream>
#include <string>

#include "catalog.h"
#include "framing.h"
#include "protocol_json.h"
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
// The exit status when the stream cannot be followed any more.
constexpr int kStreamLost = 1;

// What answers a request about a document the server cannot answer for.
const Json kNull;
const Json kNoList = Json::array();
constexpr int kLogWarning = 2;

bool IsId(const Json& id) {
  return id.is_number_integer() || id.is_string();
}

// A member of an object, or null when there is none (or no object).
const Json& Member(const Json& object, const char* name) {
  static const Json kAbsent;
  if (!object.is_object()) return kAbsent;
  const auto found = object.find(name);
  return found == object.end() ? kAbsent : *found;
}

// The refusals' texts, in the language of the moment.
std::string TooDeep() {
  return Render(Message("the message nests arrays and objects deeper than %s levels",
                        std::to_string(kDeepest)));
}

const char* NoMemory() {
  return Tr("there is not enough memory for this message");
}

}  // namespace

void Session::Receive(std::string body) {
  try {
    const MessageJson message(std::move(body));
    Take(message);
  } catch (const std::bad_alloc&) {
    // What the message took is given back by now.
    ReplyError(nullptr, kInternalError, NoMemory());
  }
}

void Session::Take(const MessageJson& read) {
  if (read.Kind() == MessageJson::Form::NotJson) {
    return ReplyError(nullptr, kParseError, Tr("the message is not JSON"));
  }
  const Json& message = read.Value();
  if (!message.is_object()) {
    return ReplyError(nullptr, kInvalidRequest, Tr("a message is a JSON object"));
  }
  const bool tooDeep = read.Kind() == MessageJson::Form::TooDeep;
  const Json& id = Member(message, "id");
  const bool request = message.contains("id");
  if (request && !IsId(id)) {
    return ReplyError(nullptr, kInvalidRequest,
                      tooDeep ? TooDeep() : Tr("a request's id is a number or a string"));
  }
  const Json& method = Member(message, "method");
  if (!message.contains("method")) {
    // A response: the server sends no requests, so there is nothing to match.
    if (request && (message.contains("result") || message.contains("error"))) return;
    return ReplyError(id, kInvalidRequest, Tr("a request or notification names its method"));
  }
  if (Member(message, "jsonrpc") != "2.0" || !method.is_string()) {
    return ReplyError(id, kInvalidRequest, Tr("not a JSON-RPC 2.0 message"));
  }
  const Json& params = Member(message, "params");
  if (request) {
    Request(id, method.get<std::string>(), params, tooDeep);
  } else {
    Notification(method.get<std::string>(), params, tooDeep);
  }
}

void Session::Reject(Frame::Kind kind) {
  switch (kind) {
    case Frame::Kind::TooLarge:
      return ReplyError(
          nullptr, kInvalidRequest,
          Render(Message("the message is larger than %s MiB", std::to_string(kLargestBody >> 20))));
    case Frame::Kind::NoMemory:
      return ReplyError(nullptr, kInternalError, NoMemory());
    default:
      return ReplyError(nullptr, kParseError, Tr("the message's header has no Content-Length"));
  }
}

void Session::ReportNoMemory() {
  // A log message of type 1, an error, written without taking memory: the
  // frame in pieces around the catalog's text, in which a character JSON
  // would escape becomes a blank, so that its length is known beforehand.
  constexpr std::string_view kHead =
      R"({"jsonrpc":"2.0","method":"window/logMessage","params":{"type":1,"message":")";
  constexpr std::string_view kTail = R"("}})";
  const std::string_view text = Tr("an answer was lost: there is not enough memory");
  out_ << "Content-Length: " << kHead.size() + text.size() + kTail.size() << "\r\n\r\n" << kHead;
  for (const char c : text) {
    out_.put(c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20 ? ' ' : c);
  }
  out_ << kTail;
  out_.flush();
}

void Session::Request(const Json& id, const std::string& method, const Json& params, bool tooDeep) {
  using Handler = Json (Session::*)(const Json&);
  static const std::unordered_map<std::string_view, Handler> kHandlers = {
      {"initialize", &Session::Initialize},
      {"shutdown", &Session::Shutdown},
      {"textDocument/hover", &Session::AtPosition<Hover, kNull>},
      {"textDocument/definition", &Session::AtPosition<Definition, kNull>},
      {"textDocument/references", &Session::ReferencesAt},
      {"textDocument/documentSymbol", &Session::OfDocument<DocumentSymbols, kNoList>},
      {"textDocument/completion", &Session::AtPosition<Completion, kNoList>},
      {"textDocument/inlayHint", &Session::InlayHintsIn},
      {"textDocument/documentHighlight", &Session::AtPosition<Highlights, kNoList>},
      {"textDocument/foldingRange", &Session::OfDocument<FoldingRanges, kNoList>},
      {"workspace/symbol", &Session::WorkspaceSymbolsOf},
      {"textDocument/prepareRename", &Session::AtPosition<PrepareRename, kNull>},
      {"textDocument/rename", &Session::RenameAt},
      {"textDocument/signatureHelp", &Session::AtPosition<SignatureHelp, kNull>},
      {"textDocument/semanticTokens/full", &Session::SemanticTokensOf},
      {"textDocument/codeAction", &Session::CodeActionsIn},
  };
  if (tooDeep) return ReplyError(id, kInvalidRequest, TooDeep());
  if (shutDown_) return ReplyError(id, kInvalidRequest, Tr("the server is shut down"));
  if (initialized_ == (method == "initialize")) {
    return initialized_ ? ReplyError(id, kInvalidRequest, Tr("initialize comes once"))
                        : ReplyError(id, kServerNotInitialized, Tr("initialize comes first"));
  }
  const auto handler = kHandlers.find(method);
  if (handler == kHandlers.end())
    return ReplyError(id, kMethodNotFound, Render(Message("no method %s", method)));
  try {
    Reply(id, (this->*handler->second)(params));
  } catch (const Json::exception& error) {
    ReplyError(id, kInvalidParamsCode, error.what());
  } catch (const InvalidParams& error) {
    ReplyError(id, kInvalidParamsCode, error.what());
  } catch (const Refusal& error) {
    ReplyError(id, kRequestFailed, error.what());
  } catch (const std::bad_alloc&) {
    ReplyError(id, kInternalError, NoMemory());
  } catch (const std::exception& error) {
    ReplyError(id, kInternalError, error.what());
  }
}

void Session::Notification(const std::string& method, const Json& params, bool tooDeep) {
  using Handler = void (Session::*)(const Json&);
  static const std::unordered_map<std::string_view, Handler> kHandlers = {
      {"textDocument/didOpen", &Session::Opened},
      {"textDocument/didChange", &Session::Changed},
      {"textDocument/didClose", &Session::Closed},
  };
  if (method == "exit" && !tooDeep) {
    exited_ = true;
    return;
  }
  // Before initialize and after shutdown notifications are dropped, and so
  // are those the server has no use for ($/cancelRequest, initialized, ...).
  const auto handler = kHandlers.find(method);
  if (!initialized_ || shutDown_ || handler == kHandlers.end()) return;
  if (tooDeep) return Ignore(method, params, TooDeep());
  try {
    (this->*handler->second)(params);
  } catch (const std::exception& error) {
    Ignore(method, params, error.what());
  }
}

// A new text that is not taken leaves its document unknown: nothing is shown
// from a text the editor no longer holds, until the next whole text.
void Session::Ignore(const std::string& method, const Json& params, const std::string& why) {
  const Json& item = Member(params, "textDocument");
  const Json& uri = Member(item, "uri");
  if (method != "textDocument/didClose" && uri.is_string()) {
    Forget(uri.get<std::string>(), Member(item, "version"));
  }
  Log(Render(Message("%s was ignored: %s", method, why)));
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

template <auto Feature, const Json& kNone>
Json Session::AtPosition(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr
             ? kNone
             : ToJson(*document, Feature(*document, PlaceOf(*document, params.at("position"))));
}

template <auto Feature, const Json& kNone>
Json Session::OfDocument(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? kNone : ToJson(*document, Feature(*document));
}

Json Session::ReferencesAt(const Json& params) {
  const Document* document = Find(params);
  if (document == nullptr) return Json::array();
  const bool withDefinition =
      params.value(Json::json_pointer("/context/includeDeclaration"), false);
  return ToJson(*document,
                References(*document, PlaceOf(*document, params.at("position")), withDefinition));
}

Json Session::InlayHintsIn(const Json& params) {
  const Document* document = Find(params);
  if (document == nullptr) return Json::array();
  return ToJson(*document, InlayHints(*document, LinesOf(*document, params.at("range"))));
}

Json Session::RenameAt(const Json& params) {
  const Document* document = Find(params);
  if (document == nullptr) return nullptr;
  return ToJson(*document, Rename(*document, PlaceOf(*document, params.at("position")),
                                  params.at("newName").get<std::string>()));
}

Json Session::SemanticTokensOf(const Json& params) {
  const Document* document = Find(params);
  return document == nullptr ? Json({{"data", Json::array()}})
                             : ToJson(*document, SemanticTokens(*document));
}

Json Session::CodeActionsIn(const Json& params) {
  const Document* document = Find(params);
  if (document == nullptr) return Json::array();
  const Json& range = params.at("range");
  return ToJson(*document, CodeActions(*document, LinesOf(*document, range),
                                       PlaceOf(*document, range.at("start"))));
}

// Over the open documents.
Json Session::WorkspaceSymbolsOf(const Json& params) {
  const std::string query = params.at("query").get<std::string>();
  Settle();
  Json symbols = Json::array();
  for (const auto& [uri, document] : documents_) {
    for (const FoundSymbol& symbol : WorkspaceSymbols(document, query)) {
      symbols.push_back(ToJson(document, symbol));
    }
  }
  return symbols;
}

void Session::Opened(const Json& params) {
  const Json& item = params.at("textDocument");
  Hold(item, item.at("text").get<std::string>());
}

// A change replaces ranges of the text the server holds (incremental
// synchronisation), or the whole text.
void Session::Changed(const Json& params) {
  const Json& changes = params.at("contentChanges");
  if (changes.empty()) return;
  const Json& item = params.at("textDocument");
  const std::string& uri = item.at("uri").get_ref<const std::string&>();
  if (const auto waiting = waiting_.find(uri); waiting != waiting_.end()) {
    return Hold(item, lsp::Changed(TextLines(waiting->second.text), changes, encoding_));
  }
  if (const auto found = documents_.find(uri); found != documents_.end()) {
    return Hold(item, lsp::Changed(found->second.text, changes, encoding_));
  }
  // A document whose text is not held takes only a whole text.
  if (changes.back().contains("range")) {
    throw InvalidParams(Tr("a change of a range of a document whose text is not known"));
  }
  Hold(item, changes.back().at("text").get<std::string>());
}

void Session::Closed(const Json& params) {
  const std::string uri = params.at("textDocument").at("uri").get<std::string>();
  waiting_.erase(uri);
  documents_.erase(uri);
  Publish(uri, Json::array(), nullptr);
}

void Session::Hold(const Json& item, std::string text) {
  waiting_.insert_or_assign(item.at("uri").get<std::string>(),
                            Waiting{std::move(text), Member(item, "version")});
}

void Session::Settle() {
  while (!waiting_.empty()) Settle(std::string(waiting_.begin()->first));
}

void Session::Settle(const std::string& uri) {
  const auto found = waiting_.find(uri);
  if (found == waiting_.end()) return;
  Waiting waiting = std::move(found->second);
  waiting_.erase(found);
  // The last text's run goes first, so two are never held at once.
  documents_.erase(uri);
  try {
    const Document& document =
        documents_.try_emplace(uri, uri, std::move(waiting.text), encoding_, compiler_)
            .first->second;
    Publish(uri, ToJson(document, Diagnostics(document)), waiting.version);
  } catch (const std::bad_alloc&) {
    Forget(uri, waiting.version);
    Log(NoMemory());
  }
}

void Session::Forget(const std::string& uri, const Json& version) {
  waiting_.erase(uri);
  documents_.erase(uri);
  Publish(uri, Json::array(), version);
}

void Session::Publish(const std::string& uri, Json diagnostics, const Json& version) {
  Json params = {{"uri", uri}, {"diagnostics", std::move(diagnostics)}};
  if (version.is_number_integer()) params["version"] = version;
  Send({{"jsonrpc", "2.0"}, {"method", "textDocument/publishDiagnostics"}, {"params", params}});
}

const Document* Session::Find(const Json& params) {
  const std::string& uri = params.at("textDocument").at("uri").get_ref<const std::string&>();
  Settle(uri);
  const auto found = documents_.find(uri);
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
    try {
      Frame frame = ReadFrame(in);
      switch (frame.kind) {
        case Frame::Kind::Message:
          session.Receive(std::move(frame.body));
          break;
        case Frame::Kind::End:
          return session.ExitStatus();
        case Frame::Kind::TooLarge:
          // Its body is not read, so the next message cannot be found.
          session.Reject(frame.kind);
          return kStreamLost;
        default:
          session.Reject(frame.kind);
      }
      // Every message already waiting is taken before a text is analysed,
      // so a burst of changes is analysed once, as it stands at its end.
      if (in.rdbuf()->in_avail() <= 0) session.Settle();
    } catch (const std::bad_alloc&) {
      session.ReportNoMemory();
    }
  }
  return session.ExitStatus();
}

}  // namespace zolt::lsp
