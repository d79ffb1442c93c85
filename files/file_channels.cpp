// The channels of a run on disk.
#include "file_channels.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "file_system.h"
#include "hard_error.h"
#include "quote.h"
#include "system_reason.h"

namespace zolt {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFlushSize = 1 << 16;
constexpr std::size_t kChunkSize = 1 << 16;

TextArg Reason() {
  return SystemReason(errno);
}

[[noreturn]] void TooLarge(const std::string& path) {
  throw HardError(Message("cannot read '%s': it is larger than 256 MiB", ShownPath(path)));
}

// Whether two paths name one file: the same path, a link to it, a hard link.
bool OneFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error) || Resolved(a) == Resolved(b);
}

}  // namespace

fs::path Resolved(fs::path path) {
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(path, error); ++hops) {
    const fs::path target = fs::read_symlink(path, error);
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  const fs::path canonical = fs::weakly_canonical(path, error);
  return error ? path.lexically_normal() : canonical;
}

std::filesystem::path PathFromUtf8(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

FileChannels::FileChannels() : Channels(kFlushSize) {}

FileChannels::~FileChannels() {
  CloseAllAfterFailure();
}

std::string FileChannels::FullPath(const std::string& path) const {
  if (path.empty()) throw HardError(Message("no source is named: the path is empty"));
  const fs::path given = PathFromUtf8(path);
  // Made absolute as text: "." parts and doubled separators go, ".." stays,
  // since a link may stand before it.
  fs::path full;
  if (!given.is_absolute()) {
    std::error_code error;
    full = fs::current_path(error);
    if (error)
      throw HardError(Message("cannot find the working folder: %s", SystemReason(error.value())));
  }
  for (const fs::path& part : given) {
    if (!part.empty() && part != ".") full /= part;
  }
  // Windows takes forward slashes too; the run names the file with the
  // system's own separators whatever the user typed, as the dialog does.
  full.make_preferred();
  return Utf8FromPath(full);
}

std::string FileChannels::ReadAll(const std::string& path) {
  const fs::path native = PathFromUtf8(path);
  std::error_code ignored;
  if (fs::is_directory(native, ignored)) {
    throw HardError(Message("cannot read '%s': it is a directory", ShownPath(path)));
  }
  std::FILE* file = OpenFile(native, false);
  if (file == nullptr) throw HardError(Message("cannot open '%s': %s", ShownPath(path), Reason()));
  const FileKind kind = KindOf(file);
  if (!kind.regular || kind.size > kLargestSource) {
    std::fclose(file);
    if (!kind.regular) {
      throw HardError(
          Message("cannot read '%s': it is not a regular file but a device, a pipe or a "
                  "socket",
                  ShownPath(path)));
    }
    TooLarge(path);
  }
  // Read straight into one string of the file's size (one byte more, to see
  // the end at once); a file that grows meanwhile, or has no size to tell,
  // is read on to its end all the same, up to the largest source.
  std::string bytes(kind.size == 0 ? kChunkSize : static_cast<std::size_t>(kind.size) + 1, '\0');
  std::size_t size = 0;
  while (std::size_t got = std::fread(bytes.data() + size, 1, bytes.size() - size, file)) {
    size += got;
    if (size > kLargestSource) break;
    if (size == bytes.size()) bytes.resize(bytes.size() * 2);
  }
  bytes.resize(size);
  const bool failed = std::ferror(file) != 0;
  const TextArg reason = failed ? Reason() : TextArg{};
  std::fclose(file);
  if (failed) throw HardError(Message("cannot read '%s': %s", ShownPath(path), reason));
  if (size > kLargestSource) TooLarge(path);
  sourcePath_ = path;
  return bytes;
}

void FileChannels::CheckOutputs(const OutputPaths& paths) const {
  const fs::path source = PathFromUtf8(sourcePath_);
  for (const std::string& path : paths) {
    const fs::path native = PathFromUtf8(path);
    if (OneFile(native, source)) {
      throw HardError(Message("the output file '%s' would overwrite the source", ShownPath(path)));
    }
    std::error_code ignored;
    if (IsSpecialFile(native) || fs::is_directory(native, ignored)) {
      throw HardError(Message("the output file '%s' is not a regular file", ShownPath(path)));
    }
  }
  for (std::size_t first = 0; first < paths.size(); ++first) {
    for (std::size_t second = first + 1; second < paths.size(); ++second) {
      if (OneFile(PathFromUtf8(paths[first]), PathFromUtf8(paths[second]))) {
        throw HardError(Message("the output files '%s' and '%s' are one file",
                                ShownPath(paths[first]), ShownPath(paths[second])));
      }
    }
  }
  // Opening an output empties it: an earlier listing is kept unless every
  // output can be written.
  for (const std::string& path : paths) {
    if (const int error = CannotWrite(PathFromUtf8(path))) {
      throw HardError(Message("cannot create '%s': %s", ShownPath(path), SystemReason(error)));
    }
  }
}

FileChannels::OutputFile& FileChannels::FileOf(Channel channel) {
  return files_[OutputSlot(channel)];
}

void FileChannels::OpenForWriting(Channel channel, const std::string& path) {
  OutputFile& output = FileOf(channel);
  output.file = OpenFile(PathFromUtf8(path), true);
  if (output.file == nullptr) {
    throw HardError(Message("cannot create '%s': %s", ShownPath(path), Reason()));
  }
  output.path = path;
  // Every write is a large piece of the output already: the file's own
  // buffer would only split it into more system calls.
  std::setvbuf(output.file, nullptr, _IONBF, 0);
  // The output is written out as soon as it passes kFlushSize: with room for
  // twice as much, only a single line longer than that ever moves it.
  Output(channel).Clear();
  Output(channel).Reserve(2 * kFlushSize);
}

void FileChannels::WritePieces() {
  for (const RunOutput& each : kRunOutputs) {
    if (Output(each.channel).Size() < kFlushSize) continue;
    if (std::optional<Message> failure = Flush(each.channel)) throw HardError(std::move(*failure));
  }
}

std::optional<Message> FileChannels::Flush(Channel channel) {
  OutputText& text = Output(channel);
  const OutputFile& output = FileOf(channel);
  if (output.file == nullptr || text.Size() == 0) return std::nullopt;
  const bool failed = std::fwrite(text.View().data(), 1, text.Size(), output.file) != text.Size();
  text.Clear();
  if (!failed) return std::nullopt;
  return Message("cannot write '%s': %s", ShownPath(output.path), Reason());
}

std::optional<Message> FileChannels::Close(Channel channel) {
  OutputFile& output = FileOf(channel);
  if (output.file == nullptr) return std::nullopt;
  std::optional<Message> failure = Flush(channel);
  if (std::fclose(output.file) != 0 && !failure) {
    failure = Message("cannot write '%s': %s", ShownPath(output.path), Reason());
  }
  output.file = nullptr;
  return failure;
}

void FileChannels::CloseAll() {
  std::optional<Message> failure;
  for (const RunOutput& each : kRunOutputs) {
    std::optional<Message> closing = Close(each.channel);
    if (!failure) failure = std::move(closing);
  }
  if (failure) throw HardError(std::move(*failure));
}

void FileChannels::CloseAllAfterFailure() noexcept {
  for (const RunOutput& each : kRunOutputs) Close(each.channel);
}

}  // namespace zolt
