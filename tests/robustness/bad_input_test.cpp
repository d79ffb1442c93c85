// Bad input end to end: each case runs the zoltasm binary on a source that a
// user's editor or file system could hand it, and checks the message and its
// cause, the exit status, the files left behind and that the source survived.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "zoltasm_process.h"

namespace zolt::robustness {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr int kClean = 0;
constexpr int kLinesInError = 1;
constexpr int kFailed = 2;
constexpr std::string_view kErrorLine = "---------------Error------------------\r\n";

std::string Repeat(std::string_view text, std::size_t times) {
  std::string out;
  out.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) out.append(text);
  return out;
}

std::string Header(const std::string& listingPath) {
  return "Filemane:" + listingPath + "\r\n\r\naddr    code            line    Source Text\r\n";
}

std::string Failure(const std::string& source, std::optional<int> line, const std::string& cause) {
  return "文件不能打开!\n" + source + (line ? ":" + std::to_string(*line) : "") +
         ": error: " + cause + "\n";
}

// What a file looked like, to prove a run left it alone.
struct FileState {
  std::string bytes;
  fs::perms perms;
  fs::file_time_type written;
  friend bool operator==(const FileState&, const FileState&) = default;
};

FileState StateOf(const std::string& path) {
  return {ReadFile(path), fs::status(path).permissions(), fs::last_write_time(path)};
}

class BadInput : public ::testing::Test {
 protected:
  // The names in the scratch folder (and below it), sorted.
  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder_.Path())) {
      names.insert(entry.path().lexically_relative(folder_.Path()).string());
    }
    return names;
  }

  std::string Path(std::string_view name) const { return folder_ / name; }

  ScratchFolder folder_;
};

// ---------------------------------------------------------------------------
// Sources whose content is the trouble: one row a case.

struct ContentCase {
  const char* name;
  std::string source;
  int status;
  std::string out;
  // Standard error with "{src}" standing for the source path.
  std::string err;
  // The listing after its header and the object file; none of either when a
  // run fails before opening them.
  std::optional<std::string> listingBody;
  std::optional<std::string> object;
};

std::string OneWordLines(int count, std::string_view code, std::string_view text) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    out += " " + std::to_string(i) + " \t" + std::string(code) + "\t\t " + std::to_string(i + 1) +
           "\t" + std::string(text) + "\r\n";
  }
  return out;
}

