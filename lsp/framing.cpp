// Messages in and out on the protocol's byte streams: a header with the
// Content-Length, then the body, read in pieces or passed over.
#include "framing.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <istream>
#include <new>
#include <optional>
#include <ostream>
#include <streambuf>

namespace zolt::lsp {
namespace {

constexpr std::string_view kLengthField = "content-length";
// A body is read in pieces, so a length the stream does not hold never
// reserves memory for it.
constexpr std::size_t kPiece = 1 << 16;
// Only this much of a header line is kept: no field needs more, and a line
// without end then takes no more memory than one with.
constexpr std::size_t kLongestLine = 1024;

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

// A header line without its LF, of which only the first kLongestLine bytes
// are kept; false when the stream ends first.
struct Line {
  std::string text;
  bool cut = false;
};

bool ReadLine(std::istream& in, Line& line) {
  line.text.clear();
  line.cut = false;
  // Byte by byte from the buffer itself: a line may run for gigabytes.
  std::streambuf& bytes = *in.rdbuf();
  for (int c = bytes.sbumpc(); c != std::char_traits<char>::eof(); c = bytes.sbumpc()) {
    if (c == '\n') return true;
    if (line.text.size() < kLongestLine) {
      line.text.push_back(static_cast<char>(c));
    } else {
      line.cut = true;
    }
  }
  in.setstate(std::ios::eofbit);
  return false;
}

bool IsBlank(const Line& line) {
  return !line.cut && Trim(line.text).empty();
}

// Reads and drops `count` bytes, or what is left of the stream.
void Skip(std::istream& in, std::uintmax_t count) {
  char piece[1 << 16];
  while (count > 0 && in) {
    in.read(piece, static_cast<std::streamsize>(std::min<std::uintmax_t>(count, sizeof piece)));
    count -= static_cast<std::uintmax_t>(in.gcount());
  }
}

}  // namespace

Frame ReadFrame(std::istream& in) {
  Line line;
  // Blank lines between messages are skipped.
  do {
    if (!ReadLine(in, line)) return {Frame::Kind::End, {}};
  } while (IsBlank(line));
  std::optional<std::size_t> length;
  while (!IsBlank(line)) {
    const std::string_view text = line.text;
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos && IsLengthField(text.substr(0, colon))) {
      length = line.cut ? std::nullopt : ParseLength(text.substr(colon + 1));
    }
    if (!ReadLine(in, line)) return {Frame::Kind::End, {}};
  }
  if (!length) return {Frame::Kind::BadHeader, {}};
  // Refused as soon as its header is read: waiting for gigabytes that may
  // never come would leave the client without an answer.
  if (*length > kLargestBody) return {Frame::Kind::TooLarge, {}};
  std::string body;
  try {
    while (body.size() < *length) {
      const std::size_t piece = std::min(kPiece, *length - body.size());
      const std::size_t start = body.size();
      body.resize(start + piece);
      in.read(body.data() + start, static_cast<std::streamsize>(piece));
      if (in.gcount() != static_cast<std::streamsize>(piece)) return {Frame::Kind::End, {}};
    }
  } catch (const std::bad_alloc&) {
    // A failed resize leaves the bytes read so far.
    const std::size_t read = body.size();
    std::string().swap(body);
    Skip(in, *length - read);
    return {Frame::Kind::NoMemory, {}};
  }
  return {Frame::Kind::Message, std::move(body)};
}

void WriteFrame(std::ostream& out, std::string_view body) {
  out << "Content-Length: " << body.size() << "\r\n\r\n" << body;
  out.flush();
}

}  // namespace zolt::lsp
