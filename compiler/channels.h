// The file channels of a run: the one interface the compiler reads and writes through.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "output_text.h"

namespace zolt {

// The numbered file channels of a run: 1 reads the source, 2 writes the
// listing, 3 writes the object file. The compiler reads and writes through
// this interface only, so a whole run can take place in memory (tests,
// benchmarks, the fuzzer) or on disk.
enum class Channel { Source = 1, Listing = 2, Object = 3 };

// An output of a run: the channel it is written on, and what replaces the
// last three characters of the source's path to name its file.
struct RunOutput {
  Channel channel;
  std::string_view suffix;
};

// Every output of a run, in the order they are checked, opened and closed.
inline constexpr std::array kRunOutputs{RunOutput{Channel::Listing, "lst"},
                                        RunOutput{Channel::Object, "obj"}};

// An output channel's place in kRunOutputs.
constexpr std::size_t OutputSlot(Channel channel) {
  std::size_t slot = 0;
  while (slot + 1 < kRunOutputs.size() && kRunOutputs[slot].channel != channel) ++slot;
  return slot;
}

// The output files' paths, in the order of kRunOutputs.
using OutputPaths = std::array<std::string, kRunOutputs.size()>;

// Far beyond any program of 32,767 lines; a larger "source" is a mistake
// (a disk image, a device), not something to read into memory.
inline constexpr std::size_t kLargestSource = std::size_t{256} << 20;

class Channels {
 public:
  virtual ~Channels() = default;

  // Channel 1: the whole source at path, read at once; a failure to read it,
  // or a source larger than kLargestSource, is a hard error.
  virtual std::string ReadAll(const std::string& path) = 0;

  // The listing's file-name line as written to the file; the path itself is
  // UTF-8 text.
  virtual std::string PathText(const std::string& utf8Path) const { return utf8Path; }

  // The source path as the run names it: relative paths made absolute.
  virtual std::string FullPath(const std::string& path) const { return path; }
  // A hard error unless every output may be created or emptied: none may
  // name the source or another output, nor anything but a regular file.
  virtual void CheckOutputs(const OutputPaths& paths) const = 0;
  // The output channels: creates or empties the file.
  virtual void OpenForWriting(Channel channel, const std::string& path) = 0;
  // An output channel: the output not yet handed to the file. Whole lines
  // are formatted straight onto its end, then LinesAdded is called.
  OutputText& Output(Channel channel) { return outputs_[OutputSlot(channel)]; }
  // An output that has grown to the channel's piece size is handed to its
  // file, so that a run takes few system calls; a channel in memory keeps
  // its outputs whole. Called after every line, so the test is done here.
  void LinesAdded() {
    for (const OutputText& output : outputs_) {
      if (output.Size() >= pieceSize_) return WritePieces();
    }
  }
  // Closes every open channel; a write that could not be completed is a hard
  // error, raised once everything is closed.
  virtual void CloseAll() = 0;
  // The failure path: keeps what had been written before the failure, closes
  // every channel and never fails itself.
  virtual void CloseAllAfterFailure() noexcept = 0;

 protected:
  explicit Channels(std::size_t pieceSize = SIZE_MAX) : pieceSize_(pieceSize) {}
  // Hands every output of the piece size or more to its file.
  virtual void WritePieces() {}

 private:
  std::array<OutputText, kRunOutputs.size()> outputs_;
  std::size_t pieceSize_;
};

// A run held in memory: the source is given as bytes, the listing and object
// file come back as bytes.
class MemoryChannels : public Channels {
 public:
  MemoryChannels(std::string sourcePath, std::string sourceBytes)
      : sourcePath_(std::move(sourcePath)), sourceBytes_(std::move(sourceBytes)) {}

  std::string ReadAll(const std::string& path) override;
  void CheckOutputs(const OutputPaths& paths) const override;
  // The outputs stay whole in memory.
  void OpenForWriting(Channel channel, const std::string&) override { Output(channel).Clear(); }
  void CloseAll() override {}
  void CloseAllAfterFailure() noexcept override {}

 private:
  std::string sourcePath_;
  std::string sourceBytes_;
};

}  // namespace zolt
