// The command's standard streams on Windows.
#pragma once

#include <windows.h>

#include <streambuf>
#include <string>

// Carries the command's UTF-8 output to a Windows standard handle: a console
// gets the text as UTF-16, a file or pipe gets it as zolt::PipeText makes
// it.
// Text goes out a line at a time, so no character is ever split.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(DWORD standardHandle);
  ConsoleBuffer(const ConsoleBuffer&) = delete;
  ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;
  ~ConsoleBuffer() override;

 protected:
  int_type overflow(int_type character) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  void WriteOut(std::size_t count);

  HANDLE handle_;
  std::string pending_;
  bool failed_ = false;  // some text never reached the handle
};
