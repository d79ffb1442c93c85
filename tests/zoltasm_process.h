#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zolt::test {

// What a zoltasm process left behind: its exit status (or the signal that
// ended it) and everything it wrote to standard output and standard error.
struct ProcessResult {
  int exitStatus = -1;
  int signal = 0;
  // Still running when its time was up, and killed.
  bool hung = false;
  std::string out;
  std::string err;
};

enum class Account {
  Current,
  // An account without any rights of its own (uid and gid 65534), taken when
  // the tests run as root, for whom file permissions stop nothing.
  Unprivileged,
};

// Whether runs as Account::Unprivileged really run without root's rights.
bool DropsPrivileges();

struct ProcessOptions {
  // The working folder; the test's own when empty.
  std::filesystem::path folder{};
  // Removes the (empty) working folder once the process stands in it.
  bool removeFolder = false;
  Account account = Account::Current;
  // The most address space the process may take, in bytes; 0 for no limit.
  std::size_t memory = 0;
  // Standard input is read from this file; nothing is there when empty.
  std::filesystem::path input{};
  int seconds = 60;
};

// Runs the zoltasm built with the tests, with these arguments. Every test
// starts zoltasm through here.
ProcessResult RunZoltasm(const std::vector<std::string>& arguments,
                         const ProcessOptions& options = {});

}  // namespace zolt::test
