// The file operations on Linux.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "file_system.h"

namespace zolt {

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting) {
  // Without O_NONBLOCK, opening a pipe nobody writes to (or reads from)
  // would wait for ever; a regular file behaves the same either way.
  const int flags = (forWriting ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
  const int descriptor = open(path.c_str(), flags, 0666);
  if (descriptor < 0) return nullptr;
  // Once open, an output waits for a slow reader instead of failing with
  // EAGAIN part way.
  const int status = fcntl(descriptor, F_GETFL);
  if (forWriting && (status < 0 || fcntl(descriptor, F_SETFL, status & ~O_NONBLOCK) != 0)) {
    close(descriptor);
    return nullptr;
  }
  std::FILE* file = fdopen(descriptor, forWriting ? "wb" : "rb");
  if (file == nullptr) close(descriptor);
  return file;
}

std::FILE* CreateBeside(const std::filesystem::path& path, std::filesystem::path& temporary) {
  static std::atomic<unsigned> made{0};
  struct stat existing {};
  const bool exists = stat(path.c_str(), &existing) == 0;
  int descriptor = -1;
  for (int attempt = 0; descriptor < 0 && attempt < 100; ++attempt) {
    std::string suffix(".");
    suffix.append(std::to_string(getpid())).append("-").append(std::to_string(made++));
    temporary = path;
    temporary += suffix.append(".tmp");
    descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno != EEXIST) return nullptr;
  }
  if (descriptor < 0) return nullptr;
  if (exists) fchmod(descriptor, existing.st_mode & 07777);
  std::FILE* file = fdopen(descriptor, "wb");
  if (file == nullptr) {
    close(descriptor);
    unlink(temporary.c_str());
  }
  return file;
}

bool FlushToDisk(std::FILE* file) {
  return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

int PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
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
