// Bad input end to end: each row sets up what a user's editor or file system
// could hand zoltasm, runs the binary on it and checks the exit status, both
// streams and the files left behind. In every row the run must end by itself
// (no signal, no hang) and every file that was there before must be unchanged.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "zoltasm_process.h"

namespace zolt::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr int kClean = 0;
constexpr int kLinesInError = 1;
constexpr int kFailed = 2;
constexpr fs::perms kReadOnly =
    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

std::string Repeat(std::string_view text, std::size_t times) {
  std::string out;
  for (std::size_t i = 0; i < times; ++i) out.append(text);
  return out;
}

// What a file looked like, to prove a run left it alone.
struct FileState {
  std::string bytes;
  fs::perms perms;
  fs::file_time_type written;
  friend bool operator==(const FileState&, const FileState&) = default;
};

class BadInput;

struct Row {
  const char* name;
  // Makes the files; returns the arguments, or nothing when the row cannot
  // run here (the fixture says why).
  std::function<std::vector<std::string>(BadInput&)> setup;
  int status;
  std::string out;
  // "{dir}" stands for the scratch folder, "{line}" for any line number.
  std::string err;
  // Every name in the folder after the run.
  std::set<std::string> files;
  Account account = Account::Current;
  std::optional<std::string> object{};  // prog.obj, compared when given
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

// A folder of its own on a small tmpfs, unmounted when the test ends.
class SmallDisk {
 public:
  SmallDisk(const std::string& path, std::size_t bytes) : path_(path) {
    fs::create_directory(path_);
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    if (mount("zolt-full", path_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
      failure_ = std::strerror(errno);
    }
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;
  ~SmallDisk() {
    if (failure_.empty()) umount2(path_.c_str(), MNT_DETACH);
  }
  const std::string& Failure() const { return failure_; }

 private:
  std::string path_;
  std::string failure_;
};

class BadInput : public testing::TestWithParam<Row> {
 public:
  std::string Path(std::string_view name) const { return folder_ / name; }
  std::string Write(std::string_view name, std::string_view bytes) const {
    WriteFile(Path(name), bytes);
    return Path(name);
  }
  // A folder on a disk too small for the outputs; false when none can be made.
  bool MountSmallDisk(std::string_view name, std::size_t bytes) {
    disk_.emplace(Path(name), bytes);
    skipReason_ =
        "a full disk needs a small tmpfs, which needs the right to mount: " + disk_->Failure();
    return disk_->Failure().empty();
  }

 protected:
  std::map<std::string, FileState> Files() const {
    std::map<std::string, FileState> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder_.Path())) {
      const std::string name = entry.path().lexically_relative(folder_.Path()).string();
      files[name] = {};
      if (entry.is_regular_file() && !entry.is_symlink()) {
        files[name] = {ReadFile(entry.path()), entry.status().permissions(),
                       entry.last_write_time()};
      }
    }
    return files;
  }

