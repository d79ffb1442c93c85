// Bad input end to end: each row lays out what a user's editor or file
// system could hand zoltasm, runs the binary on it and checks the exit
// status, both streams and the files left behind. In every row the run must
// end by itself (no signal, no hang) and every file that was there before
// must be unchanged.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
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
constexpr int kFailed = 2;

std::string Repeat(std::string_view text, std::size_t times) {
  std::string out;
  for (std::size_t i = 0; i < times; ++i) out.append(text);
  return out;
}

// One thing a row puts in the scratch folder, in order.
struct Entry {
  enum Kind { File, Folder, Link, HardLink, Pipe, Sparse, SmallDisk } kind;
  std::string name;
  // A file's bytes, a link's target; a sparse file's or a disk's size.
  std::string content{};
  std::uintmax_t size = 0;
  // Rights taken away, then given, once it is made.
  fs::perms removed = fs::perms::none;
  fs::perms added = fs::perms::none;
};

// What a run printed and returned; in err "{dir}" stands for the scratch
// folder and "{line}" for any line number.
struct Outcome {
  int status;
  std::string out;
  std::string err;
};

struct Row {
  const char* name;
  std::vector<Entry> layout;
  Outcome outcome;
  // Every name in the folder after the run.
  std::set<std::string> files;
  // "{dir}/prog.ZOL" when empty.
  std::vector<std::string> arguments{};
  // A working folder is taken below the scratch folder.
  ProcessOptions options{};
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
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

std::string Expand(std::string text, const std::string& dir) {
  for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, dir);
  return text;
}

class BadInput : public testing::TestWithParam<Row> {
 protected:
  ~BadInput() override {
    if (mounted_) umount2(mounted_->c_str(), MNT_DETACH);
  }

