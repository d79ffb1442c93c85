// Standard input read in large pieces, and asked without waiting whether
// more is there: poll() on Linux, PeekNamedPipe() for a pipe on Windows.
#include "standard_input.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

#include <cerrno>

StandardInput::int_type StandardInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
#ifdef _WIN32
  const int got = _read(0, buffer_.data(), static_cast<unsigned>(buffer_.size()));
#else
  ssize_t got = 0;
  do {
    got = read(STDIN_FILENO, buffer_.data(), buffer_.size());
  } while (got < 0 && errno == EINTR);
#endif
  if (got <= 0) return traits_type::eof();
  setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
  return traits_type::to_int_type(*gptr());
}

std::streamsize StandardInput::showmanyc() {
#ifdef _WIN32
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(0));
  DWORD waiting = 0;
  // Only bytes a pipe is seen to hold count as waiting: where the system
  // cannot tell (a socket under Wine, a console), the changes read so far
  // are analysed at once rather than held for a message that may not come.
  return GetFileType(handle) == FILE_TYPE_PIPE &&
                 PeekNamedPipe(handle, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0
             ? 1
             : 0;
#else
  pollfd input{STDIN_FILENO, POLLIN, 0};
  return poll(&input, 1, 0) > 0 ? 1 : 0;
#endif
}
