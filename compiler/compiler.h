// The compile context and the routines that work on it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "channels.h"
#include "diagnostic.h"
#include "hard_error.h"
#include "instruction_set.h"
#include "message.h"
#include "numbers.h"
#include "run_observer.h"
#include "source_decoder.h"
#include "symbol_table.h"
#include "text.h"

namespace zolt {

// The compile context and the routines that work on it. The window owns one
// for its lifetime, so nothing is cleared as a whole between runs: source
// lines and symbols beyond the current run's counts keep what earlier runs
// left, and the passes never look at them.
class Compiler {
 public:
  static constexpr int kSourceSize = 32769;
  // The most lines a run reads: LineCount is a 16-bit counter.
  static constexpr int kMostLines = INT16_MAX;

  // Reads FileName on channel 1 into SourceLines, counting LineCount; the
  // 32768th line is a hard error.
  void ReadSource(Channels& channels);

  // One run of the assembler over the lines read: writes the listing and the
  // object file and returns the status caption. A hard error leaves at once,
  // carrying the line it arose on.
  std::string Compile(Channels& channels);

  // The first word of text; strips text's leading blanks in place. The word
  // is a view of text's characters.
  std::string_view CommWord(std::string_view& text);
  // The first word of text as the text of a value: a literal as written, a
  // symbol's value, or for a relative jump the distance from Address. A view
  // that holds until the next call.
  std::string_view CommWord1(std::string_view& text);

  // Entry index of SourceLines as read; a line this run has not read is
  // empty.
  std::string_view SourceLine(int index) const { return LineIn(source_, index); }

  SymbolTable Symbols;
  std::int16_t LineCount = 0;
  std::int16_t Address = 0;
  std::int16_t ListAddress = 0;
  std::int16_t CodeWord = 0;
  std::int16_t CodeWord2 = 0;
  std::int32_t Value = 0;
  std::string BlockCount;
  std::int16_t WordCount = 0;
  std::int16_t ErrorFlag = 0;
  std::int16_t ErrorCount = 0;
  std::string FileName;
  std::string ObjectFileName;
  // The prepared current line, cut down from the front as its words are
  // taken: a view of the upper-cased source, so preparing a line copies
  // nothing.
  std::string_view LineText;
  std::string Word1;
  std::string Word2;

  // What the last run said, in line order: each soft error (a line in error
  // may have several), each warning, with their notes. A run that failed
  // keeps what it said before the failure.
  std::vector<Diagnostic> Diagnostics;

  // Told where symbols, operands and words are as the run goes (an editor's
  // language server); none by default.
  RunObserver* Observer = nullptr;

  // Decodes a source that is not UTF-8 for what messages quote of it; none
  // by default, and then such bytes are shown escaped.
  const SourceDecoder* Decoder = nullptr;

  // The encoding step of one instruction line: Word1 and LineText hold the
  // prepared line, ListAddress its address.
  void Encode(const Instruction& instruction);

 private:
  void OpenOutputs(Channels& channels);
  void Pass1();
  void Pass2(Channels& channels);
  // Enters the label Word1 names; pass 1 warns of a name defined again.
  void DefineLabel(bool firstPass);
  void WarnDefinedAgain(std::string_view name, int firstLine);
  // What a label line holds after its label is ignored.
  void WarnAfterLabel();
  bool TakeSecondWord();
  void DefineEquSymbol();
  // A hard error when LineText is all blank, with the cause made only then:
  // the check runs on every line.
  template <typename MakeCause>
  void RequireWord(MakeCause makeCause) const {
    if (IsAllBlank(LineText)) throw HardError(makeCause(), Here());
  }
  void ListUnrecognised(Channels& channels);
  // Why the line in Word1 and LineText is no statement, with how to put it
  // right when the line shows it, and then that correction as fix_.
  Message NotAStatement();
  int BlockPass1(const Instruction& header);
  int BlockPass2(const Instruction& header, Channels& channels);
  // A data word of the block opened on line bout (0-based) that reads like a
  // statement (a mnemonic or a label) or a comment: a warning, with a note at
  // the block. Returns whether it warned.
  bool WarnIfNotData(std::string_view dataWord, int dataLine, int bout, int dataLines);
  // Where the block opened on line bout stands, and which lines it takes.
  Diagnostic BlockNote(int bout, int dataLines) const;

