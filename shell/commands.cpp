// The Open and Exit commands, written once for every window system.
#include "commands.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "catalog.h"
#include "diagnostic.h"
#include "diagnostic_text.h"
#include "file_channels.h"
#include "listing_keeper.h"
#include "run.h"
#include "source_charset.h"

namespace zolt {
namespace {

std::unique_ptr<Channels> MakeFileChannels() {
  return std::make_unique<FileChannels>();
}

// How many diagnostics the details show; the rest are counted, so that a
// run with thousands of them still gives a text that fits on the screen.
constexpr std::size_t kDetailedDiagnostics = 20;

// What the run said, in source order, in the form of the command line.
std::string DiagnosticsText(const std::string& source, const std::vector<Diagnostic>& diagnostics) {
  std::string text;
  for (std::size_t i = 0; i < diagnostics.size() && i < kDetailedDiagnostics; ++i) {
    text += DiagnosticText(source, diagnostics[i]);
  }
  if (diagnostics.size() > kDetailedDiagnostics) {
    text += Render(
        Message("(%s more not shown)", std::to_string(diagnostics.size() - kDetailedDiagnostics)));
  }
  if (text.ends_with('\n')) text.pop_back();
  return text;
}

}  // namespace

Commands::Commands(Compiler& compiler, Platform& platform, ChannelsFactory makeChannels)
    : compiler_(compiler),
      platform_(platform),
      decoder_(LegacyDecoder(CurrentLanguage() == Language::Chinese)),
      makeChannels_(makeChannels ? std::move(makeChannels) : MakeFileChannels) {
  compiler_.Decoder = decoder_.get();
}

void Commands::Open() {
  // Preset on every Open, so the dialog never starts from the previous choice.
  const std::string fileName = platform_.ShowOpenDialog(std::string(kOpenPattern));
  // A cancelled dialog leaves the pattern or nothing in the field; nothing
  // has been opened, so there is nothing to close either.
  if (fileName == kOpenPattern || fileName.empty()) return;
  OpenFile(fileName);
}

void Commands::OpenFile(const std::string& path) {
  RunSource(path, false);
}

void Commands::RunAgain() {
  if (!details_.SourcePath().empty()) RunSource(details_.SourcePath(), platform_.DetailsOpen());
}

void Commands::RunSource(const std::string& path, bool inDetails) {
  ListingKeeper channels(makeChannels_());
  const RunOutcome outcome = Run(compiler_, channels, path);
  const std::string source = FileNameOf(path);
  details_.Take(channels.SourcePath().empty() ? path : channels.SourcePath(), compiler_.Diagnostics,
                outcome.completed ? nullptr : &outcome.failure, compiler_.ErrorCount,
                channels.Listing());
  platform_.ShowRunDetails(details_);
  if (!outcome.completed) {
    if (inDetails) return;
    // The lines in error before the failure come first, as the listing
    // marks them.
    std::string detail = DiagnosticsText(source, compiler_.Diagnostics);
    if (!detail.empty()) detail += '\n';
    detail += DiagnosticText(source, outcome.failure);
    detail.pop_back();
    platform_.ShowMessage(std::string(kCannotOpen), detail);
    return;
  }
  // Only a completed run changes the status; a failed one leaves the previous
  // run's caption and details in place.
  platform_.SetCaption(LabelId::Label4, outcome.caption);
  platform_.SetDetails(LabelId::Label4, DiagnosticsText(source, compiler_.Diagnostics));
  platform_.SetLink(details_.LinkText());
}

void Commands::Exit() {
  platform_.HideWindow();
  platform_.EndProgram();
}

}  // namespace zolt
