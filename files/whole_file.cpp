// A whole file written at once.
#include "whole_file.h"

#include <cerrno>
#include <cstring>

#include "file_channels.h"
#include "file_system.h"
#include "hard_error.h"
#include "quote.h"
#include "system_reason.h"

namespace zolt {

void WriteWholeFile(const std::string& path, std::string_view bytes) {
  std::FILE* file = OpenFile(PathFromUtf8(path), true);
  if (file == nullptr) {
    throw HardError(Message("cannot create %s: %s", QuotePath(path), SystemReason(errno)));
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int error = errno;
  if (std::fclose(file) != 0 || !written) {
    throw HardError(
        Message("cannot write %s: %s", QuotePath(path), SystemReason(written ? errno : error)));
  }
}

}  // namespace zolt
