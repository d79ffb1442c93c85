// The channels of a run of an editor's buffer.
#include "editor_channels.h"

#include <utility>

namespace zolt::lsp {
namespace {

constexpr std::size_t kPieceSize = std::size_t{64} << 10;

}  // namespace

EditorChannels::EditorChannels(std::string sourcePath, std::string sourceBytes)
    : Channels(kPieceSize), memory_(std::move(sourcePath), std::move(sourceBytes)) {}

void EditorChannels::WritePieces() {
  for (const RunOutput& output : kRunOutputs) Output(output.channel).Clear();
}

}  // namespace zolt::lsp
