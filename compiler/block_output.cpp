#include "checked16.h"
#include "compiler.h"
#include "hard_error.h"
#include "numbers.h"
#include "text.h"

namespace zolt {
namespace {

constexpr std::int32_t kDataLow = 0;
constexpr std::int32_t kDataHigh = 65535;

// The block's length must be a number written in the line, read the same way
// in both passes, so pass 1 reserves exactly the words that pass 2 writes;
// pass 1 checks its form, so pass 2 meets only counts that are numbers. A
// negative count takes no data lines, however large; pass 2 reports the one
// that is too large to convert, at its line, after the lines before it.
std::int32_t DataLines(const std::string& count) {
  const bool literal =
      (count[0] >= '0' && count[0] <= '9') || count[0] == '-' || count.starts_with("&H");
  if (!literal) throw HardError("BOUT count '" + count + "' is not a number");
  RequireNumber(count);
  return count[0] == '-' ? 0 : ToInteger(count);
}

}  // namespace

int Compiler::BlockPass1() {
  CutWord1();
  RequireWord("BOUT has no count");
  Word2 = CommWord(LineText);
  const std::int32_t length = DataLines(Word2);
  Advance(1);
  if (length == 0) return 0;
  Address = Add16(Address, length, "the program runs past address 32766");
  return length;
}

int Compiler::BlockPass2(Channels& channels) {
  const int bout = lineIndex_;
  const Instruction& header = *FindInstruction("BOUT");
  CutWord1();
  Word2 = CommWord1(LineText);
  if (Observer != nullptr) ReportOperand(Word2, &header);
  Advance(1);
  const std::int32_t length = ToInteger(Word2);
  Value = length;
  Clamp(header.low, header.high, "BOUT", "count", Word2);
  CodeWord = Pattern16(header.prefix + static_cast<std::uint32_t>(Value));
  WriteOneWord(channels);
  BlockCount = Word2;
  for (int j = 1; j <= length; ++j) {
    if (bout + j >= LineCount) {
      throw HardError(
          "the BOUT block of " + std::to_string(length) + " lines runs past the end of the source",
          bout + 1);
    }
    PrepareLine(bout + j);
    RequireWord("the BOUT data line is empty");
    Word1 = CommWord1(LineText);
    if (Observer != nullptr) ReportOperand(Word1, nullptr);
    Value = ToInteger(Word1, OperandSymbol());
    Clamp(kDataLow, kDataHigh, "BOUT", "data", Word1);
    if (Value > 32767) Value -= 65536;
    CodeWord = ToInt16(Value, "BOUT data outside the 16-bit field");
    ListAddress = Address;
    WriteOneWord(channels);
    Advance(1);
  }
  return length > 0 ? length : 0;
}

}  // namespace zolt
