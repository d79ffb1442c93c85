// A whole file written at once: into a file of its own beside the target,
// put in the target's place only once every byte is on the disk.
#include "whole_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "file_channels.h"
#include "file_system.h"
#include "hard_error.h"
#include "quote.h"
#include "system_reason.h"

namespace zolt {
namespace {

[[noreturn]] void CannotWriteTo(const std::string& path, int error) {
  throw HardError(Message("cannot write '%s': %s", ShownPath(path), SystemReason(error)));
}

// A pipe, a terminal or a device cannot be replaced: the bytes go straight
// to it, every one of them.
void WriteInPlace(const std::string& path, const std::filesystem::path& target,
                  std::string_view bytes) {
  std::FILE* file = OpenFile(target, true);
  if (file == nullptr) {
    throw HardError(Message("cannot create '%s': %s", ShownPath(path), SystemReason(errno)));
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int error = errno;
  if (std::fclose(file) != 0 || !written) CannotWriteTo(path, written ? errno : error);
}

}  // namespace

void WriteWholeFile(const std::string& path, std::string_view bytes) {
  const std::filesystem::path given = PathFromUtf8(path);
  if (IsSpecialFile(given)) return WriteInPlace(path, given, bytes);
  // A link is followed: the file it names is replaced, the link stays.
  const std::filesystem::path target = Resolved(given);
  std::filesystem::path temporary;
  std::FILE* file = CreateBeside(target, temporary);
  if (file == nullptr) {
    throw HardError(Message("cannot create '%s': %s", ShownPath(path), SystemReason(errno)));
  }
  bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && FlushToDisk(file);
  int error = errno;
  if (std::fclose(file) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written) error = PutInPlace(temporary, target);
  if (!written || error != 0) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    CannotWriteTo(path, error);
  }
}

}  // namespace zolt
