// Reading an object file's lines as the source that made them: every way a
// line can be read (a statement, a BOUT block of each length it may have, a
// block cut short by a failed run, a comment) is weighed over the whole file
// at once, from its last line back, so that a header's data and the lines
// after it are read the way that makes the most of the file come back.
#include "program_decoder.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "checked16.h"
#include "instruction_decoder.h"
#include "listing_format.h"
#include "quote.h"

namespace zolt {
namespace {

// The address after a program's last word still fits the assembler's 16-bit
// location counter: the last word stands at 32766 at most.
constexpr std::int32_t kAddressEnd = INT16_MAX;
// A header that says 255 counts 255 data lines or more.
constexpr std::int32_t kLongBlock = 255;

// What a reading of the lines from one on costs, weighed in this order:
// lines no statement makes, then a run that fails (a block cut short), then
// lines in error; each weight is beyond what the ones below it can add up to.
using Cost = std::int64_t;
constexpr Cost kComment = Cost{1} << 40;
constexpr Cost kCutShort = Cost{1} << 20;
constexpr Cost kInError = 1;
constexpr Cost kNever = std::numeric_limits<Cost>::max();

enum class Reading : std::uint8_t {
  Statement,   // one instruction, or a block with the count its header says
  EmptyBlock,  // BOUT 0: a header of 1 with no data, its line in error
  LongBlock,   // a header of 255 with more data lines, its line in error
  CutShort,    // a block at the end of the file with fewer lines than it counts
  End,         // END, with any lines after it as comments
  Comment,
};

struct Choice {
  Cost cost;
  Reading reading = Reading::Comment;
  std::size_t next = 0;
  std::int32_t count = 0;  // a block's count as its source writes it
};

// The lowest cost among the readings from lines in a range, the first such
// line on a tie: how a header of 255 picks its length.
class LowestCosts {
 public:
  explicit LowestCosts(std::size_t size) : size_(size), tree_(2 * size, {kNever, 0}) {}

  void Set(std::size_t line, Cost cost) {
    std::size_t at = line + size_;
    tree_[at] = {cost, line};
    for (at /= 2; at >= 1; at /= 2) tree_[at] = std::min(tree_[2 * at], tree_[2 * at + 1]);
  }

  // The lowest cost of lines first to last, both included.
  std::pair<Cost, std::size_t> Lowest(std::size_t first, std::size_t last) const {
    std::pair<Cost, std::size_t> lowest = tree_[0];
    for (first += size_, last += size_ + 1; first < last; first /= 2, last /= 2) {
      if ((first & 1) != 0) lowest = std::min(lowest, tree_[first++]);
      if ((last & 1) != 0) lowest = std::min(lowest, tree_[--last]);
    }
    return lowest;
  }

 private:
  std::size_t size_;
  std::vector<std::pair<Cost, std::size_t>> tree_;
};

Message FaultMessage(const ObjectLine& line, const DecodedWord& decoded) {
  const std::string word = Shown(ObjectLineText({line.first}));
  if (decoded.row == nullptr) {
    // A word no row reads: so there are such words.
    const WordRange free = *FreeCodes();
    return Message(
        "'%s' is no instruction: no mnemonic's first word lies from &h%s to &h%s, and only a "
        "BOUT block holds such a word; its line is written as a comment",
        word, HexDigits(free.low, 4), HexDigits(free.high, 4));
  }
  const Instruction& row = *decoded.row;
  const std::string mnemonic(row.mnemonic);
  switch (decoded.fault) {
    case WordFault::FieldNotEmpty:
      return Message(
          "'%s' is %s with %s in its operand field, which %s keeps empty; no statement makes it, "
          "so "
          "its line is written as a comment",
          word, mnemonic, std::to_string(decoded.value), mnemonic);
    case WordFault::MinusZero:
      return Message(
          "'%s' is %s with minus zero in its signed field, which no statement writes; its line is "
          "written as a comment",
          word, mnemonic);
    default:
      return Message(
          "'%s' would be %s %s, but %s takes %s to %s; no statement makes it, so its line is "
          "written as a comment",
          word, mnemonic, OperandText(row, decoded.value), mnemonic, OperandText(row, row.low),
          OperandText(row, row.high));
  }
}

class Reader {
 public:
  explicit Reader(const std::vector<ObjectLine>& lines)
      : lines_(lines), choices_(lines.size() + 1, Choice{kNever}), lowest_(lines.size() + 1) {
    addresses_.reserve(lines.size() + 1);
    std::int32_t address = 0;
    for (const ObjectLine& line : lines) {
      addresses_.push_back(address);
      address += line.words;
    }
    addresses_.push_back(address);
    oneWordLines_.assign(lines.size() + 1, 0);
    for (std::size_t index = lines.size(); index-- > 0;) {
      oneWordLines_[index] = lines[index].words == 1 ? oneWordLines_[index + 1] + 1 : 0;
    }
  }

  DecodedProgram Run() {
    choices_.back() = {0, Reading::Statement, lines_.size()};
    lowest_.Set(lines_.size(), 0);
    for (std::size_t index = lines_.size(); index-- > 0;) {
      choices_[index] = Best(index);
      lowest_.Set(index, choices_[index].cost);
    }
    std::size_t index = 0;
    while (index < lines_.size()) index = Follow(index);
    return std::move(program_);
  }

 private:
  // The data lines a block at the line may take: one-word lines all, within
  // the addresses a word can take.
  std::size_t DataRoom(std::size_t header) const {
    const std::int32_t room = kAddressEnd - addresses_[header] - 1;
    return std::min<std::size_t>(oneWordLines_[header + 1], room < 0 ? 0 : room);
  }

