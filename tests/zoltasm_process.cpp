#include "zoltasm_process.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>

#include "scratch_folder.h"

namespace zolt::test {
namespace {

constexpr uid_t kNobody = 65534;

[[noreturn]] void Fail(const char* step) {
  std::perror(step);
  _exit(127);
}

void Redirect(int stream, const std::string& path, int flags = O_WRONLY | O_CREAT | O_TRUNC) {
  const int file = open(path.c_str(), flags, 0600);
  if (file < 0 || dup2(file, stream) < 0) Fail("redirect");
  close(file);
}

// Waits for the child; one that outlives its time is killed and reported.
int WaitFor(pid_t child, int seconds, bool& hung) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      hung = true;
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return status;
}

}  // namespace

bool DropsPrivileges() {
  return geteuid() == 0;
}

ProcessResult RunZoltasm(const std::vector<std::string>& arguments, const ProcessOptions& options) {
  // The captured streams live in a folder of their own, so they never show up
  // among the files a run leaves behind.
  const ScratchFolder streams;
  const std::string outPath = streams / "stdout";
  const std::string errPath = streams / "stderr";

  std::vector<char*> argv;
  std::string program = ZOLTASM_PATH;
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("cannot start zoltasm");
  if (child == 0) {
    Redirect(STDIN_FILENO, options.input.empty() ? "/dev/null" : options.input.string(), O_RDONLY);
    Redirect(STDOUT_FILENO, outPath);
    Redirect(STDERR_FILENO, errPath);
    if (!options.folder.empty() && chdir(options.folder.c_str()) != 0) Fail("chdir");
    if (options.removeFolder && rmdir(options.folder.c_str()) != 0) Fail("rmdir");
    const rlimit memory{options.memory, options.memory};
    if (options.memory != 0 && setrlimit(RLIMIT_AS, &memory) != 0) Fail("setrlimit");
    if (options.account == Account::Unprivileged && DropsPrivileges()) {
      if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
        Fail("drop privileges");
      }
    }
    execv(argv[0], argv.data());
    Fail("execv");
  }
  ProcessResult result;
  const int status = WaitFor(child, options.seconds, result.hung);
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

}  // namespace zolt::test