  void PrepareLine(int index);
  // How a line begins, for both passes: a comment, nothing, or a first word,
  // which is then taken into Word1.
  enum class LineStart : std::uint8_t { Comment, Empty, Word };
  LineStart TakeFirstWord(int index);
  void CutWord1();
  void Advance(std::int32_t words);
  // What a value outside an operand's range is called in messages.
  enum class Field : std::uint8_t { Operand, Target, Count, Data };
  // Bounds Value; a value outside is a soft error naming the field and the
  // operand as written (a relative jump's target by its distance), with the
  // bound, written in units of `unit`, as the correction of a number.
  void Clamp(std::int32_t low, std::int32_t high, std::string_view subject, Field field,
             float unit = 1);
  // The last operand as the user wrote it, or the symbol it named.
  Written OperandWritten() const {
    Written written = WrittenAs(operandWord_);
    if (operandIsSymbol_) written.symbol = &operandSymbol_;
    return written;
  }
  // A word of the upper-cased source as written, decoded for messages when
  // the source is in a legacy code page.
  Written WrittenAs(std::string_view upper) const {
    return {Original(upper), nullptr, legacy_ ? Decoder->ToUtf8(Original(upper)) : std::string()};
  }
  // A view of the upper-cased source as messages quote it: as written, in
  // UTF-8.
  std::string Readable(std::string_view upper) const {
    return legacy_ ? Decoder->ToUtf8(Original(upper)) : std::string(Original(upper));
  }
  // A view of the upper-cased source shown as the source has it (the same
  // bytes in the user's own letter case); other text as it is.
  std::string_view Original(std::string_view upper) const;
  // Where the current line's focus is: the line, and the word the current
  // step is about when it lies on that line.
  Location Here() const;
  // The first word of a line, as its place for a note.
  Location FirstWordOf(int index) const;
  Location LocationIn(int index, std::string_view word) const;
  // The first word of the current prepared line.
  std::string_view FirstWord() const;
  // The correction a message about to be said spells out: bytes of the
  // current line, as read, and what replaces them.
  void Correct(std::string_view upperBytes, std::string text);
  // Places the correction a failure spells out on the failing line.
  void PlaceFix(HardError& error) const;
  // Says what a full-width character in the word (upper-cased source) stands
  // for, as a note and a correction for the next soft error or warning.
  void NoteFullWidth(std::string_view upperWord);
  // Names the defined symbol an undefined one is a slip from, as a note and
  // a correction for the next soft error.
  void NoteNearestSymbol(std::string_view upperWord);
  void SoftError(Message cause);
  void PutInLineOrder();
  void Warn(Message cause, std::vector<Diagnostic> notes = {});
  // The words after a complete statement, from the start of rest: ignored,
  // which a warning says unless they are a comment. `ignored` is the message
  // for the first of them.
  void WarnIgnored(std::string_view rest, const char* ignored, std::string_view subject = {});
  void ReportLabel();
  // LineText begins with the operand word that gave value.
  void ReportOperand(std::string_view value, const Instruction* instruction);

  void WriteTextLine(Channels& channels);
  void WriteOneWord(Channels& channels);
  void WriteTwoWords(Channels& channels);
  void Emit(Channels& channels);
  void EndOfLine(Channels& channels);

  // Where a line lies in the source's bytes, without its line end; a source
  // is never so large that its places need more than 32 bits.
  struct LineSpan {
    std::uint32_t start;
    std::uint32_t size;
  };
  static_assert(kLargestSource <= UINT32_MAX);
  // Line index as it lies in bytes: the source as read or upper-cased, which
  // hold every line at the same place. A line this run has not read is
  // empty; an index outside the table is a hard error.
  std::string_view LineIn(const std::string& bytes, int index) const {
    if (index < 0 || index >= kSourceSize) OutsideTheTable(index);
    const auto slot = static_cast<std::size_t>(index);
    if (slot >= sourceLines_.size()) return {};
    return {bytes.data() + sourceLines_[slot].start, sourceLines_[slot].size};
  }
  [[noreturn]] static void OutsideTheTable(int index);

  // SourceLines: the source read last, kept whole as read and upper-cased,
  // and where its lines lie; the lines are never copied.
  std::string source_;
  std::string upperSource_;
  // Whether the source read is not UTF-8 and Decoder reads it.
  bool legacy_ = false;
  std::vector<LineSpan> sourceLines_;
  // The source line being worked on (0-based), for diagnostics and hard
  // errors; -1 outside the passes.
  int lineIndex_ = -1;
  // The word the current step is about, a view of the upper-cased source:
  // messages point at it.
  std::string_view focus_;
  // The operand word as the line holds it, upper-cased.
  std::string_view operandWord_;
  // The value text of the last symbol operand, which CommWord1 returns.
  std::string valueText_;
  bool operandIsSymbol_ = false;
  // What the next soft error or warning is to carry as its correction, and
  // as notes beside its own.
  std::optional<Fix> fix_;
  std::vector<Diagnostic> notes_;
  SymbolOperand operandSymbol_{};
};

}  // namespace zolt
