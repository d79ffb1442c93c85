// The command's text on a Windows console, pipe or file.
#include "console_buffer_win32.h"

#include "windows_text.h"

ConsoleBuffer::ConsoleBuffer(DWORD standardHandle) : handle_(GetStdHandle(standardHandle)) {}

ConsoleBuffer::~ConsoleBuffer() {
  WriteOut(pending_.size());
}

ConsoleBuffer::int_type ConsoleBuffer::overflow(int_type character) {
  if (traits_type::eq_int_type(character, traits_type::eof()))
    return traits_type::not_eof(character);
  const char text = traits_type::to_char_type(character);
  xsputn(&text, 1);
  return character;
}

std::streamsize ConsoleBuffer::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  // Whole lines go out at once, so standard output and standard error keep
  // their order on a shared console.
  sync();
  return count;
}

int ConsoleBuffer::sync() {
  const std::size_t lineEnd = pending_.rfind('\n');
  if (lineEnd != std::string::npos) WriteOut(lineEnd + 1);
  // A line that did not reach the handle fails the stream's flush, so the
  // command reports the lost status line as it does on Linux.
  return failed_ ? -1 : 0;
}

void ConsoleBuffer::WriteOut(std::size_t count) {
  if (count == 0) return;
  if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
    pending_.erase(0, count);
    failed_ = true;
    return;
  }
  const std::wstring wide = zolt::WideFromUtf8(std::string_view(pending_).substr(0, count));
  pending_.erase(0, count);
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle_, &mode)) {
    if (!WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) ||
        written != wide.size()) {
      failed_ = true;
    }
    return;
  }
  const std::string bytes = zolt::PipeText(wide);
  if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    failed_ = true;
  }
}
