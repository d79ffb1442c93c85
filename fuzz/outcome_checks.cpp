// The rules every run must keep, checked on the fuzzer's runs.
#include "outcome_checks.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace zolt::fuzz {
namespace {

constexpr std::string_view kTitle = "addr    code            line    Source Text";
constexpr std::string_view kErrorLine = "---------------Error------------------";

void Require(bool holds, const char* rule, std::string_view line = {}) {
  if (holds) return;
  std::fprintf(stderr, "broken rule: %s\nat line: [%.*s]\n", rule, static_cast<int>(line.size()),
               line.data());
  std::abort();
}

// The source's lines as the reader must see them: an optional byte-order
// mark skipped, then lines ended by CR LF, a lone CR or a lone LF.
std::vector<std::string_view> SourceLines(std::string_view source) {
  if (source.starts_with("\xEF\xBB\xBF")) source.remove_prefix(3);
  std::vector<std::string_view> lines;
  while (!source.empty()) {
    const std::size_t end = source.find_first_of("\r\n");
    lines.push_back(source.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crlf = source[end] == '\r' && end + 1 < source.size() && source[end + 1] == '\n';
    source.remove_prefix(end + (crlf ? 2 : 1));
  }
  return lines;
}

// Splits output text into its lines; every line must end with CR LF.
std::vector<std::string_view> OutputLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    Require(end != std::string_view::npos, "every output line ends with CR LF", text);
    const std::string_view line = text.substr(0, end);
    Require(line.find_first_of("\r\n") == std::string_view::npos, "no bare CR or LF in a line",
            line);
    lines.push_back(line);
    text.remove_prefix(end + 2);
  }
  return lines;
}

// Reads a field made of 1 to maxDigits characters of `digits`, without a
// leading zero unless it is "0", and removes it from the front of text.
std::optional<std::string_view> TakeField(std::string_view& text, std::string_view digits,
                                          std::size_t maxDigits) {
  const std::size_t end = std::min(text.find_first_not_of(digits), text.size());
  if (end == 0 || end > maxDigits || (end > 1 && text[0] == '0')) return std::nullopt;
  const std::string_view field = text.substr(0, end);
  text.remove_prefix(end);
  return field;
}

bool Take(std::string_view& text, std::string_view expected) {
  if (!text.starts_with(expected)) return false;
  text.remove_prefix(expected.size());
  return true;
}

int Decimal(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

constexpr std::string_view kDecimalDigits = "0123456789";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// One listing line that shows a source line: its number, its text and the
// code words it carries (none, one or two).
struct ListedLine {
  int number = 0;
  std::string_view source;
  std::optional<int> address;
  std::vector<std::string_view> words;
};

ListedLine ParseListed(std::string_view line) {
  const std::string_view whole = line;
  ListedLine listed;
  if (!Take(line, "\t\t\t ")) {
    Require(Take(line, " "), "a listing line starts with a tab or an address", whole);
    const auto address = TakeField(line, kDecimalDigits, 5);
    Require(address && Decimal(*address) <= 32767, "an address is 0 to 32767", whole);
    listed.address = Decimal(*address);
    Require(Take(line, " \t"), "a space and a tab follow the address", whole);
    for (int word = 0; word < 2 && !line.starts_with("\t"); ++word) {
      const auto code = TakeField(line, kHexDigits, 4);
      Require(code.has_value(), "a code word is 1 to 4 upper-case hex digits", whole);
      listed.words.push_back(*code);
      Require(Take(line, "\t"), "a tab follows a code word", whole);
    }
    Require(!listed.words.empty(), "an address carries a code word", whole);
    if (listed.words.size() == 1) Require(Take(line, "\t"), "one code word, two tabs", whole);
    Require(Take(line, " "), "a space starts the line number", whole);
  }
  const auto number = TakeField(line, kDecimalDigits, 5);
  Require(number.has_value(), "a listed line has a line number", whole);
  listed.number = Decimal(*number);
  Require(Take(line, "\t"), "a tab follows the line number", whole);
  listed.source = line;
  return listed;
}

std::string ObjectLine(const std::vector<std::string_view>& words) {
  std::string line;
  for (std::string_view word : words) {
    if (!line.empty()) line += '\t';
    line += "&h";
    line += word;
  }
  return line;
}

}  // namespace

