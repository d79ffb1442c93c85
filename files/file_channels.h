// The channels of a run on disk: the source read whole, the outputs written
// in large pieces.
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "channels.h"
#include "message.h"

namespace zolt {

// Paths are UTF-8 text throughout the product.
std::filesystem::path PathFromUtf8(const std::string& path);
std::string Utf8FromPath(const std::filesystem::path& path);

// The channels of a run on disk. Output is buffered and written in large
// pieces; whatever was written before a failure reaches the file.
class FileChannels : public Channels {
 public:
  FileChannels();
  FileChannels(const FileChannels&) = delete;
  FileChannels& operator=(const FileChannels&) = delete;
  ~FileChannels() override;

  std::string ReadAll(const std::string& path) override;

#ifdef _WIN32
  std::string PathText(const std::string& utf8Path) const override;
#endif
  std::string FullPath(const std::string& path) const override;
  void CheckOutputs(const OutputPaths& paths) const override;
  void OpenForWriting(Channel channel, const std::string& path) override;
  void CloseAll() override;
  void CloseAllAfterFailure() noexcept override;

 protected:
  void WritePieces() override;

 private:
  struct OutputFile {
    std::FILE* file = nullptr;
    std::string path;
  };

  OutputFile& FileOf(Channel channel);
  // Writes the channel's output out; returns the cause of a failure, if any.
  std::optional<Message> Flush(Channel channel);
  std::optional<Message> Close(Channel channel);

  std::string sourcePath_;
  std::array<OutputFile, kRunOutputs.size()> files_;
};

}  // namespace zolt
