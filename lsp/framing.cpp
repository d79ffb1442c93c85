#include "framing.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>

namespace zolt::lsp {
namespace {

constexpr std::string_view kLengthField = "content-length";
// A body is read in pieces, so a length the stream does not hold never
// reserves memory for it.
constexpr std::size_t kPiece = 1 << 16;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

bool IsLengthField(std::string_view name) {
  return std::ranges::equal(Trim(name), kLengthField, [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
  });
}

std::optional<std::size_t> ParseLength(std::string_view text) {
  text = Trim(text);
  std::size_t length = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), length);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return length;
}

}  // namespace

Frame ReadFrame(std::istream& in) {
  std::string line;
  // Blank lines between messages are skipped.
  do {
    if (!std::getline(in, line)) return {Frame::Kind::End, {}};
  } while (Trim(line).empty());
  std::optional<std::size_t> length;
  while (!Trim(line).empty()) {
    const std::size_t colon = line.find(':');
    if (colon != std::string::npos && IsLengthField(std::string_view(line).substr(0, colon))) {
      length = ParseLength(std::string_view(line).substr(colon + 1));
    }
    if (!std::getline(in, line)) return {Frame::Kind::End, {}};
  }
  if (!length) return {Frame::Kind::BadHeader, {}};
  std::string body;
  while (body.size() < *length) {
    const std::size_t piece = std::min(kPiece, *length - body.size());
    const std::size_t start = body.size();
    body.resize(start + piece);
    in.read(body.data() + start, static_cast<std::streamsize>(piece));
    if (in.gcount() != static_cast<std::streamsize>(piece)) return {Frame::Kind::End, {}};
  }
  return {Frame::Kind::Message, std::move(body)};
}

void WriteFrame(std::ostream& out, std::string_view body) {
  out << "Content-Length: " << body.size() << "\r\n\r\n" << body;
  out.flush();
}

}  // namespace zolt::lsp