void CheckOutcome(std::string_view listingPath, std::string_view source, const MemoryRun& run) {
  const RunOutcome& outcome = run.outcome;
  Require(outcome.completed != (outcome.failure.message.text[0] != '\0'),
          "a run either completes or fails with a cause");
  const std::vector<std::string_view> listing = OutputLines(run.Output(Channel::Listing));
  const std::vector<std::string_view> object = OutputLines(run.Output(Channel::Object));
  if (listing.empty()) {
    Require(!outcome.completed, "a completed run writes the listing header");
    Require(object.empty(), "no object file without a listing");
    return;
  }
  Require(listing.size() >= 3, "the listing has its three header lines");
  Require(listing[0] == "Filemane:" + std::string(listingPath), "header line 1 names the listing",
          listing[0]);
  Require(listing[1].empty(), "header line 2 is empty", listing[1]);
  Require(listing[2] == kTitle, "header line 3 is the column titles", listing[2]);

  // Each source line is listed at most once and an error line follows at most
  // one listed line, so the listing stays linear in the source.
  const std::vector<std::string_view> lines = SourceLines(source);
  int errorLines = 0;
  int lastNumber = 0;
  bool errorAllowed = false;
  int nextAddress = 0;
  std::size_t objectLine = 0;
  for (std::size_t i = 3; i < listing.size(); ++i) {
    if (listing[i] == kErrorLine) {
      Require(errorAllowed, "an error line follows a listed line, once", listing[i]);
      errorAllowed = false;
      ++errorLines;
      continue;
    }
    const ListedLine listed = ParseListed(listing[i]);
    Require(listed.number > lastNumber, "listed line numbers grow", listing[i]);
    Require(listed.number <= static_cast<int>(lines.size()), "a listed line exists", listing[i]);
    Require(listed.source == lines[static_cast<std::size_t>(listed.number - 1)],
            "a listed line shows the source text as read", listing[i]);
    lastNumber = listed.number;
    errorAllowed = true;
    if (!listed.address) continue;
    Require(*listed.address == nextAddress, "code words stand at consecutive addresses",
            listing[i]);
    nextAddress += static_cast<int>(listed.words.size());
    Require(objectLine < object.size(), "every listed code word is in the object file", listing[i]);
    Require(object[objectLine] == ObjectLine(listed.words),
            "the object file holds the listed code words", object[objectLine]);
    ++objectLine;
  }
  Require(objectLine == object.size(), "every object line is listed");

  if (!outcome.completed) return;
  const std::string expected =
      errorLines == 0 ? "编译完成" : "发现 " + std::to_string(errorLines) + "处错误";
  Require(outcome.caption == expected, "the caption counts the error lines", outcome.caption);
}

namespace {

// A quoted text is at most 60 characters of at most 6 bytes shown each, in a
// sentence of a few hundred bytes.
constexpr std::size_t kLongestMessage = 1024;

void CheckMessage(const Diagnostic& diagnostic, int lines) {
  const std::string text = English(diagnostic.message);
  Require(!text.empty() && text.size() <= kLongestMessage, "a message is short", text);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    Require(byte >= 0x20 && byte != 0x7F, "a message holds no control character", text);
  }
  Require(diagnostic.where.line >= 0 && diagnostic.where.line <= lines,
          "a message points at a line of the source", text);
  Require(diagnostic.where.line == 0 || diagnostic.where.column >= 1,
          "a message on a line has a column", text);
}

}  // namespace

void CheckMessages(const std::vector<Diagnostic>& said, const RunOutcome& outcome, int lines) {
  std::vector<Diagnostic> all = said;
  if (!outcome.completed) all.push_back(outcome.failure);
  for (const Diagnostic& diagnostic : all) {
    Require(diagnostic.severity != Severity::Note, "a note stands under what it explains");
    CheckMessage(diagnostic, lines);
    for (const Diagnostic& note : diagnostic.notes) {
      Require(note.severity == Severity::Note, "only notes stand under a message");
      CheckMessage(note, lines);
    }
  }
}

}  // namespace zolt::fuzz
