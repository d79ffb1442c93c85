// Channels that keep a copy of the listing a run writes, for the details window.
#pragma once

#include <memory>
#include <string>

#include "channels.h"

namespace zolt {

// The channels of one run, passed through to others (the files on disk), with
// the listing's bytes kept as the run wrote them. The outputs are handed on
// whole when the run closes its channels, after a failure too.
class ListingKeeper : public Channels {
 public:
  explicit ListingKeeper(std::unique_ptr<Channels> channels) : channels_(std::move(channels)) {}

  std::string ReadAll(const std::string& path) override {
    source_ = path;
    return channels_->ReadAll(path);
  }
  std::string PathText(const std::string& utf8Path) const override {
    return channels_->PathText(utf8Path);
  }
  std::string FullPath(const std::string& path) const override { return channels_->FullPath(path); }
  void CheckOutputs(const OutputPaths& paths) const override { channels_->CheckOutputs(paths); }
  void OpenForWriting(Channel channel, const std::string& path) override;
  void CloseAll() override;
  void CloseAllAfterFailure() noexcept override;

  // The source's full path as the run read it; empty before it is read.
  const std::string& SourcePath() const { return source_; }
  // The listing as the run wrote it.
  const std::string& Listing() const { return listing_; }

 private:
  void HandOver();

  std::unique_ptr<Channels> channels_;
  std::string source_;
  std::string listing_;
};

}  // namespace zolt
