// The reasons a file operation fails, from the catalog where it has them.
#include "system_reason.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#ifdef _WIN32
#include <windows.h>

#include <string>

#include "windows_text.h"
#else
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

#ifdef _WIN32
// Windows' errors for the reasons above; every other code keeps its own text.
struct WindowsReason {
  DWORD code;
  int error;
};
constexpr WindowsReason kWindowsReasons[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT}, {ERROR_PATH_NOT_FOUND, ENOENT},
    {ERROR_ACCESS_DENIED, EACCES},  {ERROR_SHARING_VIOLATION, EACCES},
    {ERROR_LOCK_VIOLATION, EACCES}, {ERROR_WRITE_PROTECT, EROFS},
    {ERROR_DISK_FULL, ENOSPC},      {ERROR_HANDLE_DISK_FULL, ENOSPC},
    {ERROR_FILE_TOO_LARGE, EFBIG},  {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_TOO_MANY_LINKS, EMLINK}, {ERROR_CANT_RESOLVE_FILENAME, ELOOP},
    {ERROR_IO_DEVICE, EIO},         {ERROR_READ_FAULT, EIO},
    {ERROR_WRITE_FAULT, EIO},       {ERROR_CRC, EIO},
};

// Windows' own text for a code, in the user's UI language (or, where
// Windows has none in it, the language Windows picks), written as the
// product's reasons are: no full stop, no line break.
std::string WindowsText(DWORD code) {
  constexpr DWORD kFlags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  wchar_t* text = nullptr;
  DWORD length = 0;
  for (const LANGID language : {GetUserDefaultUILanguage(), LANGID{0}}) {
    if (length == 0) {
      length = FormatMessageW(kFlags, nullptr, code, language, reinterpret_cast<LPWSTR>(&text), 0,
                              nullptr);
    }
  }
  if (length == 0) return std::to_string(code);
  std::wstring_view reason(text, length);
  while (!reason.empty() &&
         std::wstring_view(L" \r\n.\u3002").find(reason.back()) != std::wstring_view::npos) {
    reason.remove_suffix(1);
  }
  std::string utf8 = Utf8FromWide(reason);
  LocalFree(text);
  return utf8;
}
#endif

// The system's own text for any other reason, in the language of the
// user's messages and always in UTF-8, whatever the locale's character set
// (glibc would write what ASCII cannot hold as question marks).
std::string SystemText(int error) {
#ifdef _WIN32
  if (error < 0) return WindowsText(static_cast<DWORD>(-error));
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

#ifdef _WIN32
int ErrorFromWindows(unsigned long code) {
  if (code == ERROR_SUCCESS) return EIO;
  for (const WindowsReason& known : kWindowsReasons) {
    if (known.code == code) return known.error;
  }
  // Windows' codes are below 2^16, HRESULTs aside; the sign keeps them apart.
  return -static_cast<int>(code & 0x7FFFFFFF);
}
#endif

}  // namespace zolt
