// Starting zoltasm on Windows: CreateProcessW with the arguments quoted as
// Windows programs split them again, standard input from NUL, standard output
// and standard error each into a file of its own, and a process that outlives
// its time killed.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "scratch_folder.h"
#include "windows_text.h"
#include "zoltasm_process.h"

namespace zolt::test {
namespace {

namespace fs = std::filesystem;

// One argument as the C runtime and CommandLineToArgvW read it back: in
// quotes when it is empty or holds a blank or a quote, with each quote and
// the backslashes before a quote escaped.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L'"';
}

// The tests' own environment with the language settings the options give in
// place of LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as a block for
// CreateProcessW: "NAME=VALUE" strings, each ended by a null character, and
// one more at the end.
std::wstring Environment(const std::vector<std::string>& language) {
  std::wstring block;
  const wchar_t* const own = GetEnvironmentStringsW();
  for (const wchar_t* entry = own; *entry != L'\0'; entry += std::wcslen(entry) + 1) {
    const std::wstring_view setting = entry;
    const std::wstring_view name = setting.substr(0, setting.find(L'=', 1));
    bool replaced = false;
    for (const wchar_t* variable : {L"LANGUAGE", L"LC_ALL", L"LC_MESSAGES", L"LANG"}) {
      replaced = replaced || _wcsicmp(std::wstring(name).c_str(), variable) == 0;
    }
    if (!replaced) block.append(setting).push_back(L'\0');
  }
  FreeEnvironmentStringsW(const_cast<wchar_t*>(own));
  for (const std::string& setting : language) block.append(WideFromUtf8(setting)).push_back(L'\0');
  block.push_back(L'\0');
  return block;
}

// A handle the child inherits as one of its standard streams.
HANDLE Inheritable(const fs::path& path, DWORD access, DWORD creation) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  &inherit, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path.string());
  return file;
}

// The build's paths reach a cross-built runner under Wine as Unix paths,
// which Windows reads on the current drive: Wine's Z:, where CTest starts
// the runner in the build folder.
fs::path Program() {
  const wchar_t* const chosen = _wgetenv(L"ZOLT_ZOLTASM");
  return fs::absolute(chosen != nullptr ? fs::path(chosen) : fs::path(ZOLTASM_PATH));
}

}  // namespace

ProcessResult RunZoltasm(const std::vector<std::string>& arguments, const ProcessOptions& options) {
  // The captured streams live in a folder of their own, so they never show up
  // among the files a run leaves behind.
  const ScratchFolder streams;
  const fs::path outPath = streams.Path() / "stdout";
  const fs::path errPath = streams.Path() / "stderr";

  const fs::path program = Program();
  std::wstring commandLine = Quoted(program.wstring());
  for (const std::string& argument : arguments)
    commandLine += L" " + Quoted(WideFromUtf8(argument));

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = Inheritable("NUL", GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = Inheritable(outPath, GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = Inheritable(errPath, GENERIC_WRITE, CREATE_ALWAYS);
  std::wstring environment = Environment(options.language);
  PROCESS_INFORMATION process{};
  // Wine now and then fails to start a process while another is ending; a
  // second try starts it, so only a start that fails three times fails the
  // test.
  constexpr int kTries = 3;
  bool started = false;
  DWORD error = 0;
  for (int attempt = 0; attempt < kTries && !started; ++attempt) {
    started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                             CREATE_UNICODE_ENVIRONMENT, environment.data(),
                             options.folder.empty() ? nullptr : options.folder.c_str(), &startup,
                             &process);
    if (!started) error = GetLastError();
  }
  for (const HANDLE stream : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
    CloseHandle(stream);
  }
  if (!started) {
    throw std::runtime_error("cannot start " + program.string() + " (Windows error " +
                             std::to_string(error) + ")");
  }

  ProcessResult result;
  const DWORD milliseconds = static_cast<DWORD>(options.seconds) * 1000;
  if (WaitForSingleObject(process.hProcess, milliseconds) == WAIT_TIMEOUT) {
    result.hung = true;
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  DWORD status = 0;
  if (!result.hung && GetExitCodeProcess(process.hProcess, &status)) {
    result.exitStatus = static_cast<int>(status);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

std::string ConsoleText(const std::string& utf8) {
  return PipeText(WideFromUtf8(utf8));
}

}  // namespace zolt::test
