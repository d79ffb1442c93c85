// The file operations on Linux.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "file_system.h"

namespace zolt {

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting) {
  // Without O_NONBLOCK, opening a pipe nobody writes to (or reads from)
  // would wait for ever; a regular file behaves the same either way.
  const int flags = (forWriting ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
  const int descriptor = open(path.c_str(), flags, 0666);
  if (descriptor < 0) return nullptr;
  std::FILE* file = fdopen(descriptor, forWriting ? "wb" : "rb");
  if (file == nullptr) close(descriptor);
  return file;
}

FileKind KindOf(std::FILE* file) {
  struct stat status {};
  if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return {};
  return {true, static_cast<std::uintmax_t>(status.st_size)};
}

int CannotWrite(const std::filesystem::path& path) {
  int descriptor = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  bool created = false;
  if (descriptor < 0 && errno == ENOENT) {
    descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    created = descriptor >= 0;
  }
  if (descriptor < 0) return errno;
  close(descriptor);
  if (created) unlink(path.c_str());
  return 0;
}

bool IsSpecialFile(const std::filesystem::path& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
}

}  // namespace zolt
