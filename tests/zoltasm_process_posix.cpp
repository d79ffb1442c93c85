// Starting zoltasm on POSIX systems: fork and exec, with the working folder,
// language, account, limits and standard input and output the options ask for.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "scratch_folder.h"
#include "zoltasm_process.h"

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

// The zoltasm an account runs. The unprivileged account gets a copy of the
// build's in a scratch folder: the build may sit where it may not go (a
// checkout in root's home folder, say). Made once, removed at the end.
std::string ProgramFor(Account account) {
  if (account == Account::Current) return ZOLTASM_PATH;
  static const ScratchFolder folder;
  static const std::string copy = [] {
    std::filesystem::copy_file(ZOLTASM_PATH, folder / "zoltasm");
    return folder / "zoltasm";
  }();
  return copy;
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
  std::string program = ProgramFor(DropsPrivileges() ? options.account : Account::Current);
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);

  // A pipe whose reading end is gone before the process starts.
  int closedPipe[2] = {-1, -1};
  if (options.output == ProcessOptions::Output::ClosedPipe) {
    if (pipe(closedPipe) != 0) throw std::runtime_error("cannot make a pipe");
    close(closedPipe[0]);
  }
  int slowPipe[2] = {-1, -1};
  if (options.output == ProcessOptions::Output::SlowPipe && pipe(slowPipe) != 0) {
    throw std::runtime_error("cannot make a pipe");
  }
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("cannot start zoltasm");
  if (child == 0) {
    Redirect(STDIN_FILENO, options.input.empty() ? "/dev/null" : options.input.string(), O_RDONLY);
    switch (options.output) {
      case ProcessOptions::Output::Captured:
        Redirect(STDOUT_FILENO, outPath);
        break;
      case ProcessOptions::Output::SlowPipe:
        close(slowPipe[0]);
        if (dup2(slowPipe[1], STDOUT_FILENO) < 0) Fail("dup2");
        close(slowPipe[1]);
        break;
      case ProcessOptions::Output::ClosedPipe:
        if (dup2(closedPipe[1], STDOUT_FILENO) < 0) Fail("dup2");
        close(closedPipe[1]);
        break;
      case ProcessOptions::Output::Full:
        Redirect(STDOUT_FILENO, "/dev/full", O_WRONLY);
        break;
      case ProcessOptions::Output::Closed:
        close(STDOUT_FILENO);
        break;
    }
    Redirect(STDERR_FILENO, errPath);
    if (!options.folder.empty() && chdir(options.folder.c_str()) != 0) Fail("chdir");
    if (options.removeFolder && rmdir(options.folder.c_str()) != 0) Fail("rmdir");
    // The language is the row's, never the one the tests happen to run in.
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(variable);
    std::vector<std::string> settings = options.language;
    for (std::string& setting : settings) putenv(setting.data());
    if (setenv("LOCPATH", ZOLT_LOCALE_PATH, 1) != 0) Fail("environment");
    const rlimit memory{options.memory, options.memory};
    if (options.memory != 0 && setrlimit(RLIMIT_AS, &memory) != 0) Fail("setrlimit");
    const rlimit fileSize{options.fileSize, options.fileSize};
    if (options.fileSize != 0 && setrlimit(RLIMIT_FSIZE, &fileSize) != 0) Fail("setrlimit");
    if (options.account == Account::Unprivileged && DropsPrivileges()) {
      if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
        Fail("drop privileges");
      }
    }
    execv(argv[0], argv.data());
    Fail("execv");
  }
  if (closedPipe[1] >= 0) close(closedPipe[1]);
  ProcessResult result;
  if (slowPipe[0] >= 0) {
    close(slowPipe[1]);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    std::array<char, 4096> buffer{};
    for (ssize_t got; (got = read(slowPipe[0], buffer.data(), buffer.size())) > 0;) {
      result.out.append(buffer.data(), static_cast<std::size_t>(got));
    }
    close(slowPipe[0]);
  }
  const int status = WaitFor(child, options.seconds, result.hung);
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  if (options.output == ProcessOptions::Output::Captured) result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

}  // namespace zolt::test