std::string Garbage(std::size_t size) {
  std::mt19937 random(20261206);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::vector<ContentCase> ContentCases() {
  const std::string tenMegabyteComment = "; " + std::string(10 << 20, 'x');
  const std::string nop = "NOP";
  return {
      {"NulBytes", "NOP\0\0\nHALT\nNOP \0\0\0\n"s, kLinesInError, "发现 1处错误\n",
       "{src}:1: error: 'NOP\0\0' is not a statement\n"s,
       "\t\t\t 1\tNOP\0\0\r\n"s + std::string(kErrorLine) + " 0 \tF000\t\t 2\tHALT\r\n" +
           " 1 \tE000\t\t 3\tNOP \0\0\0\r\n"s,
       "&hF000\r\n&hE000\r\n"},
      {"TenMegabyteLine", tenMegabyteComment, kClean, "编译完成\n", "",
       "\t\t\t 1\t" + tenMegabyteComment + "\r\n", ""},
      {"TenMegabyteNumber", "DL " + std::string(10 << 20, '0') + "1", kClean, "编译完成\n", "",
       " 0 \t9001\t\t 1\tDL " + std::string(10 << 20, '0') + "1\r\n", "&h9001\r\n"},
      {"MostLines", Repeat("NOP\n", 32767), kClean, "编译完成\n", "",
       OneWordLines(32767, "E000", nop), Repeat("&hE000\r\n", 32767)},
      {"OneLineTooMany", Repeat("NOP\n", 32767) + "NOP", kFailed, "",
       Failure("{src}", std::nullopt, "the source has more than 32767 lines"), std::nullopt,
       std::nullopt},
      {"MegabyteOfBlanksOnOneLine", Repeat(" \t", 1 << 19), kClean, "编译完成\n", "", "", ""},
      {"MegabyteOfBlankLines", Repeat(Repeat("\t ", 50) + "\r\n", 10000), kClean, "编译完成\n", "",
       "", ""},
      {"BlockPastTheEnd", "BOUT 200\n1\n2\n", kFailed, "",
       Failure("{src}", 1, "the BOUT block of 200 lines runs past the end of the source"),
       " 0 \tE8C8\t\t 1\tBOUT 200\r\n 1 \t1\t\t 2\t1\r\n 2 \t2\t\t 3\t2\r\n",
       "&hE8C8\r\n&h1\r\n&h2\r\n"},
      {"BlockAsLastLine", "NOP\nBOUT 255", kFailed, "",
       Failure("{src}", 2, "the BOUT block of 255 lines runs past the end of the source"),
       " 0 \tE000\t\t 1\tNOP\r\n 1 \tE8FF\t\t 2\tBOUT 255\r\n", "&hE000\r\n&hE8FF\r\n"},
      {"NegativeCount", "BOUT -5\nNOP\n", kLinesInError, "发现 1处错误\n",
       "{src}:1: error: BOUT count '-5' gives -5, outside 1 to 255; 1 used\n",
       " 0 \tE801\t\t 1\tBOUT -5\r\n" + std::string(kErrorLine) + " 1 \tE000\t\t 2\tNOP\r\n",
       "&hE801\r\n&hE000\r\n"},
      {"CountPastTheLastAddress", "NOP\nBOUT 40000\n", kFailed, "",
       Failure("{src}", 2, "the program passes address 32767"), "", ""},
      {"CountTooLargeForANumber", "BOUT 1E10\n", kFailed, "",
       Failure("{src}", 1, "'1E10' is too large"), "", ""},
      {"NegativeCountTooLarge", "BOUT -1E10\n", kFailed, "",
       Failure("{src}", 1, "'-1E10' is too large"), "", ""},
      {"HexCountTooLarge", "BOUT &HFFFFFFFF\n", kFailed, "",
       Failure("{src}", 1, "'&HFFFFFFFF' is too large"), "", ""},
      {"CountOfManyDigits", "BOUT " + std::string(400, '9') + "\n", kFailed, "",
       Failure("{src}", 1, "'" + std::string(400, '9') + "' is too large"), "", ""},
  };
}

void PrintTo(const ContentCase& c, std::ostream* os) {
  *os << c.name;
}

class ContentTest : public BadInput, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(ContentTest, GivesItsOutcome) {
  const ContentCase& c = GetParam();
  const std::string source = Path("prog.ZOL");
  WriteFile(source, c.source);
  const FileState before = StateOf(source);

  const ProcessResult result = RunZoltasm({source});

  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.exitStatus, c.status);
  EXPECT_EQ(result.out, c.out);
  std::string err = c.err;
  for (std::size_t at; (at = err.find("{src}")) != std::string::npos;) err.replace(at, 5, source);
  EXPECT_EQ(result.err, err);
  EXPECT_TRUE(StateOf(source) == before) << "the source changed";
  if (c.listingBody) {
    EXPECT_EQ(Files(), (std::set<std::string>{"prog.ZOL", "prog.lst", "prog.obj"}));
    // Compared whole but reported briefly: the big cases run to megabytes.
    const std::string listing = ReadFile(Path("prog.lst"));
    const std::string expected = Header(Path("prog.lst")) + *c.listingBody;
    EXPECT_TRUE(listing == expected)
        << "listing differs from byte "
        << std::mismatch(listing.begin(), listing.end(), expected.begin(), expected.end()).first -
               listing.begin();
    EXPECT_TRUE(ReadFile(Path("prog.obj")) == *c.object) << "object file differs";
  } else {
    EXPECT_EQ(Files(), std::set<std::string>{"prog.ZOL"});
  }
}

INSTANTIATE_TEST_SUITE_P(Sources, ContentTest, ::testing::ValuesIn(ContentCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Random bytes: lines of them are not statements, and none of that may crash
// the run, hide a line in error or touch the source.
TEST_F(BadInput, BinaryGarbage) {
  const std::string source = Path("prog.ZOL");
  WriteFile(source, Garbage(1 << 16));
  const FileState before = StateOf(source);

  const ProcessResult result = RunZoltasm({source});

  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.exitStatus, kLinesInError);
  EXPECT_TRUE(result.out.starts_with("发现 ")) << result.out;
  std::size_t lines = 0;
  for (std::size_t at = 0; at < result.err.size(); at = result.err.find('\n', at) + 1, ++lines) {
    EXPECT_EQ(result.err.compare(at, source.size() + 1, source + ":"), 0) << result.err;
  }
  EXPECT_GT(lines, 0u);
  EXPECT_TRUE(StateOf(source) == before);
  EXPECT_EQ(Files(), (std::set<std::string>{"prog.ZOL", "prog.lst", "prog.obj"}));
  EXPECT_TRUE(ReadFile(Path("prog.lst")).starts_with(Header(Path("prog.lst"))));
}

// ---------------------------------------------------------------------------
// Sources that cannot be read.

TEST_F(BadInput, MissingFile) {
  const std::string source = Path("missing.ZOL");
  const ProcessResult result = RunZoltasm({source});
  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, Failure(source, std::nullopt,
                                "cannot open '" + source + "': No such file or directory"));
  EXPECT_TRUE(Files().empty());
}