  bool Fits(std::size_t index, std::int32_t words) const {
    return addresses_[index] + words <= kAddressEnd;
  }

  static void Consider(Choice& best, Choice choice) {
    if (choice.cost < best.cost) best = choice;
  }

  // The cheapest reading of the lines from this one on; of readings that
  // cost the same, the one considered first, a comment last.
  Choice Best(std::size_t index) const {
    const ObjectLine& line = lines_[index];
    const Choice comment{kComment + choices_[index + 1].cost, Reading::Comment, index + 1};
    const DecodedWord decoded = Decode(line.first, line.second);
    if (decoded.fault != WordFault::None || decoded.row->words != line.words ||
        !Fits(index, line.words)) {
      return comment;
    }
    const std::size_t after = index + 1;
    const std::size_t rest = lines_.size() - after;
    Choice best{kNever};
    if (decoded.row->operand == OperandKind::End) {
      best = {kComment * static_cast<Cost>(rest), Reading::End, lines_.size()};
    } else if (decoded.row->operand != OperandKind::Block) {
      best = {choices_[after].cost, Reading::Statement, after};
    } else {
      const std::int32_t count = decoded.value;
      const std::size_t room = DataRoom(index);
      if (room >= static_cast<std::size_t>(count)) {
        const std::size_t next = after + static_cast<std::size_t>(count);
        Consider(best, {choices_[next].cost, Reading::Statement, next, count});
      }
      if (count == 1) {
        Consider(best, {kInError + choices_[after].cost, Reading::EmptyBlock, after, 0});
      }
      if (count == kLongBlock && room > kLongBlock) {
        const auto [cost, next] = lowest_.Lowest(after + kLongBlock + 1, after + room);
        Consider(best, {kInError + cost, Reading::LongBlock, next,
                        static_cast<std::int32_t>(next - after)});
      }
      if (oneWordLines_[after] == rest && rest < static_cast<std::size_t>(count) &&
          Fits(index, count + 1)) {
        Consider(best, {kCutShort, Reading::CutShort, lines_.size(), count});
      }
    }
    Consider(best, comment);
    return best;
  }

  std::size_t Follow(std::size_t index) {
    const Choice& choice = choices_[index];
    if (choice.reading == Reading::Comment) {
      if (!Fits(index, lines_[index].words)) {
        CommentRest(index, Message("the program runs past address 32766 here, the last address a "
                                   "word can take; the lines from here on are written as "
                                   "comments"));
        return lines_.size();
      }
      Warn(index, WhyNoStatement(index));
      Add(PieceKind::Comment, index);
      return index + 1;
    }
    const ObjectLine& line = lines_[index];
    DecodedWord decoded = Decode(line.first, line.second);
    const bool block = decoded.row->operand == OperandKind::Block;
    if (block) decoded.value = choice.count;
    Add(PieceKind::Statement, index, decoded);
    if (choice.reading == Reading::End && index + 1 < lines_.size()) {
      CommentRest(index + 1, Message("the words after END are no part of the program, since "
                                     "assembly stops at END; their lines are written as comments"));
      return lines_.size();
    }
    if (block) {
      for (std::size_t data = index + 1; data < choice.next; ++data) Add(PieceKind::Data, data);
    }
    return choice.next;
  }

  // Why a line that fits the addresses is read as a comment.
  Message WhyNoStatement(std::size_t index) const {
    const ObjectLine& line = lines_[index];
    const DecodedWord decoded = Decode(line.first, line.second);
    if (decoded.fault != WordFault::None) return FaultMessage(line, decoded);
    const std::string word = Shown(ObjectLineText({line.first}));
    const std::string mnemonic(decoded.row->mnemonic);
    if (decoded.row->words > line.words) {
      return Message(
          "'%s' is %s, which takes two words, but its line holds one; no statement makes "
          "it, so its line is written as a comment",
          word, mnemonic);
    }
    if (decoded.row->words < line.words) {
      return Message(
          "'%s' is %s, which takes one word, but its line holds two; no statement makes "
          "it, so its line is written as a comment",
          word, mnemonic);
    }
    if (decoded.row->operand == OperandKind::End) {
      return Message(
          "'%s' is END, but words follow it, and assembly stops at END; its line is "
          "written as a comment",
          word);
    }
    const std::string count = std::to_string(decoded.value);
    const std::size_t last =
        std::min(index + static_cast<std::size_t>(decoded.value), lines_.size() - 1);
    for (std::size_t data = index + 1; data <= last; ++data) {
      if (lines_[data].words == 2) {
        return Message(
            "'%s' opens a BOUT block of %s data words, but line %s within it holds two "
            "words, where a data line holds one; its line is written as a comment",
            word, count, std::to_string(data + 1));
      }
    }
    if (!Fits(index, decoded.value + 1)) {
      return Message(
          "'%s' opens a BOUT block of %s data words, which would run past address 32766, "
          "the last address a word can take; its line is written as a comment",
          word, count);
    }
    return Message(
        "'%s' opens a BOUT block of %s data words, but reading the lines after it as its "
        "data leaves more words that no statement makes; its line is written as a "
        "comment",
        word, count);
  }

  void Add(PieceKind kind, std::size_t index, const DecodedWord& decoded = {}) {
    program_.pieces.push_back({kind, addresses_[index], lines_[index], decoded.row, decoded.value});
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

  const std::vector<ObjectLine>& lines_;
  std::vector<std::int32_t> addresses_;
  // How many one-word lines stand from each line on, without a line of two.
  std::vector<std::size_t> oneWordLines_;
  std::vector<Choice> choices_;
  LowestCosts lowest_;
  DecodedProgram program_;
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
  return Reader(lines).Run();
}

}  // namespace zolt
