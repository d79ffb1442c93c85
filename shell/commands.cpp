#include "commands.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "diagnostic.h"
#include "file_channels.h"
#include "run.h"

namespace zolt {
namespace {

std::unique_ptr<Channels> MakeFileChannels() {
  return std::make_unique<FileChannels>();
}

std::string LinePrefix(int line) {
  return "line " + std::to_string(line) + ": ";
}

// The detail under the fixed message: what went wrong, and where.
std::string FailureDetail(const RunOutcome& outcome) {
  return (outcome.line ? LinePrefix(*outcome.line) : std::string()) + outcome.cause;
}

// How many lines in error the details name; the rest are counted, so that a
// run with thousands of them still gives a text that fits on the screen.
constexpr std::size_t kDetailedLines = 20;

// One line per source line in error, in source order.
std::string DiagnosticsText(const std::vector<Diagnostic>& diagnostics) {
  std::string text;
  for (std::size_t i = 0; i < diagnostics.size() && i < kDetailedLines; ++i) {
    if (!text.empty()) text += '\n';
    text += LinePrefix(diagnostics[i].line) + diagnostics[i].cause;
  }
  if (diagnostics.size() > kDetailedLines) {
    text += "\nand " + std::to_string(diagnostics.size() - kDetailedLines) + " more lines in error";
  }
  return text;
}

}  // namespace

Commands::Commands(Compiler& compiler, Platform& platform, ChannelsFactory makeChannels)
    : compiler_(compiler),
      platform_(platform),
      makeChannels_(makeChannels ? std::move(makeChannels) : MakeFileChannels) {}

void Commands::Open() {
  // Preset on every Open, so the dialog never starts from the previous choice.
  const std::string fileName = platform_.ShowOpenDialog(std::string(kOpenPattern));
  // A cancelled dialog leaves the pattern or nothing in the field; nothing
  // has been opened, so there is nothing to close either.
  if (fileName == kOpenPattern || fileName.empty()) return;
  OpenFile(fileName);
}

void Commands::OpenFile(const std::string& path) {
  const std::unique_ptr<Channels> channels = makeChannels_();
  const RunOutcome outcome = Run(compiler_, *channels, path);
  if (!outcome.completed) {
    platform_.ShowMessage(std::string(kCannotOpen), FailureDetail(outcome));
    return;
  }
  // Only a completed run changes the status; a failed one leaves the previous
  // run's caption and details in place.
  platform_.SetCaption(LabelId::Label4, outcome.caption);
  platform_.SetDetails(LabelId::Label4, DiagnosticsText(compiler_.Diagnostics));
}

void Commands::Exit() {
  platform_.HideWindow();
  platform_.EndProgram();
}

}  // namespace zolt
