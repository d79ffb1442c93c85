// What the window shows of the last run beyond its status: the link under the
// status label and the details window's rows, excerpts and copied text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "diagnostic.h"
#include "message.h"

namespace zolt {

// The details window's words, the same on every window system.
inline constexpr const char* kDetailsTitle = N_("Lines in error");
inline constexpr const char* kDetailsColumns[] = {N_("Line"), N_("Column"), N_("Kind"),
                                                  N_("Cause")};
inline constexpr const char* kOpenListingCaption = N_("Open listing file");
inline constexpr const char* kRunAgainCaption = N_("Assemble again");

// The window names a source by its file name: the dialog showed the folder.
std::string FileNameOf(const std::string& path);

// One row of the details window's list: a diagnostic of the run, or one of
// its notes right under it. Texts are in the user's language.
struct DetailsRow {
  int line = 0;  // 0 when it belongs to no line
  std::uint32_t column = 0;
  std::string kind;
  std::string cause;
  bool note = false;
  // The row as the command line writes it, without its ending.
  std::string commandLineText;
};

// The last run as the window presents it, decided here once for every window
// system: the toolkits only draw it.
class RunDetails {
 public:
  // What a run left: the source's full path, the diagnostics in line order,
  // the fatal one of a failed run (nullptr for a completed run), the lines
  // in error and the listing's bytes as the run wrote them.
  void Take(const std::string& path, const std::vector<Diagnostic>& diagnostics,
            const Diagnostic* failure, int linesInError, std::string listing);

  // The link's text ("查看 5 处错误…", "查看 2 条警告…"); empty after a run
  // with nothing to show.
  const std::string& LinkText() const { return link_; }
  const std::vector<DetailsRow>& Rows() const { return rows_; }
  // Why the last run failed, in the command line's form; empty after a
  // completed run.
  const std::string& Failure() const { return failure_; }
  const std::string& SourcePath() const { return path_; }
  const std::string& ListingPath() const { return listingPath_; }

  // The listing around the row's line: the column headings, then the listed
  // lines from two before to two after it with their error lines, as the run
  // wrote them; empty for a row of no line.
  std::string Excerpt(std::size_t row) const;
  // The rows in the command line's form, a line each, in list order.
  std::string CopyText(const std::vector<std::size_t>& rows) const;

 private:
  std::string path_;
  std::string listingPath_;
  std::string link_;
  std::string failure_;
  std::vector<DetailsRow> rows_;
  std::string listing_;
};

}  // namespace zolt
