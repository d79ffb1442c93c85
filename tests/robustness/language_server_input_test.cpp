// The language server under a limit on its memory, end to end: zoltasm --lsp
// reads each row's stream from a file and must answer what it can, in order,
// and end with the stream, never on a signal.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "zoltasm_process.h"

namespace zolt::test {
namespace {

#ifdef ZOLT_SANITIZE
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// The stream ended before the client said exit.
constexpr int kEndedWithoutExit = 1;
constexpr std::size_t kMiB = std::size_t{1} << 20;

std::string Framed(const std::string& body) {
  return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// A JSON array of `count` copies of `element`.
std::string ArrayOf(std::string_view element, std::size_t count) {
  std::string array = "[";
  array.reserve(count * (element.size() + 1) + 1);
  for (std::size_t i = 0; i < count; ++i) array.append(element).append(",");
  array.back() = ']';
  return array;
}

// The stream: `before`, then `zeros` zero bytes (a hole in a sparse file, so
// gigabytes cost no disk), then `after`.
struct Row {
  const char* name;
  std::string before;
  std::uintmax_t zeros;
  std::string after;
  std::size_t memory;
  // A part of each reply, in the order the replies must come.
  std::vector<std::string> replies;
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

std::vector<Row> Rows() {
  const std::string initialize =
      Framed(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{"capabilities":{}}})");
  return {
      {"TerabyteAnnouncedAndMoreZerosThanMemory",
       "Content-Length: 1000000000000\r\n\r\n",
       1'500'000'000,
       "",
       1024 * kMiB,
       {"the message is larger than 64 MiB"}},
      {"HeaderLineLongerThanMemory",
       "X-Padding: ",
       100 * kMiB,
       "\r\n" + initialize,
       64 * kMiB,
       {R"("capabilities")"}},
      {"BodyLongerThanMemory",
       "Content-Length: 60000000\r\n\r\n",
       60'000'000,
       initialize,
       64 * kMiB,
       {"there is not enough memory for this message", R"("capabilities")"}},
      // Within the length taken, but five million empty objects take some
      // 400 MB as JSON values, and giving them back, from inside the array
      // around them, must take none.
      {"ObjectsBeyondMemory",
       Framed(ArrayOf(ArrayOf("{}", 5'000'000), 1)) + initialize,
       0,
       "",
       256 * kMiB,
       {"there is not enough memory for this message", R"("capabilities")"}},
  };
}

class LanguageServerInput : public testing::TestWithParam<Row> {};

TEST_P(LanguageServerInput, AnswersInOrderAndEndsWithTheStream) {
  const Row& row = GetParam();
  if (kSanitized) GTEST_SKIP() << "the sanitizers need more address space than the limit";
  const ScratchFolder folder;
  const std::string input = folder / "input";
  WriteFile(input, row.before);
  std::filesystem::resize_file(input, row.before.size() + row.zeros);
  std::ofstream(input, std::ios::binary | std::ios::app) << row.after;

  const ProcessResult result = RunZoltasm({"--lsp"}, {.memory = row.memory, .input = input});

  EXPECT_EQ(result.signal, 0);
  EXPECT_FALSE(result.hung);
  EXPECT_EQ(result.exitStatus, kEndedWithoutExit);
  std::size_t frames = 0;
  for (std::size_t at = 0; (at = result.out.find("Content-Length:", at)) != std::string::npos;) {
    ++frames;
    ++at;
  }
  EXPECT_EQ(frames, row.replies.size()) << result.out;
  std::size_t at = 0;
  for (const std::string& reply : row.replies) {
    at = result.out.find(reply, at);
    ASSERT_NE(at, std::string::npos) << reply << " is not in\n" << result.out;
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, LanguageServerInput, testing::ValuesIn(Rows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zolt::test