  ScratchFolder folder_;
  std::optional<SmallDisk> disk_;
  std::string skipReason_;
};

std::string Failure(std::string_view where, std::string_view cause) {
  return "文件不能打开!\n"s + std::string(where) + ": error: " + std::string(cause) + "\n";
}

// A row whose setup writes one source, prog.ZOL, and names it.
std::function<std::vector<std::string>(BadInput&)> Source(std::string bytes) {
  return [bytes](BadInput& test) { return std::vector{test.Write("prog.ZOL", bytes)}; };
}

const std::set<std::string> kAllThree = {"prog.ZOL", "prog.lst", "prog.obj"};

std::vector<Row> Rows() {
  const std::string longLine = "; " + std::string(10 << 20, 'x');
  const std::string longNumber = "DL " + std::string(10 << 20, '0') + "1";
  return {
      // Sources too big or too odd for a case file.
      {"TenMegabyteLine", Source(longLine), kClean, "编译完成\n", "", kAllThree},
      {"TenMegabyteNumber",
       Source(longNumber),
       kClean,
       "编译完成\n",
       "",
       kAllThree,
       {},
       "&h9001\r\n"},
      {"MostLines", Source(Repeat("NOP\n", 32767)), kClean, "编译完成\n", "", kAllThree},
      {"OneLineTooMany",
       Source(Repeat("NOP\n", 32767) + "NOP"),
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "the source has more than 32767 lines"),
       {"prog.ZOL"}},
      {"MegabyteOfBlanksOnOneLine",
       Source(Repeat(" \t", 1 << 19)),
       kClean,
       "编译完成\n",
       "",
       kAllThree,
       {},
       ""},
      {"MegabyteOfBlankLines",
       Source(Repeat(Repeat("\t ", 50) + "\r\n", 10000)),
       kClean,
       "编译完成\n",
       "",
       kAllThree,
       {},
       ""},

      // Sources that cannot be read.
      {"MissingFile",
       [](BadInput& t) { return std::vector{t.Path("prog.ZOL")}; },
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "cannot open '{dir}/prog.ZOL': No such file or directory"),
       {}},
      {"Directory",
       [](BadInput& t) {
         fs::create_directory(t.Path("prog.ZOL"));
         return std::vector{t.Path("prog.ZOL")};
       },
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "cannot read '{dir}/prog.ZOL': it is a directory"),
       {"prog.ZOL"}},
      {"SourceWithoutReadPermission",
       [](BadInput& t) {
         fs::permissions(t.Write("prog.ZOL", "NOP\n"), fs::perms::owner_write);
         return std::vector{t.Path("prog.ZOL")};
       },
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "cannot open '{dir}/prog.ZOL': Permission denied"),
       {"prog.ZOL"},
       Account::Unprivileged},
      {"DanglingSymbolicLink",
       [](BadInput& t) {
         fs::create_symlink("nowhere.ZOL", t.Path("prog.ZOL"));
         return std::vector{t.Path("prog.ZOL")};
       },
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "cannot open '{dir}/prog.ZOL': No such file or directory"),
       {"prog.ZOL"}},

      // A file the system lists as regular but cannot read.
      {"ReadError",
       [](BadInput&) { return std::vector<std::string>{"/proc/self/mem"}; },
       kFailed,
       "",
       Failure("/proc/self/mem", "cannot read '/proc/self/mem': Input/output error"),
       {}},

      // Outputs that cannot be written; what was there stays as it was.
      {"OutputFolderWithoutWritePermission",
       [](BadInput& t) {
         fs::create_directory(t.Path("locked"));
         t.Write("locked/prog.ZOL", "NOP\n");
         fs::permissions(t.Path("locked"),
                         fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                         fs::perm_options::remove);
         return std::vector{t.Path("locked/prog.ZOL")};
       },
       kFailed,
       "",
       Failure("{dir}/locked/prog.ZOL", "cannot create '{dir}/locked/prog.lst': Permission denied"),
       {"locked", "locked/prog.ZOL"},
       Account::Unprivileged},
      {"ReadOnlyListing",
       [](BadInput& t) {
         fs::permissions(t.Write("prog.lst", "an earlier listing\r\n"), kReadOnly);
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       },
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "cannot create '{dir}/prog.lst': Permission denied"),
       {"prog.ZOL", "prog.lst"},
       Account::Unprivileged},
      // The listing was opened first, so it stands there, empty.
      {"ReadOnlyObjectFile",
       [](BadInput& t) {
         fs::permissions(t.Write("prog.obj", "&hF000\r\n"), kReadOnly);
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       },
       kFailed, "", Failure("{dir}/prog.ZOL", "cannot create '{dir}/prog.obj': Permission denied"),
       kAllThree, Account::Unprivileged},
      // 80 KB of source leaves about 48 KB free, and its listing is about
      // 500 KB; what was written before the disk filled up stays there.
      {"FullDisk",
       [](BadInput& t) {
         if (!t.MountSmallDisk("disk", 128 << 10)) return std::vector<std::string>{};
         return std::vector{t.Write("disk/prog.ZOL", Repeat("NOP\n", 20000))};
       },
       kFailed,
       "",
       Failure("{dir}/disk/prog.ZOL:{line}",
               "cannot write '{dir}/disk/prog.lst': No space left on device"),
       {"disk", "disk/prog.ZOL", "disk/prog.lst", "disk/prog.obj"}},

      // Paths that lead back to the source.
      {"SymbolicLinkAsSource",
       [](BadInput& t) {
         fs::create_directory(t.Path("real"));
         t.Write("real/prog.ZOL", "NOP\n");
         fs::create_symlink("real/prog.ZOL", t.Path("prog.ZOL"));
         return std::vector{t.Path("prog.ZOL")};
       },
       kClean,
       "编译完成\n",
       "",
       {"prog.ZOL", "prog.lst", "prog.obj", "real", "real/prog.ZOL"},
       {},
       "&hE000\r\n"},
      {"ListingPathLinkedToTheSource",
       [](BadInput& t) {
         fs::create_symlink("prog.ZOL", t.Path("prog.lst"));
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       },
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "the output file '{dir}/prog.lst' would overwrite the source"),
       {"prog.ZOL", "prog.lst"}},
  };
}

TEST_P(BadInput, EndsAsExpectedAndTouchesNothingElse) {
  const Row& row = GetParam();
  const std::vector<std::string> arguments = row.setup(*this);
  if (arguments.empty()) GTEST_SKIP() << skipReason_;
  const auto before = Files();

  const ProcessResult result = RunZoltasm(arguments, {.account = row.account});

  EXPECT_EQ(result.signal, 0);
  EXPECT_FALSE(result.hung);
  EXPECT_EQ(result.exitStatus, row.status);
  EXPECT_EQ(result.out, row.out);
  std::string err = row.err;
  const std::string dir = folder_.Path().string();
  for (std::size_t at; (at = err.find("{dir}")) != std::string::npos;) err.replace(at, 5, dir);
  const std::string actualErr =
      std::regex_replace(result.err, std::regex(":[0-9]+: error"), ":{line}: error");
  EXPECT_EQ(err.find("{line}") == std::string::npos ? result.err : actualErr, err);
  const auto after = Files();
  std::set<std::string> names;
  for (const auto& [name, state] : after) names.insert(name);
  EXPECT_EQ(names, row.files);
  for (const auto& [name, state] : before) {
    EXPECT_TRUE(after.contains(name) && after.at(name) == state) << name << " was changed";
  }
  if (row.object) {
    EXPECT_EQ(ReadFile(Path("prog.obj")), *row.object);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInput, testing::ValuesIn(Rows()),
                         [](const auto& info) { return std::string(info.param.name); });

// The permission rows prove nothing unless runs as the unprivileged account
// really lose root's rights.
TEST(UnprivilegedRun, CannotReadWhatItMayNot) {
  if (!DropsPrivileges()) GTEST_SKIP() << "not running as root: runs keep the current account";
  const ScratchFolder folder;
  WriteFile(folder / "prog.ZOL", "NOP\n");
  fs::permissions(folder / "prog.ZOL", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(RunZoltasm({folder / "prog.ZOL"}).exitStatus, kClean);
  EXPECT_EQ(RunZoltasm({folder / "prog.ZOL"}, {.account = Account::Unprivileged}).exitStatus,
            kFailed);
}

}  // namespace
}  // namespace zolt::test
