#include "channels.h"

#include "hard_error.h"

namespace zolt {

void Channels::OpenForReading(const std::string& path) {
  source_ = Load(path);
  position_ = 0;
  // Editors on Windows like to start UTF-8 files with a byte-order mark; it is
  // not part of the first line.
  if (source_.starts_with("\xEF\xBB\xBF")) position_ = 3;
}

std::string_view Channels::ReadLine() {
  const std::string_view rest = std::string_view(source_).substr(position_);
  // A plain loop: find_first_of("\r\n") searches the pair once per byte.
  std::size_t end = 0;
  while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n') ++end;
  if (end == rest.size()) {
    position_ = source_.size();
    return rest;
  }
  const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
  position_ += end + (crlf ? 2 : 1);
  return rest.substr(0, end);
}

std::string MemoryChannels::Load(const std::string& path) {
  if (path != sourcePath_) throw HardError("cannot open '" + path + "': no such file");
  return sourceBytes_;
}

void MemoryChannels::CheckOutputs(const std::string& listing, const std::string& object) const {
  for (const std::string& path : {listing, object}) {
    if (path == sourcePath_)
      throw HardError("the output file '" + path + "' would overwrite the source");
  }
}

std::string& MemoryChannels::Output(Channel channel) {
  return channel == Channel::Listing ? listing_ : object_;
}

void MemoryChannels::OpenForWriting(Channel channel, const std::string&) {
  Output(channel).clear();
}

void MemoryChannels::Write(Channel channel, std::string_view text) {
  Output(channel).append(text);
}

}  // namespace zolt
