#include "compiler.h"

#include <algorithm>

#include "checked16.h"
#include "hard_error.h"
#include "listing_format.h"
#include "numbers.h"
#include "text.h"

namespace zolt {
namespace {

constexpr std::string_view kCompleted = "编译完成";

std::string ErrorCaption(int errorCount) {
  return "发现 " + std::to_string(errorCount) + "处错误";
}

bool IsLabel(const std::string& word) {
  return word.back() == ':';
}

// Lines that carry nothing: shorter than two characters, or only blanks (an
// editor's auto-indent leaves those behind).
bool IsEmptyLine(std::string_view prepared) {
  return prepared.size() < 2 || IsAllBlank(prepared);
}

}  // namespace

void Compiler::OutsideTheTable(int index) {
  throw HardError("source line index " + std::to_string(index) + " is outside 0 to 32768");
}

void Compiler::ReadSource(Channels& channels) {
  // The table holds only this run's lines, from the start: whatever ends the
  // reading, no line of an earlier source is left to read.
  LineCount = 0;
  sourceLines_.clear();
  source_ = channels.ReadAll(FileName);
  UpperCase(source_, upperSource_);
  // Room for the lines at once, so that the table is never moved as it
  // fills: every LF ends a line (alone or after a CR), so a source whose
  // lines end in LF or CR LF takes one entry per LF and one for a last line
  // without an ending; no run reads more than the table's size.
  std::uint32_t lineFeeds = 0;
  for (const char c : source_) lineFeeds += c == '\n' ? 1 : 0;
  sourceLines_.reserve(std::min<std::size_t>(lineFeeds + 1, kSourceSize));
  for (LineReader lines(source_); !lines.AtEnd();) {
    const std::string_view line = lines.Next();
    sourceLines_.push_back({static_cast<std::uint32_t>(line.data() - source_.data()),
                            static_cast<std::uint32_t>(line.size())});
    // LineCount stays below 32768, inside the table.
    LineCount = Add16(LineCount, 1, "the source has more than 32767 lines");
  }
}

std::string Compiler::Compile(Channels& channels) {
  Diagnostics.clear();
  lineIndex_ = -1;
  try {
    OpenOutputs(channels);
    Symbols.Reset();
    Address = 0;
    Pass1();
    Address = 0;
    ErrorCount = 0;
    Pass2(channels);
    lineIndex_ = -1;
    channels.CloseAll();
  } catch (HardError& error) {
    // Only adds where the failure happened; the run's front end handles it.
    if (lineIndex_ >= 0) error.SetLineIfUnknown(lineIndex_ + 1);
    throw;
  }
  return ErrorCount == 0 ? std::string(kCompleted) : ErrorCaption(ErrorCount);
}

void Compiler::OpenOutputs(Channels& channels) {
  // The outputs replace the last three characters of the path: with a
  // shorter file name they would land outside the source's folder.
  if (FileNameCharacters(FileName) < 3) {
    throw HardError("the file name of '" + FileName +
                    "' is shorter than three characters, so its listing and object file cannot "
                    "be named beside it");
  }
  const std::string listingPath = DropLastThreeCharacters(FileName) + "lst";
  const std::string objectPath = DropLastThreeCharacters(listingPath) + "obj";
  // Opening an output empties it: never before both are known to be safe.
  channels.CheckOutputs(listingPath, objectPath);
  FileName = listingPath;
  channels.OpenForWriting(Channel::Listing, FileName);
  ObjectFileName = objectPath;
  channels.OpenForWriting(Channel::Object, ObjectFileName);
  AppendHeader(channels.Output(Channel::Listing), channels.PathText(FileName));
  channels.LinesAdded();
}

void Compiler::PrepareLine(int index) {
  lineIndex_ = index;
  LineText = PreparedLine(LineIn(upperSource_, index));
}

void Compiler::CutWord1() {
  LineText.remove_prefix(Word1.size());
}

void Compiler::Advance(std::int16_t words) {
  Address = Add16(Address, words, "the program runs past address 32766");
}

void Compiler::Pass1() {
  for (int index = 0; index < LineCount; ++index) {
    PrepareLine(index);
    if (LineText.starts_with(';') || IsEmptyLine(LineText)) continue;
    Word1 = CommWord(LineText);
    if (IsLabel(Word1)) {
      DefineLabel();
      if (Observer != nullptr) ReportLabel();
      continue;
    }
    const Instruction* instruction = FindInstruction(Word1);
    if (instruction == nullptr) {
      if (TakeSecondWord() && Word2 == "EQU") DefineEquSymbol();
    } else if (instruction->operand == OperandKind::End) {
      Advance(instruction->words);
      return;
    } else if (instruction->operand == OperandKind::Block) {
      index += BlockPass1();
    } else {
      Advance(instruction->words);
    }
  }
}

void Compiler::DefineLabel() {
  Symbols.Define(std::string_view(Word1).substr(0, Word1.size() - 1), static_cast<float>(Address));
}

bool Compiler::TakeSecondWord() {
  CutWord1();
  if (LineText.size() <= 2 || IsAllBlank(LineText)) return false;
  Word2 = CommWord(LineText);
  return true;
}

void Compiler::DefineEquSymbol() {
  LineText.remove_prefix(Word2.size());
  RequireWord("EQU has no value");
  Word2 = CommWord(LineText);
  const float value = ToSingle(Word2);
  Symbols.Define(Word1, value);
  if (Observer != nullptr) {
    Observer->SymbolDefined(Word1, value, RunObserver::SymbolKind::Equ, lineIndex_ + 1);
  }
}

void Compiler::RequireWord(std::string_view cause, std::string_view causeEnd) const {
  if (IsAllBlank(LineText)) throw HardError(std::string(cause) + std::string(causeEnd));
}

void Compiler::Pass2(Channels& channels) {
  for (int index = 0; index < LineCount; ++index) {
    PrepareLine(index);
    WordCount = 0;
    ErrorFlag = 0;
    if (LineText.starts_with(';')) {
      WriteTextLine(channels);
      continue;
    }
    if (IsEmptyLine(LineText)) continue;
    Word1 = CommWord(LineText);
    if (IsLabel(Word1)) {
      // Pass 1 already holds this label; the second entry never wins a lookup.
      DefineLabel();
      WriteTextLine(channels);
      continue;
    }
    ListAddress = Address;
    const Instruction* instruction = FindInstruction(Word1);
    if (instruction == nullptr) {
      ListUnrecognised(channels);
    } else if (instruction->operand == OperandKind::End) {
      Encode(*instruction);
      WriteOneWord(channels);
      return;  // nothing behind END is listed
    } else if (instruction->operand == OperandKind::Block) {
      index += BlockPass2(channels);
    } else {
      Encode(*instruction);
      Emit(channels);
    }
    EndOfLine(channels);
  }
}

void Compiler::ListUnrecognised(Channels& channels) {
  WriteTextLine(channels);
  if (!(TakeSecondWord() && Word2 == "EQU")) SoftError("'" + Word1 + "' is not a statement");
}

void Compiler::SoftError(const std::string& cause) {
  ErrorFlag = 1;
  const int line = lineIndex_ + 1;
  if (!Diagnostics.empty() && Diagnostics.back().line == line) {
    Diagnostics.back().cause += "; " + cause;
  } else {
    Diagnostics.push_back({line, cause});
  }
}

}  // namespace zolt
