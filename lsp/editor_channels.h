// The channels of a run of an editor's buffer: the source from memory, the
// listing and object file made and let go piece by piece.
#pragma once

#include <string>

#include "channels.h"

namespace zolt::lsp {

// A run in memory as RunInMemory makes it, with the same outcome, but the
// editor asks nothing of the outputs' bytes: they are let go each time one
// reaches a piece's size, so a large program's run touches no more memory
// for them than one piece.
class EditorChannels final : public Channels {
 public:
  EditorChannels(std::string sourcePath, std::string sourceBytes);

  std::string ReadAll(const std::string& path) override { return memory_.ReadAll(path); }
  void CheckOutputs(const OutputPaths& paths) const override { memory_.CheckOutputs(paths); }
  void OpenForWriting(Channel channel, const std::string&) override { Output(channel).Clear(); }
  void CloseAll() override {}
  void CloseAllAfterFailure() noexcept override {}

 private:
  void WritePieces() override;

  MemoryChannels memory_;
};

}  // namespace zolt::lsp