TEST_F(BadInput, Directory) {
  const std::string source = Path("folder.ZOL");
  fs::create_directory(source);
  const ProcessResult result = RunZoltasm({source});
  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_EQ(result.err,
            Failure(source, std::nullopt, "cannot read '" + source + "': it is a directory"));
  EXPECT_EQ(Files(), std::set<std::string>{"folder.ZOL"});
}

TEST_F(BadInput, SourceWithoutReadPermission) {
  const std::string source = Path("prog.ZOL");
  WriteFile(source, "NOP\n");
  const FileState before = StateOf(source);
  fs::permissions(source, fs::perms::owner_write);

  const ProcessResult result = RunZoltasm({source}, Account::Unprivileged);

  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_EQ(result.err,
            Failure(source, std::nullopt, "cannot open '" + source + "': Permission denied"));
  EXPECT_EQ(Files(), std::set<std::string>{"prog.ZOL"});
  EXPECT_EQ(fs::status(source).permissions(), fs::perms::owner_write);
  fs::permissions(source, before.perms);
  EXPECT_TRUE(StateOf(source) == before);
}

TEST_F(BadInput, DanglingSymbolicLink) {
  const std::string source = Path("link.ZOL");
  fs::create_symlink("nowhere.ZOL", source);
  const ProcessResult result = RunZoltasm({source});
  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_EQ(result.err, Failure(source, std::nullopt,
                                "cannot open '" + source + "': No such file or directory"));
  EXPECT_EQ(Files(), std::set<std::string>{"link.ZOL"});
}

// ---------------------------------------------------------------------------
// Outputs that cannot be written.

