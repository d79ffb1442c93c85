#pragma once

#include <string>
#include <vector>

namespace zolt::robustness {

// What a zoltasm process left behind: its exit status (or the signal that
// ended it) and everything it wrote to standard output and standard error.
struct ProcessResult {
  int exitStatus = -1;
  int signal = 0;
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

// Runs the zoltasm built with the tests, with these arguments.
ProcessResult RunZoltasm(const std::vector<std::string>& arguments,
                         Account account = Account::Current);

}  // namespace zolt::robustness
