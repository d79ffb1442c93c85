#include "file_channels.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "hard_error.h"

namespace zolt {
namespace {

constexpr std::size_t kFlushSize = 1 << 16;

std::string Reason() {
  return std::strerror(errno);
}

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting) {
#ifdef _WIN32
  return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
#else
  return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
#endif
}

}  // namespace

std::filesystem::path PathFromUtf8(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

FileChannels::~FileChannels() {
  CloseAllAfterFailure();
}

std::string FileChannels::Load(const std::string& path) {
  const std::filesystem::path native = PathFromUtf8(path);
  std::error_code ignored;
  if (std::filesystem::is_directory(native, ignored)) {
    throw HardError("cannot read '" + path + "': it is a directory");
  }
  std::FILE* file = OpenFile(native, false);
  if (file == nullptr) throw HardError("cannot open '" + path + "': " + Reason());
  std::string bytes;
  std::array<char, 1 << 16> chunk{};
  std::size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), file)) > 0)
    bytes.append(chunk.data(), got);
  const bool failed = std::ferror(file) != 0;
  const std::string reason = failed ? Reason() : std::string();
  std::fclose(file);
  if (failed) throw HardError("cannot read '" + path + "': " + reason);
  sourcePath_ = path;
  return bytes;
}

bool FileChannels::NamesSource(const std::string& path) const {
  if (path == sourcePath_) return true;
  std::error_code ignored;
  return std::filesystem::equivalent(PathFromUtf8(path), PathFromUtf8(sourcePath_), ignored);
}

FileChannels::Output& FileChannels::OutputOf(Channel channel) {
  return outputs_[channel == Channel::Listing ? 0 : 1];
}

void FileChannels::OpenForWriting(Channel channel, const std::string& path) {
  Output& output = OutputOf(channel);
  const std::string earlier = Close(output);
  if (!earlier.empty()) throw HardError(earlier);
  output.file = OpenFile(PathFromUtf8(path), true);
  if (output.file == nullptr) throw HardError("cannot create '" + path + "': " + Reason());
  output.path = path;
}

void FileChannels::Write(Channel channel, std::string_view text) {
  Output& output = OutputOf(channel);
  output.buffer.append(text);
  if (output.buffer.size() >= kFlushSize) {
    const std::string failure = Flush(output);
    if (!failure.empty()) throw HardError(failure);
  }
}

std::string FileChannels::Flush(Output& output) {
  if (output.file == nullptr || output.buffer.empty()) return {};
  const std::size_t written =
      std::fwrite(output.buffer.data(), 1, output.buffer.size(), output.file);
  const bool failed = written != output.buffer.size() || std::fflush(output.file) != 0;
  output.buffer.clear();
  return failed ? "cannot write '" + output.path + "': " + Reason() : std::string();
}

std::string FileChannels::Close(Output& output) {
  if (output.file == nullptr) return {};
  std::string failure = Flush(output);
  if (std::fclose(output.file) != 0 && failure.empty()) {
    failure = "cannot write '" + output.path + "': " + Reason();
  }
  output.file = nullptr;
  return failure;
}

void FileChannels::CloseAll() {
  std::string failure;
  for (Output& output : outputs_) {
    const std::string closing = Close(output);
    if (failure.empty()) failure = closing;
  }
  if (!failure.empty()) throw HardError(failure);
}

void FileChannels::CloseAllAfterFailure() noexcept {
  for (Output& output : outputs_) Close(output);
}

}  // namespace zolt