TEST_F(BadInput, OutputFolderWithoutWritePermission) {
  fs::create_directory(Path("locked"));
  const std::string source = Path("locked/prog.ZOL");
  WriteFile(source, "NOP\n");
  fs::permissions(Path("locked"), fs::perms::owner_read | fs::perms::owner_exec |
                                      fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
  const FileState before = StateOf(source);

  const ProcessResult result = RunZoltasm({source}, Account::Unprivileged);

  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_EQ(result.err,
            Failure(source, std::nullopt,
                    "cannot create '" + Path("locked/prog.lst") + "': Permission denied"));
  EXPECT_EQ(Files(), (std::set<std::string>{"locked", "locked/prog.ZOL"}));
  EXPECT_TRUE(StateOf(source) == before);
}

TEST_F(BadInput, ReadOnlyListing) {
  const std::string source = Path("prog.ZOL");
  WriteFile(source, "NOP\n");
  WriteFile(Path("prog.lst"), "an earlier listing\r\n");
  fs::permissions(Path("prog.lst"),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const FileState before = StateOf(source);
  const FileState listingBefore = StateOf(Path("prog.lst"));

  const ProcessResult result = RunZoltasm({source}, Account::Unprivileged);

  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_EQ(result.err, Failure(source, std::nullopt,
                                "cannot create '" + Path("prog.lst") + "': Permission denied"));
  EXPECT_EQ(Files(), (std::set<std::string>{"prog.ZOL", "prog.lst"}));
  EXPECT_TRUE(StateOf(Path("prog.lst")) == listingBefore) << "the read-only listing changed";
  EXPECT_TRUE(StateOf(source) == before);
}

TEST_F(BadInput, ReadOnlyObjectFile) {
  const std::string source = Path("prog.ZOL");
  WriteFile(source, "NOP\n");
  WriteFile(Path("prog.obj"), "&hF000\r\n");
  fs::permissions(Path("prog.obj"),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const FileState objectBefore = StateOf(Path("prog.obj"));

  const ProcessResult result = RunZoltasm({source}, Account::Unprivileged);

  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_EQ(result.err, Failure(source, std::nullopt,
                                "cannot create '" + Path("prog.obj") + "': Permission denied"));
  // The listing was opened first, so it stands there, empty.
  EXPECT_EQ(Files(), (std::set<std::string>{"prog.ZOL", "prog.lst", "prog.obj"}));
  EXPECT_EQ(ReadFile(Path("prog.lst")), "");
  EXPECT_TRUE(StateOf(Path("prog.obj")) == objectBefore);
}

// A folder of its own on a small tmpfs, unmounted when the test ends.
class SmallDisk {
 public:
  SmallDisk(std::string path, std::size_t bytes) : path_(std::move(path)) {
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
  // Why the disk could not be mounted, or empty.
  const std::string& Failure() const { return failure_; }

 private:
  std::string path_;
  std::string failure_;
};

TEST_F(BadInput, FullDisk) {
  SmallDisk disk(Path("disk"), 128 << 10);
  if (!disk.Failure().empty()) {
    GTEST_SKIP() << "a full disk needs a small tmpfs, and mounting one needs root and the right "
                    "to mount here: "
                 << disk.Failure();
  }
  // 80 KB of source leaves about 48 KB free, and its listing is about 500 KB.
  const std::string source = Path("disk/prog.ZOL");
  WriteFile(source, Repeat("NOP\n", 20000));
  const FileState before = StateOf(source);

  const ProcessResult result = RunZoltasm({source});

  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_TRUE(result.err.starts_with("文件不能打开!\n" + source + ":")) << result.err;
  EXPECT_TRUE(result.err.ends_with(": error: cannot write '" + Path("disk/prog.lst") +
                                   "': No space left on device\n"))
      << result.err;
  EXPECT_TRUE(StateOf(source) == before);
  // What was written before the disk filled up stays there.
  EXPECT_TRUE(ReadFile(Path("disk/prog.lst")).starts_with(Header(Path("disk/prog.lst"))));
  EXPECT_TRUE(fs::exists(Path("disk/prog.obj")));
}

// ---------------------------------------------------------------------------
// Paths that lead back to the source.

class OutputNamedLikeSource : public BadInput, public ::testing::WithParamInterface<const char*> {};

TEST_P(OutputNamedLikeSource, IsRefused) {
  const std::string name = GetParam();
  const std::string source = Path(name);
  WriteFile(source, "NOP\n");
  const FileState before = StateOf(source);

  const ProcessResult result = RunZoltasm({source});

  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_EQ(result.err, Failure(source, std::nullopt,
                                "the output file '" + source + "' would overwrite the source"));
  EXPECT_EQ(Files(), std::set<std::string>{name});
  EXPECT_TRUE(StateOf(source) == before);
}

INSTANTIATE_TEST_SUITE_P(Names, OutputNamedLikeSource, ::testing::Values("prog.lst", "prog.obj"),
                         [](const auto& info) { return std::string(info.param).substr(5); });

TEST_F(BadInput, SymbolicLinkAsSource) {
  fs::create_directory(Path("real"));
  WriteFile(Path("real/prog.ZOL"), "NOP\n");
  fs::create_symlink("real/prog.ZOL", Path("link.ZOL"));
  const FileState before = StateOf(Path("real/prog.ZOL"));

  const ProcessResult result = RunZoltasm({Path("link.ZOL")});

  // The outputs go beside the path the user named, not beside its target.
  EXPECT_EQ(result.exitStatus, kClean);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(Files(),
            (std::set<std::string>{"link.ZOL", "link.lst", "link.obj", "real", "real/prog.ZOL"}));
  EXPECT_TRUE(fs::is_symlink(Path("link.ZOL")));
  EXPECT_EQ(ReadFile(Path("link.lst")), Header(Path("link.lst")) + " 0 \tE000\t\t 1\tNOP\r\n");
  EXPECT_EQ(ReadFile(Path("link.obj")), "&hE000\r\n");
  EXPECT_TRUE(StateOf(Path("real/prog.ZOL")) == before);
}

TEST_F(BadInput, ListingPathLinkedToTheSource) {
  const std::string source = Path("prog.ZOL");
  WriteFile(source, "NOP\n");
  fs::create_symlink("prog.ZOL", Path("prog.lst"));
  const FileState before = StateOf(source);

  const ProcessResult result = RunZoltasm({source});

  EXPECT_EQ(result.exitStatus, kFailed);
  EXPECT_EQ(result.err,
            Failure(source, std::nullopt,
                    "the output file '" + Path("prog.lst") + "' would overwrite the source"));
  EXPECT_EQ(Files(), (std::set<std::string>{"prog.ZOL", "prog.lst"}));
  EXPECT_TRUE(StateOf(source) == before);
}

// An unprivileged run that really is unprivileged, or the permission cases
// above would prove nothing when the tests run as root.
TEST_F(BadInput, UnprivilegedRunsCannotReadWhatTheyMayNot) {
  if (!DropsPrivileges()) GTEST_SKIP() << "not running as root: runs keep the current account";
  const std::string source = Path("prog.ZOL");
  WriteFile(source, "NOP\n");
  fs::permissions(source, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(RunZoltasm({source}).exitStatus, kClean);
  EXPECT_EQ(RunZoltasm({source}, Account::Unprivileged).exitStatus, kFailed);
}

}  // namespace
}  // namespace zolt::robustness
