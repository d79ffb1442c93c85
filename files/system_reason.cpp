// The reasons a file operation fails, from the catalog where it has them.
#include "system_reason.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#ifndef _WIN32
#include <locale.h>

#include <clocale>
#endif

namespace zolt {
namespace {

struct KnownReason {
  int error;
  const char* text;
};

// The reasons users meet opening, reading and writing sources and outputs.
constexpr KnownReason kKnownReasons[] = {
    {ENOENT, N_("No such file or directory")},
    {EACCES, N_("Permission denied")},
    {EPERM, N_("Operation not permitted")},
    {EISDIR, N_("Is a directory")},
    {ENOSPC, N_("No space left on device")},
    {EROFS, N_("Read-only file system")},
    {EFBIG, N_("File too large")},
    {ENAMETOOLONG, N_("File name too long")},
    {EMLINK, N_("Too many links")},
    {ELOOP, N_("Too many levels of symbolic links")},
    {EIO, N_("Input/output error")},
};

// The system's own text for any other reason, in the language of the
// user's messages and always in UTF-8, whatever the locale's character set
// (glibc would write what ASCII cannot hold as question marks).
std::string SystemText(int error) {
#ifdef _WIN32
  return std::strerror(error);
#else
  const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
  if (utf8 == nullptr) return std::strerror(error);
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  const locale_t both = newlocale(LC_MESSAGES_MASK, messages != nullptr ? messages : "C", utf8);
  if (both == nullptr) {
    freelocale(utf8);
    return std::strerror(error);
  }
  std::string text = strerror_l(error, both);
  freelocale(both);
  return text;
#endif
}

}  // namespace

TextArg SystemReason(int error) {
  for (const KnownReason& known : kKnownReasons) {
    if (known.error == error) return {known.text, false};
  }
  return {SystemText(error), true};
}

}  // namespace zolt
