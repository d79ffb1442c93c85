// The rules for the language server's output, checked frame by frame.
#include "reply_checks.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

namespace zolt::fuzz {
namespace {

using Json = nlohmann::json;

constexpr std::string_view kHeader = "Content-Length: ";
constexpr std::string_view kHeaderEnd = "\r\n\r\n";

void Require(bool holds, const char* rule, std::string_view frame) {
  if (holds) return;
  std::fprintf(stderr, "broken rule: %s\nin frame: [%.*s]\n", rule,
               static_cast<int>(std::min<std::size_t>(frame.size(), 2000)), frame.data());
  std::abort();
}

void CheckMessage(std::string_view body) {
  Require(Json::accept(body), "a frame's body is JSON", body);
  const Json message = Json::parse(body);
  Require(message.is_object() && message.value("jsonrpc", "") == "2.0",
          "a message is a JSON-RPC 2.0 object", body);
  if (message.contains("method")) {
    const Json& method = message["method"];
    Require(!message.contains("id") &&
                (method == "textDocument/publishDiagnostics" || method == "window/logMessage"),
            "a notification publishes diagnostics or logs, and has no id", body);
    return;
  }
  const Json& id = message.value("id", Json::object());
  Require(id.is_null() || id.is_string() || id.is_number_integer(),
          "a response answers an id, or null", body);
  Require(message.contains("result") != message.contains("error"),
          "a response holds a result or an error", body);
  if (message.contains("error")) {
    const Json& error = message["error"];
    Require(error.is_object() && error.value("code", Json()).is_number_integer() &&
                error.value("message", Json()).is_string(),
            "an error has a whole-number code and a message", body);
  }
}

}  // namespace

void CheckReplies(std::string_view out) {
  while (!out.empty()) {
    Require(out.starts_with(kHeader), "a frame starts with Content-Length", out);
    const std::string_view rest = out.substr(kHeader.size());
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), length);
    Require(error == std::errc() && end != rest.data(), "the length is a number", out);
    const std::string_view after(end, static_cast<std::size_t>(rest.data() + rest.size() - end));
    Require(after.starts_with(kHeaderEnd), "the header ends with an empty line", out);
    Require(after.size() - kHeaderEnd.size() >= length, "the body is as long as its length", out);
    CheckMessage(after.substr(kHeaderEnd.size(), length));
    out = after.substr(kHeaderEnd.size() + length);
  }
}

}  // namespace zolt::fuzz
