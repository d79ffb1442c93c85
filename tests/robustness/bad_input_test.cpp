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

// What a file looked like, to prove a run left it alone (its bytes when it is
// small enough to hold).
struct FileState {
  std::uintmax_t size;
  std::string bytes;
  fs::perms perms;
  fs::file_time_type written;
  friend bool operator==(const FileState&, const FileState&) = default;
};

class BadInput;

struct Row {
  const char* name;
  // Makes the files and sets the run's options; returns the arguments, or
  // nothing when the row cannot run here (the fixture says why).
  std::function<std::vector<std::string>(BadInput&, ProcessOptions&)> setup;
  int status;
  std::string out;
  // "{dir}" stands for the scratch folder, "{line}" for any line number.
  std::string err;
  // Every name in the folder after the run.
  std::set<std::string> files;
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
  // No arguments: the row cannot run here, for this reason.
  std::vector<std::string> Skip(const std::string& reason) {
    skipReason_ = reason;
    return {};
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
      std::error_code loop;
      if (!entry.is_symlink() && entry.is_regular_file(loop)) {
        const std::uintmax_t size = entry.file_size();
        files[name] = {size, size < (64 << 20) ? ReadFile(entry.path()) : "",
                       entry.status().permissions(), entry.last_write_time()};
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

using Setup = std::function<std::vector<std::string>(BadInput&, ProcessOptions&)>;

// A row whose setup writes one source, prog.ZOL, and names it.
Setup Source(std::string bytes) {
  return [bytes](BadInput& test, ProcessOptions&) {
    return std::vector{test.Write("prog.ZOL", bytes)};
  };
}

// A row that runs as an account without rights of its own.
Setup Unprivileged(std::function<std::vector<std::string>(BadInput&)> setup) {
  return [setup](BadInput& test, ProcessOptions& options) {
    options.account = Account::Unprivileged;
    return setup(test);
  };
}

// A row that names fixed arguments and makes nothing.
Setup Arguments(std::vector<std::string> arguments) {
  return [arguments](BadInput&, ProcessOptions&) { return arguments; };
}

// A row whose setup only makes files.
Setup Files(std::function<std::vector<std::string>(BadInput&)> setup) {
  return [setup](BadInput& test, ProcessOptions&) { return setup(test); };
}

const std::set<std::string> kAllThree = {"prog.ZOL", "prog.lst", "prog.obj"};
const std::string kNotRegular = "it is not a regular file but a device, a pipe or a socket";
const std::string kOneFile =
    "the listing '{dir}/prog.lst' and the object file '{dir}/prog.obj' are one file";

std::string TooShort(const std::string& path) {
  return "the file name of '" + path +
         "' is shorter than three characters, so its listing and object file cannot be named "
         "beside it";
}

#ifdef ZOLT_SANITIZE
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

std::vector<Row> Rows() {
  const std::string longLine = "; " + std::string(10 << 20, 'x');
  const std::string longNumber = "DL " + std::string(10 << 20, '0') + "1";
  const std::set<std::string> onlySource = {"prog.ZOL"};
  return {
      // Sources too big or too odd for a case file.
      {"TenMegabyteLine", Source(longLine), kClean, "编译完成\n", "", kAllThree},
      {"TenMegabyteNumber", Source(longNumber), kClean, "编译完成\n", "", kAllThree, "&h9001\r\n"},
      {"MostLines", Source(Repeat("NOP\n", 32767)), kClean, "编译完成\n", "", kAllThree},
      {"OneLineTooMany", Source(Repeat("NOP\n", 32767) + "NOP"), kFailed, "",
       Failure("{dir}/prog.ZOL", "the source has more than 32767 lines"), onlySource},
      {"MegabyteOfBlanksOnOneLine", Source(Repeat(" \t", 1 << 19)), kClean, "编译完成\n", "",
       kAllThree, ""},
      {"MegabyteOfBlankLines", Source(Repeat(Repeat("\t ", 50) + "\r\n", 10000)), kClean,
       "编译完成\n", "", kAllThree, ""},

      // Failures of the system underneath end the run like any other; the
      // sources before them keep their outcome.
      {"EmptyPathAfterASource",
       [](BadInput& t, ProcessOptions&) {
         return std::vector<std::string>{t.Write("prog.ZOL", "NOP"), ""};
       },
       kFailed, "编译完成\n", Failure("", "no source is named: the path is empty"), kAllThree},
      {"WorkingFolderDeleted",
       [](BadInput& t, ProcessOptions& options) {
         fs::create_directory(t.Path("gone"));
         options.folder = t.Path("gone");
         options.removeFolder = true;
         return std::vector<std::string>{"prog.ZOL"};
       },
       kFailed,
       "",
       Failure("prog.ZOL", "filesystem error: cannot get current path: No such file or directory"),
       {}},
      {"OutOfMemory",
       [](BadInput& t, ProcessOptions& options) {
         if (kSanitized) return t.Skip("the sanitizers need more address space than the limit");
         options.memory = std::size_t{64} << 20;
         return std::vector{t.Write("prog.ZOL", Repeat("NOP\n", 20 << 20))};
       },
       kFailed, "", Failure("{dir}/prog.ZOL", "there is not enough memory for this source"),
       onlySource},

      // Sources that cannot be read, or are not worth reading.
      {"MissingFile",
       Files([](BadInput& t) { return std::vector{t.Path("prog.ZOL")}; }),
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "cannot open '{dir}/prog.ZOL': No such file or directory"),
       {}},
      {"Directory", Files([](BadInput& t) {
         fs::create_directory(t.Path("prog.ZOL"));
         return std::vector{t.Path("prog.ZOL")};
       }),
       kFailed, "", Failure("{dir}/prog.ZOL", "cannot read '{dir}/prog.ZOL': it is a directory"),
       onlySource},
      {"SourceWithoutReadPermission", Unprivileged([](BadInput& t) {
         fs::permissions(t.Write("prog.ZOL", "NOP\n"), fs::perms::owner_write);
         return std::vector{t.Path("prog.ZOL")};
       }),
       kFailed, "", Failure("{dir}/prog.ZOL", "cannot open '{dir}/prog.ZOL': Permission denied"),
       onlySource},
      {"DanglingSymbolicLink", Files([](BadInput& t) {
         fs::create_symlink("nowhere.ZOL", t.Path("prog.ZOL"));
         return std::vector{t.Path("prog.ZOL")};
       }),
       kFailed, "",
       Failure("{dir}/prog.ZOL", "cannot open '{dir}/prog.ZOL': No such file or directory"),
       onlySource},
      {"ReadError",
       Arguments({"/proc/self/mem"}),
       kFailed,
       "",
       Failure("/proc/self/mem", "cannot read '/proc/self/mem': Input/output error"),
       {}},
      {"EndlessDevice",
       Arguments({"/dev/zero"}),
       kFailed,
       "",
       Failure("/dev/zero", "cannot read '/dev/zero': " + kNotRegular),
       {}},
      {"StandardInput",
       Arguments({"/dev/stdin"}),
       kFailed,
       "",
       Failure("/dev/stdin", "cannot read '/dev/stdin': " + kNotRegular),
       {}},
      {"PipeWithoutWriter", Files([](BadInput& t) {
         mkfifo(t.Path("prog.ZOL").c_str(), 0600);
         return std::vector{t.Path("prog.ZOL")};
       }),
       kFailed, "", Failure("{dir}/prog.ZOL", "cannot read '{dir}/prog.ZOL': " + kNotRegular),
       onlySource},
      {"HundredGigabytesSparse", Files([](BadInput& t) {
         fs::resize_file(t.Write("prog.ZOL", "NOP\n"), std::uintmax_t{100} << 30);
         return std::vector{t.Path("prog.ZOL")};
       }),
       kFailed, "",
       Failure("{dir}/prog.ZOL", "cannot read '{dir}/prog.ZOL': it is larger than 256 MiB"),
       onlySource},

      // Outputs that cannot be written; what was there stays as it was.
      {"OutputFolderWithoutWritePermission",
       Unprivileged([](BadInput& t) {
         fs::create_directory(t.Path("locked"));
         t.Write("locked/prog.ZOL", "NOP\n");
         fs::permissions(t.Path("locked"),
                         fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                         fs::perm_options::remove);
         return std::vector{t.Path("locked/prog.ZOL")};
       }),
       kFailed,
       "",
       Failure("{dir}/locked/prog.ZOL", "cannot create '{dir}/locked/prog.lst': Permission denied"),
       {"locked", "locked/prog.ZOL"}},
      {"ReadOnlyListing",
       Unprivileged([](BadInput& t) {
         fs::permissions(t.Write("prog.lst", "an earlier listing\r\n"), kReadOnly);
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       }),
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "cannot create '{dir}/prog.lst': Permission denied"),
       {"prog.ZOL", "prog.lst"}},
      // The listing was opened first, so it stands there, empty.
      {"ReadOnlyObjectFile", Unprivileged([](BadInput& t) {
         fs::permissions(t.Write("prog.obj", "&hF000\r\n"), kReadOnly);
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       }),
       kFailed, "", Failure("{dir}/prog.ZOL", "cannot create '{dir}/prog.obj': Permission denied"),
       kAllThree},
      {"ListingIsAPipe",
       Files([](BadInput& t) {
         mkfifo(t.Path("prog.lst").c_str(), 0600);
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       }),
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "the output file '{dir}/prog.lst' is not a regular file"),
       {"prog.ZOL", "prog.lst"}},
      // 80 KB of source leaves about 48 KB free, and its listing is about
      // 500 KB; what was written before the disk filled up stays there.
      {"FullDisk",
       Files([](BadInput& t) {
         if (!t.MountSmallDisk("disk", 128 << 10)) return std::vector<std::string>{};
         return std::vector{t.Write("disk/prog.ZOL", Repeat("NOP\n", 20000))};
       }),
       kFailed,
       "",
       Failure("{dir}/disk/prog.ZOL:{line}",
               "cannot write '{dir}/disk/prog.lst': No space left on device"),
       {"disk", "disk/prog.ZOL", "disk/prog.lst", "disk/prog.obj"}},

      // Here all of it fits the write buffers, so the disk fills up only as
      // the run closes its files: still a failed run, with no line to blame.
      {"FullDiskAtTheEnd",
       Files([](BadInput& t) {
         if (!t.MountSmallDisk("disk", 16 << 10)) return std::vector<std::string>{};
         return std::vector{t.Write("disk/prog.ZOL", Repeat("NOP\n", 1000))};
       }),
       kFailed,
       "",
       Failure("{dir}/disk/prog.ZOL",
               "cannot write '{dir}/disk/prog.lst': No space left on device"),
       {"disk", "disk/prog.ZOL", "disk/prog.lst", "disk/prog.obj"}},

      // Paths whose outputs would land elsewhere than beside the source.
      {"NameOfTwoCharacters",
       Files([](BadInput& t) {
         fs::create_directory(t.Path("sub"));
         return std::vector{t.Write("sub/ab", "NOP\n")};
       }),
       kFailed,
       "",
       Failure("{dir}/sub/ab", TooShort("{dir}/sub/ab")),
       {"sub", "sub/ab"}},
      {"NameOfTwoStrayBytes",
       Files([](BadInput& t) {
         fs::create_directory(t.Path("sub"));
         return std::vector{t.Write("sub/\x80\xBF", "NOP\n")};
       }),
       kFailed,
       "",
       Failure("{dir}/sub/\x80\xBF", TooShort("{dir}/sub/\x80\xBF")),
       {"sub", "sub/\x80\xBF"}},
      {"NameOfThreeStrayBytes",
       Files([](BadInput& t) {
         fs::create_directory(t.Path("sub"));
         return std::vector{t.Write("sub/\x80\x80\x80", "NOP\n")};
       }),
       kClean,
       "编译完成\n",
       "",
       {"sub", "sub/\x80\x80\x80", "sub/lst", "sub/obj"}},

      // Paths that lead back to the source, or to the other output.
      {"SymbolicLinkAsSource",
       Files([](BadInput& t) {
         fs::create_directory(t.Path("real"));
         t.Write("real/prog.ZOL", "NOP\n");
         fs::create_symlink("real/prog.ZOL", t.Path("prog.ZOL"));
         return std::vector{t.Path("prog.ZOL")};
       }),
       kClean,
       "编译完成\n",
       "",
       {"prog.ZOL", "prog.lst", "prog.obj", "real", "real/prog.ZOL"},
       "&hE000\r\n"},
      {"ListingPathLinkedToTheSource",
       Files([](BadInput& t) {
         fs::create_symlink("prog.ZOL", t.Path("prog.lst"));
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       }),
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", "the output file '{dir}/prog.lst' would overwrite the source"),
       {"prog.ZOL", "prog.lst"}},
      {"ObjectLinkedToTheListing", Files([](BadInput& t) {
         t.Write("prog.lst", "an earlier listing\r\n");
         fs::create_symlink("prog.lst", t.Path("prog.obj"));
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       }),
       kFailed, "", Failure("{dir}/prog.ZOL", kOneFile), kAllThree},
      {"ObjectLinkedToAListingYetToBe",
       Files([](BadInput& t) {
         fs::create_symlink("prog.lst", t.Path("prog.obj"));
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       }),
       kFailed,
       "",
       Failure("{dir}/prog.ZOL", kOneFile),
       {"prog.ZOL", "prog.obj"}},
      {"OutputsLinkedToEachOther", Files([](BadInput& t) {
         fs::create_symlink("prog.obj", t.Path("prog.lst"));
         fs::create_symlink("prog.lst", t.Path("prog.obj"));
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       }),
       kFailed, "",
       Failure("{dir}/prog.ZOL",
               "cannot create '{dir}/prog.lst': Too many levels of symbolic links"),
       kAllThree},
      {"ObjectHardLinkedToTheListing", Files([](BadInput& t) {
         fs::create_hard_link(t.Write("prog.lst", "an earlier listing\r\n"), t.Path("prog.obj"));
         return std::vector{t.Write("prog.ZOL", "NOP\n")};
       }),
       kFailed, "", Failure("{dir}/prog.ZOL", kOneFile), kAllThree},
  };
}

TEST_P(BadInput, EndsAsExpectedAndTouchesNothingElse) {
  const Row& row = GetParam();
  ProcessOptions options;
  const std::vector<std::string> arguments = row.setup(*this, options);
  if (arguments.empty()) GTEST_SKIP() << skipReason_;
  const auto before = Files();

  const ProcessResult result = RunZoltasm(arguments, options);

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
    EXPECT_TRUE(!after.contains(name) || after.at(name) == state) << name << " was changed";
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
