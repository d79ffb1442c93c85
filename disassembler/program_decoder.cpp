// Walking an object file's lines as the assembler laid them out: one
// statement a line, a BOUT block's data a word a line, nothing after END.
#include "program_decoder.h"

#include <cstdint>

#include "checked16.h"
#include "hard_error.h"
#include "instruction_decoder.h"
#include "listing_format.h"
#include "quote.h"

namespace zolt {
namespace {

// The address after a program's last word still fits the assembler's 16-bit
// location counter: the last word stands at 32766 at most.
constexpr std::int32_t kAddressEnd = INT16_MAX;

Message FaultMessage(const ObjectLine& line, const DecodedWord& decoded) {
  const std::string word = Quote(ObjectLineText({line.first}));
  if (decoded.row == nullptr) {
    // A word no row reads: so there are such words.
    const WordRange free = *FreeCodes();
    return Message(
        "%s is no instruction: no mnemonic's first word lies from &h%s to &h%s, and only a "
        "BOUT block holds such a word; its line is written as a comment",
        word, HexDigits(free.low, 4), HexDigits(free.high, 4));
  }
  const Instruction& row = *decoded.row;
  const std::string mnemonic(row.mnemonic);
  switch (decoded.fault) {
    case WordFault::FieldNotEmpty:
      return Message(
          "%s is %s with %s in its operand field, which %s keeps empty; no statement makes it, so "
          "its line is written as a comment",
          word, mnemonic, std::to_string(decoded.value), mnemonic);
    case WordFault::MinusZero:
      return Message(
          "%s is %s with minus zero in its signed field, which no statement writes; its line is "
          "written as a comment",
          word, mnemonic);
    default:
      return Message(
          "%s would be %s %s, but %s takes %s to %s; no statement makes it, so its line is "
          "written as a comment",
          word, mnemonic, OperandText(row, decoded.value), mnemonic, OperandText(row, row.low),
          OperandText(row, row.high));
  }
}

// The lines of the object file, walked once from the first.
class Walk {
 public:
  explicit Walk(const std::vector<ObjectLine>& lines) : lines_(lines) {}

  DecodedProgram Run() {
    std::size_t index = 0;
    while (index < lines_.size()) {
      const ObjectLine& line = lines_[index];
      const DecodedWord decoded = Decode(line.first, line.second);
      if (!Fits(line.words)) {
        CommentRest(index, PastTheEnd());
        break;
      }
      if (decoded.row != nullptr && decoded.row->words != line.words) WrongWordCount(index, line);
      if (decoded.fault != WordFault::None) {
        Warn(index, FaultMessage(line, decoded));
        Add(PieceKind::Comment, index++);
      } else if (decoded.row->operand == OperandKind::Block) {
        index = Block(index, decoded);
      } else {
        Add(PieceKind::Statement, index++, decoded);
        if (decoded.row->operand == OperandKind::End && index < lines_.size()) {
          CommentRest(index, Message("the words after END are no part of the program, since "
                                     "assembly stops at END; their lines are written as comments"));
          break;
        }
      }
    }
    return std::move(program_);
  }

 private:
  static Message PastTheEnd() {
    return Message(
        "the program runs past address 32766 here, the last address a word can take; the lines "
        "from here on are written as comments");
  }

  bool Fits(std::int32_t words) const { return address_ + words <= kAddressEnd; }

  void Add(PieceKind kind, std::size_t index, const DecodedWord& decoded = {}) {
    program_.pieces.push_back({kind, address_, lines_[index], decoded.row, decoded.value});
    address_ += lines_[index].words;
  }

  void Warn(std::size_t index, Message cause) {
    program_.warnings.push_back(
        {Severity::Warning, {static_cast<int>(index) + 1, 1}, std::move(cause), {}, {}});
  }

  // Every line from the one given to the last: one warning, then comments.
  void CommentRest(std::size_t from, Message cause) {
    Warn(from, std::move(cause));
    for (std::size_t index = from; index < lines_.size(); ++index) Add(PieceKind::Comment, index);
  }

  [[noreturn]] static void WrongWordCount(std::size_t index, const ObjectLine& line) {
    const Location where{static_cast<int>(index) + 1, 1};
    const std::string word = Quote(ObjectLineText({line.first}));
    const std::string mnemonic(Decode(line.first, line.second).row->mnemonic);
    if (line.words == 1) {
      throw HardError(Message("%s is %s, which takes two words, but its line holds one; the "
                              "second word follows a tab on the same line",
                              word, mnemonic),
                      where);
    }
    throw HardError(
        Message("%s is %s, which takes one word, but its line holds two", word, mnemonic), where);
  }

  // A BOUT header and the one-word lines it counts; a block cut short by the
  // end of the file or by a line of two words is kept as comments.
  std::size_t Block(std::size_t header, const DecodedWord& decoded) {
    const auto count = static_cast<std::size_t>(decoded.value);
    std::size_t data = 0;
    while (data < count && header + 1 + data < lines_.size() &&
           lines_[header + 1 + data].words == 1) {
      ++data;
    }
    if (data < count) {
      Warn(header, Message("the BOUT block counts %s data words, but its data ends after %s, at a "
                           "line of two words or at the end of the file; no statement makes a "
                           "block cut short, so its lines are written as comments",
                           std::to_string(count), std::to_string(data)));
      for (std::size_t index = header; index <= header + data; ++index) {
        Add(PieceKind::Comment, index);
      }
      return header + 1 + data;
    }
    if (!Fits(decoded.value + 1)) {
      CommentRest(header, PastTheEnd());
      return lines_.size();
    }
    Add(PieceKind::Statement, header, decoded);
    for (std::size_t index = header + 1; index <= header + count; ++index) {
      Add(PieceKind::Data, index);
    }
    return header + 1 + count;
  }

  const std::vector<ObjectLine>& lines_;
  DecodedProgram program_;
  std::int32_t address_ = 0;
};

}  // namespace

std::string ObjectLineText(const ObjectLine& line) {
  OutputText text;
  if (line.words == 1) {
    AppendObjectLine(text, Pattern16(line.first));
  } else {
    AppendObjectLine(text, Pattern16(line.first), Pattern16(line.second));
  }
  const std::string_view view = text.View();
  return std::string(view.substr(0, view.size() - kLineEnd.size()));
}

DecodedProgram DecodeProgram(const std::vector<ObjectLine>& lines) {
  return Walk(lines).Run();
}

}  // namespace zolt
