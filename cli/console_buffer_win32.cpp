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
  return 0;
}

void ConsoleBuffer::WriteOut(std::size_t count) {
  if (count == 0 || handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
    pending_.erase(0, count);
    return;
  }
  const std::wstring wide = zolt::WideFromUtf8(std::string_view(pending_).substr(0, count));
  pending_.erase(0, count);
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle_, &mode)) {
    WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const UINT consolePage = GetConsoleOutputCP();
  const std::string bytes = zolt::CodePageFromWide(wide, consolePage != 0 ? consolePage : GetACP());
  WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
