// BOUT: a count and that many data lines, each one more word of the program.
#include "checked16.h"
#include "compiler.h"
#include "full_width.h"
#include "hard_error.h"
#include "numbers.h"
#include "quote.h"
#include "text.h"

namespace zolt {
namespace {

// The block's length must be a number written in the line, read the same way
// in both passes, so pass 1 reserves exactly the words that pass 2 writes;
// pass 1 checks its form, so pass 2 meets only counts that are numbers. A
// negative count takes no data lines; pass 2 reports the one that is too
// large to convert, at its line, after the lines before it.
std::int32_t DataLines(std::string_view count, const Written& written) {
  if (!LooksLikeLiteral(count)) {
    HardError error(
        Message("the BOUT count '%s' is not a number; write the count as a number, "
                "not a symbol",
                Shown(written.Readable())));
    ExplainFullWidthIn(written, error);
    throw error;
  }
  RequireNumber(count, written);
  return count[0] == '-' ? 0 : ToInteger(count, written);
}

}  // namespace

int Compiler::BlockPass1(const Instruction& header) {
  CutWord1();
  RequireWord([&header] {
    return Message("BOUT has no count; write the number of data lines after it, from %s to %s",
                   std::to_string(header.low), std::to_string(header.high));
  });
  Word2 = CommWord(LineText);
  const std::int32_t length = DataLines(focus_, WrittenAs(focus_));
  Advance(header.words);
  if (length == 0) return 0;
  Advance(length);
  return length;
}

int Compiler::BlockPass2(const Instruction& header, Channels& channels) {
  const int bout = lineIndex_;
  CutWord1();
  Word2 = CommWord1(LineText);
  const std::string_view countWord = operandWord_;
  if (Observer != nullptr) ReportOperand(Word2, &header);
  Advance(header.words);
  // The block's length is the count as written, before the header's count
  // is clamped into its field.
  BlockCount = Word2;
  const std::int32_t length = ToInteger(BlockCount, OperandWritten());
  Value = length;
  Clamp(header.low, header.high, "BOUT", Field::Count);
  CodeWord = Pattern16(header.prefix + static_cast<std::uint32_t>(Value));
  WriteOneWord(channels);
  WarnIgnored(LineText.substr(countWord.size()),
              N_("'%s' after the BOUT count is ignored; a comment begins with ';'"));
  for (int j = 1; j <= length; ++j) {
    if (bout + j >= LineCount) {
      throw HardError(Message("the BOUT block runs past the end of the source: its count is %s, "
                              "and the source ends at line %s",
                              std::to_string(length), std::to_string(LineCount)),
                      LocationIn(bout, countWord));
    }
    PrepareLine(bout + j);
    if (IsAllBlank(LineText)) {
      HardError empty(Message("the BOUT data line is empty; each data line of the block holds a "
                              "number or a symbol"),
                      Here());
      empty.AddNote(BlockNote(bout, length));
      throw empty;
    }
    Word1 = CommWord1(LineText);
    const std::string_view dataWord = operandWord_;
    if (Observer != nullptr) ReportOperand(Word1, nullptr);
    Value = ToInteger(Word1, OperandWritten());
    Clamp(kBlockDataLow, kBlockDataHigh, "BOUT", Field::Data);
    CodeWord = Word16(Value, N_("the BOUT data lies outside the 16-bit field"));
    ListAddress = Address;
    WriteOneWord(channels);
    Advance(1);
    if (!WarnIfNotData(dataWord, j, bout, length)) {
      WarnIgnored(LineText.substr(dataWord.size()),
                  N_("'%s' after the data word is ignored; a comment begins with ';'"));
    }
  }
  return length > 0 ? length : 0;
}

bool Compiler::WarnIfNotData(std::string_view dataWord, int dataLine, int bout, int dataLines) {
  const bool comment = dataWord.starts_with(';');
  if (!comment && FindInstruction(dataWord) == nullptr && dataWord.back() != ':') return false;
  focus_ = dataWord;
  const std::string quoted = Shown(Readable(dataWord));
  const std::string line = std::to_string(dataLine);
  Warn(comment ? Message("'%s' is read as data line %s of the BOUT block, not as a comment", quoted,
                         line)
               : Message("'%s' is read as data line %s of the BOUT block, not as a statement",
                         quoted, line),
       {BlockNote(bout, dataLines)});
  return true;
}

Diagnostic Compiler::BlockNote(int bout, int dataLines) const {
  const Location where = FirstWordOf(bout);
  const std::string count = std::to_string(dataLines);
  if (dataLines == 1) {
    return {Severity::Note,
            where,
            Message("the BOUT block opened here with the count 1 takes line %s as data",
                    std::to_string(bout + 2)),
            {},
            {}};
  }
  return {Severity::Note,
          where,
          Message("the BOUT block opened here with the count %s takes lines %s to %s as data",
                  count, std::to_string(bout + 2), std::to_string(bout + 1 + dataLines)),
          {},
          {}};
}

}  // namespace zolt