  // Lays out the row's entries; returns why it cannot be done here, if so.
  std::string LayOut(const std::vector<Entry>& layout) {
    for (const Entry& entry : layout) {
      const fs::path path = folder_.Path() / entry.name;
      switch (entry.kind) {
        case Entry::File:
          WriteFile(path, entry.content);
          break;
        case Entry::Folder:
          fs::create_directory(path);
          break;
        case Entry::Link:
          fs::create_symlink(entry.content, path);
          break;
        case Entry::HardLink:
          fs::create_hard_link(folder_.Path() / entry.content, path);
          break;
        case Entry::Pipe:
          mkfifo(path.c_str(), 0600);
          break;
        case Entry::Sparse:
          WriteFile(path, entry.content);
          fs::resize_file(path, entry.size);
          break;
        case Entry::SmallDisk: {
          fs::create_directory(path);
          const std::string options = "size=" + std::to_string(entry.size) + ",mode=0777";
          if (mount("zolt-full", path.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            return "a full disk needs a small tmpfs, which needs the right to mount: "s +
                   std::strerror(errno);
          }
          mounted_ = path;
          break;
        }
      }
      if (entry.removed != fs::perms::none) {
        fs::permissions(path, entry.removed, fs::perm_options::remove);
      }
      if (entry.added != fs::perms::none) fs::permissions(path, entry.added, fs::perm_options::add);
    }
    return {};
  }

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
  std::optional<fs::path> mounted_;
};

// A failed run's outcome, after what the sources before it printed.
Outcome Failed(std::string_view where, std::string_view cause, std::string out = "") {
  return {kFailed, std::move(out),
          std::string(where) + ": fatal error: " + std::string(cause) + "\nassembly stopped.\n"};
}

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

Entry Source(std::string bytes) {
  return {Entry::File, "prog.ZOL", std::move(bytes)};
}

const Entry kNop = Source("NOP\n");
const std::set<std::string> kAllThree = {"prog.ZOL", "prog.lst", "prog.obj"};
const std::set<std::string> kOnlySource = {"prog.ZOL"};
const std::string kSource = "{dir}/prog.ZOL";
const std::string kNotRegular = "it is not a regular file but a device, a pipe or a socket";
const std::string kOneFile =
    "the output files '{dir}/prog.lst' and '{dir}/prog.obj' are one file";
constexpr fs::perms kWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
const ProcessOptions kUnprivileged{.account = Account::Unprivileged};

const Entry kObject{Entry::File, "prog.obj", "&hE000\r\n&hB800\t&h0\r\n"};
const std::string kObjectPath = "{dir}/prog.obj";
// Its source is about 260 KB: more than a pipe holds or a small disk takes.
const Entry kBigObject{Entry::File, "prog.obj", Repeat("&hE000\r\n", 20000)};

Outcome NotDisassembled(const std::string& where, const std::string& cause) {
  return {kFailed, "",
          kObjectPath + where + ": fatal error: " + cause + "\ndisassembly stopped.\n"};
}

std::vector<Row> Rows() {
  const Outcome done{kClean, "编译完成\n", ""};
  return {
      // Sources too big or too odd for a case file.
      {"TenMegabyteLine", {Source("; " + std::string(10 << 20, 'x'))}, done, kAllThree},
      {"TenMegabyteNumber", {Source("DL " + std::string(10 << 20, '0') + "1")}, done, kAllThree},
      // A number is judged by its true value, however many digits either
      // part has: 1E399 is too large, 1E-400 is 0.
      {"LongMantissaLongExponent",
       {Source("GOTO 0." + std::string(2000000, '0') + "1E+2000400\n")},
       Failed(kSource + ":{line}", "'0." + std::string(58, '0') + "…' is too large"),
       kAllThree},
      {"LongMantissaNegativeExponent",
       {Source("DL 1" + std::string(2000000, '0') + "E-2000400\n")},
       {1, "发现 1处错误\n",
        kSource + ":1:4: error: DL operand '1" + std::string(59, '0') +
            "…' gives 0, outside 1 to 255; 1 used\n"},
       kAllThree},
      {"OneLineTooMany",
       {Source(Repeat("NOP\n", 32767) + "NOP")},
       Failed(kSource, "the source has more than 32767 lines"),
       kOnlySource},
      {"EmptyPathAfterASource",
       {kNop},
       Failed("", "no source is named: the path is empty", "编译完成\n"),
       kAllThree,
       {kSource, ""}},
      {"WorkingFolderDeleted",
       {{Entry::Folder, "gone"}},
       Failed("prog.ZOL", "cannot find the working folder: No such file or directory"),
       {},
       {"prog.ZOL"},
       {.folder = "gone", .removeFolder = true}},
      {"OutOfMemory",
       {Source(Repeat("NOP\n", 20 << 20))},
       Failed(kSource, "there is not enough memory for this source"),
       kOnlySource,
       {},
       {.memory = std::size_t{64} << 20}},

      // What messages quote stays one short line that acts on no terminal.
      {"EscapeSequenceInSource",
       {Source("\x1B]0;PWNED\x07\n")},
       {1, "发现 1处错误\n", kSource + ":1:1: error: '\\x1B]0;PWNED\\x07' is not a statement\n"},
       kAllThree},
      {"NewlineInPath",
       {{Entry::File, "a\nb.ZOL", "FOO\n"}},
       {1, "发现 1处错误\n", "{dir}/a\\x0Ab.ZOL:1:1: error: 'FOO' is not a statement\n"},
       {"a\nb.ZOL", "a\nb.lst", "a\nb.obj"},
       {"{dir}/a\nb.ZOL"}},
      {"HundredMegabyteWord",
       {Source("FOO" + std::string(100 << 20, 'X'))},
       {1, "发现 1处错误\n",
        kSource + ":1:1: error: 'FOO" + std::string(57, 'X') + "…' is not a statement\n"},
       kAllThree},
      {"LargestSourceOfZeros",
       {{Entry::Sparse, "prog.ZOL", "", std::uintmax_t{256} << 20}},
       {1, "发现 1处错误\n",
        kSource + ":1:1: error: '" + Repeat("\\x00", 60) + "…' is not a statement\n"},
       kAllThree},

      // Sources that cannot be read, or are not worth reading.
      {"MissingFile",
       {},
       Failed(kSource, "cannot open '{dir}/prog.ZOL': No such file or directory"),
       {}},
      {"Directory",
       {{Entry::Folder, "prog.ZOL"}},
       Failed(kSource, "cannot read '{dir}/prog.ZOL': it is a directory"),
       kOnlySource},
      {"SourceWithoutReadPermission",
       {{Entry::File, "prog.ZOL", "NOP\n", 0, fs::perms::all}},
       Failed(kSource, "cannot open '{dir}/prog.ZOL': Permission denied"),
       kOnlySource,
       {},
       kUnprivileged},
      {"DanglingSymbolicLink",
       {{Entry::Link, "prog.ZOL", "nowhere.ZOL"}},
       Failed(kSource, "cannot open '{dir}/prog.ZOL': No such file or directory"),
       kOnlySource},
      {"ReadError",
       {},
       Failed("/proc/self/mem", "cannot read '/proc/self/mem': Input/output error"),
       {},
       {"/proc/self/mem"}},
      {"EndlessDevice",
       {},
       Failed("/dev/zero", "cannot read '/dev/zero': " + kNotRegular),
       {},
       {"/dev/zero"}},
      {"StandardInput",
       {},
       Failed("/dev/stdin", "cannot read '/dev/stdin': " + kNotRegular),
       {},
       {"/dev/stdin"}},
      {"PipeWithoutWriter",
       {{Entry::Pipe, "prog.ZOL"}},
       Failed(kSource, "cannot read '{dir}/prog.ZOL': " + kNotRegular),
       kOnlySource},
      {"HundredGigabytesSparse",
       {{Entry::Sparse, "prog.ZOL", "NOP\n", std::uintmax_t{100} << 30}},
       Failed(kSource, "cannot read '{dir}/prog.ZOL': it is larger than 256 MiB"),
       kOnlySource},

      // Outputs that cannot be written; what was there stays as it was.
      {"OutputFolderWithoutWritePermission",
       {{Entry::Folder, "locked"},
        {Entry::File, "locked/prog.ZOL", "NOP\n"},
        {Entry::Folder, "locked", "", 0, kWrite}},
       Failed("{dir}/locked/prog.ZOL", "cannot create '{dir}/locked/prog.lst': Permission denied"),
       {"locked", "locked/prog.ZOL"},
       {"{dir}/locked/prog.ZOL"},
       kUnprivileged},
      {"ReadOnlyListing",
       {kNop, {Entry::File, "prog.lst", "an earlier listing\r\n", 0, kWrite}},
       Failed(kSource, "cannot create '{dir}/prog.lst': Permission denied"),
       {"prog.ZOL", "prog.lst"},
       {},
       kUnprivileged},
      // Neither output is emptied unless both can be written: the earlier
      // listing stays as it was.
      {"ReadOnlyObjectFile",
       {kNop,
        {Entry::File, "prog.lst", "an earlier listing\r\n", 0, fs::perms::none, kWrite},
        {Entry::File, "prog.obj", "&hF000\r\n", 0, kWrite}},
       Failed(kSource, "cannot create '{dir}/prog.obj': Permission denied"),
       kAllThree,
       {},
       kUnprivileged},
      {"ListingIsAPipe",
       {kNop, {Entry::Pipe, "prog.lst"}},
       Failed(kSource, "the output file '{dir}/prog.lst' is not a regular file"),
       {"prog.ZOL", "prog.lst"}},
      // 80 KB of source leaves about 48 KB free, and its listing is about
      // 500 KB; what was written before the disk filled up stays there.
      {"FullDisk",
       {{Entry::SmallDisk, "disk", "", 128 << 10},
        {Entry::File, "disk/prog.ZOL", Repeat("NOP\n", 20000)}},
       Failed("{dir}/disk/prog.ZOL:{line}",
              "cannot write '{dir}/disk/prog.lst': No space left on device"),
       {"disk", "disk/prog.ZOL", "disk/prog.lst", "disk/prog.obj"},
       {"{dir}/disk/prog.ZOL"}},
      // Here all of it fits the write buffers, so the disk fills up only as
      // the run closes its files: still a failed run, with no line to blame.
      {"FullDiskAtTheEnd",
       {{Entry::SmallDisk, "disk", "", 16 << 10},
        {Entry::File, "disk/prog.ZOL", Repeat("NOP\n", 1000)}},
       Failed("{dir}/disk/prog.ZOL", "cannot write '{dir}/disk/prog.lst': No space left on device"),
       {"disk", "disk/prog.ZOL", "disk/prog.lst", "disk/prog.obj"},
       {"{dir}/disk/prog.ZOL"}},

      // Writes that fail: each fails its own run, never the program, and a
      // status line that could not be written fails the whole command.
      {"FileSizeLimit",
       {{Entry::File, "big.ZOL", Repeat("NOP\n", 20000)}, {Entry::File, "small.ZOL", "NOP\n"}},
       {kFailed, "编译完成\n",
        "{dir}/big.ZOL:{line}: fatal error: cannot write '{dir}/big.lst': File too large\n"
        "assembly stopped.\n"},
       {"big.ZOL", "big.lst", "big.obj", "small.ZOL", "small.lst", "small.obj"},
       {"{dir}/big.ZOL", "{dir}/small.ZOL"},
       {.fileSize = 100 << 10}},
      {"StandardOutputReadByNobody",
       {kNop, {Entry::File, "two.ZOL", "NOP\n"}},
       {kFailed, "", "zoltasm: error: cannot write to standard output: Broken pipe\n"},
       {"prog.ZOL", "prog.lst", "prog.obj", "two.ZOL", "two.lst", "two.obj"},
       {kSource, "{dir}/two.ZOL"},
       {.output = ProcessOptions::Output::ClosedPipe}},
      {"StandardOutputOnAFullDisk",
       {kNop},
       {kFailed, "", "zoltasm: error: cannot write to standard output: No space left on device\n"},
       kAllThree,
       {},
       {.output = ProcessOptions::Output::Full}},
      {"StandardOutputClosed",
       {kNop},
       {kFailed, "", "zoltasm: error: cannot write to standard output: Bad file descriptor\n"},
       kAllThree,
       {},
       {.output = ProcessOptions::Output::Closed}},

      // Paths whose outputs would land elsewhere than beside the source.
      {"NameOfTwoCharacters",
       {{Entry::Folder, "sub"}, {Entry::File, "sub/ab", "NOP\n"}},
       Failed("{dir}/sub/ab", TooShort("{dir}/sub/ab")),
       {"sub", "sub/ab"},
       {"{dir}/sub/ab"}},
      {"NameOfTwoStrayBytes",
       {{Entry::Folder, "sub"}, {Entry::File, "sub/\x80\xBF", "NOP\n"}},
       Failed("{dir}/sub/\\x80\\xBF", TooShort("{dir}/sub/\\x80\\xBF")),
       {"sub", "sub/\x80\xBF"},
       {"{dir}/sub/\x80\xBF"}},
      {"NameOfThreeStrayBytes",
       {{Entry::Folder, "sub"}, {Entry::File, "sub/\x80\x80\x80", "NOP\n"}},
       done,
       {"sub", "sub/\x80\x80\x80", "sub/lst", "sub/obj"},
       {"{dir}/sub/\x80\x80\x80"}},

      // Paths that lead back to the source, or to the other output.
      {"SymbolicLinkAsSource",
       {{Entry::Folder, "real"},
        {Entry::File, "real/prog.ZOL", "NOP\n"},
        {Entry::Link, "prog.ZOL", "real/prog.ZOL"}},
       done,
       {"prog.ZOL", "prog.lst", "prog.obj", "real", "real/prog.ZOL"}},
      {"ListingPathLinkedToTheSource",
       {kNop, {Entry::Link, "prog.lst", "prog.ZOL"}},
       Failed(kSource, "the output file '{dir}/prog.lst' would overwrite the source"),
       {"prog.ZOL", "prog.lst"}},
      {"ObjectLinkedToTheListing",
       {kNop,
        {Entry::File, "prog.lst", "an earlier listing\r\n"},
        {Entry::Link, "prog.obj", "prog.lst"}},
       Failed(kSource, kOneFile),
       kAllThree},
      {"ObjectLinkedToAListingYetToBe",
       {kNop, {Entry::Link, "prog.obj", "prog.lst"}},
       Failed(kSource, kOneFile),
       {"prog.ZOL", "prog.obj"}},
      {"OutputsLinkedToEachOther",
       {kNop, {Entry::Link, "prog.lst", "prog.obj"}, {Entry::Link, "prog.obj", "prog.lst"}},
       Failed(kSource, "cannot create '{dir}/prog.lst': Too many levels of symbolic links"),
       kAllThree},
      {"ObjectHardLinkedToTheListing",
       {kNop,
        {Entry::File, "prog.lst", "an earlier listing\r\n"},
        {Entry::HardLink, "prog.obj", "prog.lst"}},
       Failed(kSource, kOneFile),
       kAllThree},

      // A disassembly is written whole or not at all.
      {"DisassembledIntoAFile",
       {kObject},
       {kClean, "", ""},
       {"prog.obj", "back.ZOL"},
       {"--disassemble", kObjectPath, "-o", "{dir}/back.ZOL"}},
      {"DisassemblyOfNoObjectFile",
       {{Entry::File, "prog.obj", "NOP\r\n"}},
       NotDisassembled(":1:1",
                       "'NOP' is not a code word; a code word is &h and hexadecimal digits, "
                       "as in &hE000, and a line holds one, or two separated by a tab"),
       {"prog.obj"},
       {"--disassemble", kObjectPath, "-o", "{dir}/back.ZOL"}},
      {"DisassemblyOntoItsObjectFile",
       {kObject},
       NotDisassembled("", "the output file '{dir}/./prog.obj' would overwrite the object file"),
       {"prog.obj"},
       {"--disassemble", kObjectPath, "-o", "{dir}/./prog.obj"}},
      {"DisassemblyIntoAFolderWithoutWritePermission",
       {kObject, {Entry::Folder, "locked", "", 0, kWrite}},
       NotDisassembled("", "cannot create '{dir}/locked/back.ZOL': Permission denied"),
       {"prog.obj", "locked"},
       {"--disassemble", kObjectPath, "-o", "{dir}/locked/back.ZOL"},
       kUnprivileged},
      // A failed write leaves no fragment, and an earlier file as it was.
      {"DisassemblyOverTheFileSizeLimit",
       {kBigObject},
       NotDisassembled("", "cannot write '{dir}/back.ZOL': File too large"),
       {"prog.obj"},
       {"--disassemble", kObjectPath, "-o", "{dir}/back.ZOL"},
       {.fileSize = 100 << 10}},
      {"DisassemblyOverTheFileSizeLimitOntoAnEarlierFile",
       {kBigObject, {Entry::File, "back.ZOL", "an earlier source\r\n"}},
       NotDisassembled("", "cannot write '{dir}/back.ZOL': File too large"),
       {"prog.obj", "back.ZOL"},
       {"--disassemble", kObjectPath, "-o", "{dir}/back.ZOL"},
       {.fileSize = 100 << 10}},
      {"DisassemblyOnAFullDiskOntoAnEarlierFile",
       {kBigObject,
        {Entry::SmallDisk, "disk", "", 64 << 10},
        {Entry::File, "disk/back.ZOL", "an earlier source\r\n"}},
       NotDisassembled("", "cannot write '{dir}/disk/back.ZOL': No space left on device"),
       {"prog.obj", "disk", "disk/back.ZOL"},
       {"--disassemble", kObjectPath, "-o", "{dir}/disk/back.ZOL"}},
      // A pipe is waited for, however slowly it is read.
      {"DisassemblyIntoAPipeReadSlowly",
       {kBigObject},
       {kClean, Repeat("        NOP\r\n", 20000), ""},
       {"prog.obj"},
       {"--disassemble", kObjectPath, "-o", "/dev/stdout"},
       {.output = ProcessOptions::Output::SlowPipe}},
      {"DisassemblyReadByNobody",
       {kObject},
       NotDisassembled("", "cannot write to standard output: Broken pipe"),
       {"prog.obj"},
       {"--disassemble", kObjectPath},
       {.output = ProcessOptions::Output::ClosedPipe}},
  };
}

TEST_P(BadInput, EndsAsExpectedAndTouchesNothingElse) {
  const Row& row = GetParam();
  if (row.options.memory != 0 && kSanitized) {
    GTEST_SKIP() << "the sanitizers need more address space than the limit";
  }
  const std::string whyNot = LayOut(row.layout);
  if (!whyNot.empty()) GTEST_SKIP() << whyNot;
  const std::string dir = folder_.Path().string();
  std::vector<std::string> arguments;
  for (const std::string& argument : row.arguments) arguments.push_back(Expand(argument, dir));
  if (arguments.empty()) arguments.push_back(Expand(kSource, dir));
  ProcessOptions options = row.options;
  if (!options.folder.empty()) options.folder = folder_.Path() / options.folder;
  // The sanitized build reads a 256 MiB source several times slower; the
  // limit is there to catch a hang, not to time the run.
  if (kSanitized) options.seconds *= 3;
  const auto before = Files();

  const ProcessResult result = RunZoltasm(arguments, options);

  EXPECT_EQ(result.signal, 0);
  EXPECT_FALSE(result.hung);
  EXPECT_EQ(result.exitStatus, row.outcome.status);
  EXPECT_EQ(result.out, row.outcome.out);
  const std::string err = Expand(row.outcome.err, dir);
  const std::string actualErr = std::regex_replace(
      result.err, std::regex(":[0-9]+:[0-9]+: fatal error"), ":{line}: fatal error");
  EXPECT_EQ(err.find("{line}") == std::string::npos ? result.err : actualErr, err);
  const auto after = Files();
  std::set<std::string> names;
  for (const auto& [name, state] : after) names.insert(name);
  EXPECT_EQ(names, row.files);
  for (const auto& [name, state] : before) {
    EXPECT_TRUE(!after.contains(name) || after.at(name) == state) << name << " was changed";
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInput, testing::ValuesIn(Rows()),
                         [](const auto& info) { return std::string(info.param.name); });

// The source written to a file is the one written to standard output.
TEST(Disassembly, WritesTheSameSourceToAFile) {
  const ScratchFolder folder;
  WriteFile(folder / "prog.obj", kObject.content);
  const ProcessResult shown = RunZoltasm({"--disassemble", folder / "prog.obj"});
  EXPECT_EQ(shown.out, "L0000:\r\n        NOP\r\n        GOTO L0000\r\n");
  const ProcessResult written =
      RunZoltasm({"--disassemble", folder / "prog.obj", "-o", folder / "back.ZOL"});
  EXPECT_EQ(written.out, "");
  EXPECT_EQ(ReadFile(folder / "back.ZOL"), shown.out);
}

// The permission rows prove nothing unless runs as the unprivileged account
// really lose root's rights.
TEST(UnprivilegedRun, CannotReadWhatItMayNot) {
  if (!DropsPrivileges()) GTEST_SKIP() << "not running as root: runs keep the current account";
  const ScratchFolder folder;
  WriteFile(folder / "prog.ZOL", "NOP\n");
  fs::permissions(folder / "prog.ZOL", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(RunZoltasm({folder / "prog.ZOL"}).exitStatus, kClean);
  EXPECT_EQ(RunZoltasm({folder / "prog.ZOL"}, kUnprivileged).exitStatus, kFailed);
}

}  // namespace
}  // namespace zolt::test
