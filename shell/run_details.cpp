// The link, rows, excerpts and copied text of the window's details.
#include "run_details.h"

#include <cstdlib>

#include "catalog.h"
#include "diagnostic_text.h"
#include "listing_format.h"
#include "text.h"

namespace zolt {
namespace {

// Listed lines shown on each side of a row's line.
constexpr int kExcerptContext = 2;
// The listing's third line names its columns.
constexpr std::size_t kHeadingLine = 2;

DetailsRow RowOf(const std::string& source, const Diagnostic& diagnostic, bool note) {
  Diagnostic alone = diagnostic;
  alone.notes.clear();
  std::string text = DiagnosticText(source, alone);
  text.pop_back();
  return {diagnostic.where.line,
          diagnostic.where.column,
          KindWord(diagnostic.severity),
          Render(diagnostic.message),
          note,
          std::move(text)};
}

void AddRows(std::vector<DetailsRow>& rows, const std::string& source, const Diagnostic& entry) {
  rows.push_back(RowOf(source, entry, false));
  for (const Diagnostic& note : entry.notes) rows.push_back(RowOf(source, note, true));
}

std::string LinkFor(int linesInError, std::size_t warnings) {
  if (linesInError == 1) return Tr("View 1 line in error…");
  if (linesInError > 1)
    return Render(Message("View %s lines in error…", std::to_string(linesInError)));
  if (warnings == 1) return Tr("View 1 warning…");
  if (warnings > 1) return Render(Message("View %s warnings…", std::to_string(warnings)));
  return "";
}

// The listing's lines, without their endings.
std::vector<std::string_view> ListingLines(std::string_view listing) {
  std::vector<std::string_view> lines;
  while (!listing.empty()) {
    const std::size_t end = std::min(listing.find(kLineEnd), listing.size());
    lines.push_back(listing.substr(0, end));
    listing.remove_prefix(std::min(end + kLineEnd.size(), listing.size()));
  }
  return lines;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
  std::size_t name = path.size();
  while (name > 0 && !IsPathSeparator(path[name - 1])) --name;
  return path.substr(name);
}

void RunDetails::Take(const std::string& path, const std::vector<Diagnostic>& diagnostics,
                      const Diagnostic* failure, int linesInError, std::string listing) {
  path_ = path;
  listingPath_ = DropLastThreeCharacters(path) + "lst";
  listing_ = std::move(listing);
  const std::string source = FileNameOf(path);
  rows_.clear();
  std::size_t warnings = 0;
  for (const Diagnostic& diagnostic : diagnostics) {
    AddRows(rows_, source, diagnostic);
    if (diagnostic.severity == Severity::Warning) ++warnings;
  }
  failure_.clear();
  if (failure != nullptr) {
    AddRows(rows_, source, *failure);
    failure_ = DiagnosticText(source, *failure);
    failure_.pop_back();
    return;
  }
  // Only a completed run changes the link, as it does the status.
  link_ = LinkFor(linesInError, warnings);
}

std::string RunDetails::Excerpt(std::size_t row) const {
  if (row >= rows_.size() || rows_[row].line == 0) return "";
  const int line = rows_[row].line;
  const std::vector<std::string_view> lines = ListingLines(listing_);
  const std::vector<std::int32_t> numbers = ListedLineNumbers(listing_);
  std::string excerpt;
  for (std::size_t i = 0; i < lines.size() && i < numbers.size(); ++i) {
    const int listed = std::abs(numbers[i]);
    const bool near = listed != 0 && std::abs(listed - line) <= kExcerptContext;
    if (i == kHeadingLine || near) {
      excerpt += lines[i];
      excerpt += '\n';
    }
  }
  return excerpt;
}

std::string RunDetails::CopyText(const std::vector<std::size_t>& rows) const {
  std::string text;
  for (const std::size_t row : rows) {
    if (row < rows_.size()) text += rows_[row].commandLineText + '\n';
  }
  return text;
}

}  // namespace zolt
