// The command's text on a Windows console, pipe or file.
#include "console_buffer_win32.h"

#include <optional>

#include "windows_text.h"

namespace {

// Text for a pipe or a file. Where the console's code page is Chinese
// (GBK), as other console programs do: GB18030, which keeps GBK's bytes and
// extends them to all of Unicode, or GBK itself where the system lacks
// GB18030, with Windows' stand-in for a character GBK lacks (one the user
// typed or named a file with: the catalog's words are all in GBK), so that
// every text of a run is in the one code page its reader expects.
// Everywhere else UTF-8: an English Windows' code page would turn Chinese
// text into question marks.
std::string PipeBytes(std::wstring_view text) {
  constexpr UINT kGbk = 936;
  constexpr UINT kGb18030 = 54936;
  const UINT console = GetConsoleOutputCP();
  const UINT page = console != 0 ? console : GetACP();
  if (page != kGbk && page != kGb18030) return zolt::CodePageFromWide(text, CP_UTF8);
  if (std::optional<std::string> bytes = zolt::CodePageFromWideExactly(text, kGb18030)) {
    return *bytes;
  }
  return zolt::CodePageFromWide(text, kGbk);
}

}  // namespace

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
  const std::string bytes = PipeBytes(wide);
  if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    failed_ = true;
  }
}
