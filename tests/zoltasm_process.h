// The one way the tests start zoltasm, on POSIX systems and on Windows, and
// what a run left: its exit status and both output streams.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zolt::test {

// What a zoltasm process left behind: its exit status (or the signal that
// ended it) and everything it wrote to standard output and standard error.
struct ProcessResult {
  int exitStatus = -1;
  // POSIX only; a Windows program that crashes ends with an exit status.
  int signal = 0;
  // Still running when its time was up, and killed.
  bool hung = false;
  std::string out;
  std::string err;
};

#ifndef _WIN32
// Accounts, limits of memory and file size, a working folder taken away under
// the running program and standard output that fails serve the bad-input
// suite alone, which lays out what only a POSIX system holds (permissions,
// FIFOs, /proc, /dev/full, resource limits); Windows has no way to start a
// program under another account without its password, to remove the working
// folder of a running program or to limit the size of the files it writes,
// so these stay POSIX only.
enum class Account {
  Current,
  // An account without any rights of its own (uid and gid 65534), taken when
  // the tests run as root, for whom file permissions stop nothing.
  Unprivileged,
};

// Whether runs as Account::Unprivileged really run without root's rights.
bool DropsPrivileges();
#endif

struct ProcessOptions {
  // The working folder; the test's own when empty.
  std::filesystem::path folder{};
#ifndef _WIN32
  // Removes the (empty) working folder once the process stands in it.
  bool removeFolder = false;
  Account account = Account::Current;
  // The most address space the process may take, in bytes; 0 for no limit.
  std::size_t memory = 0;
  // Standard input is read from this file; nothing is there when empty.
  std::filesystem::path input{};
#endif
  int seconds = 60;
#ifndef _WIN32
  // Where standard output goes: a file the test reads back, a pipe the test
  // starts reading only after a second, or somewhere every write to it
  // fails (a pipe nobody reads, a full disk, nowhere).
  enum class Output { Captured, SlowPipe, ClosedPipe, Full, Closed };
  Output output = Output::Captured;
  // The largest file the process may write, in bytes; 0 for no limit.
  std::size_t fileSize = 0;
#endif
  // The language settings the process runs with, "NAME=VALUE" each, in place
  // of the tests' own LANGUAGE, LC_ALL, LC_MESSAGES and LANG; the build's
  // Chinese locales are there beside the system's.
  std::vector<std::string> language{"LC_ALL=C"};
};

// Runs zoltasm with these arguments (UTF-8), standard input from
// ProcessOptions::input or nothing: the one built with the tests or, on
// Windows, the one the environment variable ZOLT_ZOLTASM names (the zip's
// copy, which its check runs the cases on). Every test starts zoltasm through
// here.
ProcessResult RunZoltasm(const std::vector<std::string>& arguments,
                         const ProcessOptions& options = {});

#ifdef _WIN32
// What zoltasm writes to a file or pipe for this UTF-8 text: the bytes
// PipeText makes, checked on their own by the pipe check of the Windows build.
std::string ConsoleText(const std::string& utf8);
#endif

}  // namespace zolt::test
