// The compile context's two passes over the source, and what they say.
#include "compiler.h"

#include <algorithm>
#include <functional>

#include "checked16.h"
#include "full_width.h"
#include "hard_error.h"
#include "listing_format.h"
#include "numbers.h"
#include "quote.h"
#include "text.h"

namespace zolt {
namespace {

constexpr std::string_view kCompleted = "编译完成";

std::string ErrorCaption(int errorCount) {
  return "发现 " + std::to_string(errorCount) + "处错误";
}

bool IsLabel(std::string_view word) {
  return word.back() == ':';
}

// Lines that carry nothing: shorter than two characters, or only blanks (an
// editor's auto-indent leaves those behind).
bool IsEmptyLine(std::string_view prepared) {
  return prepared.size() < 2 || IsAllBlank(prepared);
}

// Whether text lies within the bytes of whole (views of one buffer or not).
bool Within(std::string_view text, std::string_view whole) {
  const std::less_equal<const char*> notAfter;
  return text.data() != nullptr && whole.data() != nullptr && notAfter(whole.data(), text.data()) &&
         notAfter(text.data() + text.size(), whole.data() + whole.size());
}

}  // namespace

void Compiler::OutsideTheTable(int index) {
  throw HardError(Message("source line index %s is outside 0 to 32768", std::to_string(index)));
}

void Compiler::ReadSource(Channels& channels) {
  // The table holds only this run's lines, from the start: whatever ends the
  // reading, no line of an earlier source is left to read, and nothing an
  // earlier run said is taken for this one's.
  Diagnostics.clear();
  LineCount = 0;
  sourceLines_.clear();
  source_ = channels.ReadAll(FileName);
  UpperCase(source_, upperSource_);
  legacy_ = Decoder != nullptr && !IsUtf8(source_);
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
    LineCount = Add16(LineCount, 1, N_("the source has more than 32767 lines"));
  }
}

std::string Compiler::Compile(Channels& channels) {
  Diagnostics.clear();
  lineIndex_ = -1;
  focus_ = {};
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
    error.LocateIfUnknown(Here());
    PlaceFix(error);
    PutInLineOrder();
    throw;
  }
  PutInLineOrder();
  return ErrorCount == 0 ? std::string(kCompleted) : ErrorCaption(ErrorCount);
}

void Compiler::OpenOutputs(Channels& channels) {
  // The outputs replace the last three characters of the path: with a
  // shorter file name they would land outside the source's folder.
  if (FileNameCharacters(FileName) < 3) {
    throw HardError(
        Message("the file name of '%s' is shorter than three characters, so its listing and object "
                "file cannot be named beside it",
                ShownPath(FileName)));
  }
  OutputPaths paths;
  for (std::size_t slot = 0; slot < paths.size(); ++slot) {
    paths[slot] = DropLastThreeCharacters(FileName).append(kRunOutputs[slot].suffix);
  }
  // Opening an output empties it: never before all are known to be safe.
  channels.CheckOutputs(paths);
  for (std::size_t slot = 0; slot < paths.size(); ++slot) {
    channels.OpenForWriting(kRunOutputs[slot].channel, paths[slot]);
  }
  FileName = paths[OutputSlot(Channel::Listing)];
  ObjectFileName = paths[OutputSlot(Channel::Object)];
  AppendHeader(channels.Output(Channel::Listing), channels.PathText(FileName));
  channels.LinesAdded();
}

void Compiler::PrepareLine(int index) {
  lineIndex_ = index;
  LineText = PreparedLine(LineIn(upperSource_, index));
  focus_ = {};
}

Compiler::LineStart Compiler::TakeFirstWord(int index) {
  PrepareLine(index);
  if (LineText.starts_with(';')) return LineStart::Comment;
  if (IsEmptyLine(LineText)) return LineStart::Empty;
  Word1 = CommWord(LineText);
  return LineStart::Word;
}

void Compiler::CutWord1() {
  LineText.remove_prefix(Word1.size());
}

void Compiler::Advance(std::int32_t words) {
  Address = Add16(Address, words, N_("the program runs past address 32766"));
}

void Compiler::Pass1() {
  for (int index = 0; index < LineCount; ++index) {
    if (TakeFirstWord(index) != LineStart::Word) continue;
    if (IsLabel(Word1)) {
      DefineLabel(true);
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
      index += BlockPass1(*instruction);
    } else {
      Advance(instruction->words);
    }
  }
}

void Compiler::DefineLabel(bool firstPass) {
  const std::string_view name = focus_.substr(0, focus_.size() - 1);
  const std::optional<int> earlier =
      Symbols.Define(name, static_cast<float>(Address), lineIndex_ + 1);
  if (firstPass && earlier) WarnDefinedAgain(name, *earlier);
}

void Compiler::WarnDefinedAgain(std::string_view name, int firstLine) {
  focus_ = name;
  const std::string quoted = Shown(Readable(name));
  Warn(Message("'%s' is defined again; the first definition stands", quoted),
       {{Severity::Note,
         FirstWordOf(firstLine - 1),
         Message("'%s' is first defined here", quoted),
         {},
         {}}});
}

bool Compiler::TakeSecondWord() {
  CutWord1();
  if (LineText.size() <= 2 || IsAllBlank(LineText)) return false;
  Word2 = CommWord(LineText);
  return true;
}

void Compiler::DefineEquSymbol() {
  const std::string_view name = FirstWord();
  LineText.remove_prefix(Word2.size());
  RequireWord([&] {
    return Message("EQU has no value; write a number after it, as in '%s'",
                   Shown(Readable(name) + " EQU 5"));
  });
  const std::string_view value = CommWord(LineText);
  Word2 = value;
  if (!StartsLikeNumber(value)) {
    HardError error(Message("the EQU value '%s' is not a number; EQU takes a number, not a symbol",
                            Shown(Readable(value))));
    ExplainFullWidthIn(WrittenAs(value), error);
    throw error;
  }
  const float number = ToSingle(value, WrittenAs(value));
  focus_ = name;
  const std::optional<int> earlier = Symbols.Define(Word1, number, lineIndex_ + 1);
  if (earlier) WarnDefinedAgain(name, *earlier);
  if (Observer != nullptr) {
    Observer->SymbolDefined(Word1, number, RunObserver::SymbolKind::Equ, lineIndex_ + 1);
  }
}

void Compiler::Pass2(Channels& channels) {
  for (int index = 0; index < LineCount; ++index) {
    WordCount = 0;
    ErrorFlag = 0;
    const LineStart start = TakeFirstWord(index);
    if (start == LineStart::Comment) WriteTextLine(channels);
    if (start != LineStart::Word) continue;
    if (IsLabel(Word1)) {
      // Pass 1 already holds this label; the second entry never wins a lookup.
      DefineLabel(false);
      WarnAfterLabel();
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
      index += BlockPass2(*instruction, channels);
    } else {
      Encode(*instruction);
      Emit(channels);
    }
    EndOfLine(channels);
  }
}

void Compiler::WarnAfterLabel() {
  const std::string_view rest = LineText.substr(Word1.size());
  const std::size_t at = FindNonBlank(rest);
  if (at == rest.size() || rest[at] == ';') return;
  const std::string_view word = rest.substr(at, FindBlank(rest, at) - at);
  if (FindInstruction(word) == nullptr) {
    return WarnIgnored(rest, N_("'%s' after the label is ignored; a comment begins with ';'"));
  }
  focus_ = word;
  Warn(
      Message("the statement '%s' after the label is ignored; a label line holds nothing else, "
              "so put the statement on a line of its own",
              Shown(Readable(word))));
}

void Compiler::ListUnrecognised(Channels& channels) {
  WriteTextLine(channels);
  if (TakeSecondWord() && Word2 == "EQU") {
    // Pass 1 has defined the symbol; only what its line ignores is left to say.
    LineText.remove_prefix(Word2.size());
    const std::string_view value = CommWord(LineText);
    WarnIgnored(LineText.substr(value.size()),
                N_("'%s' after the EQU value is ignored; a comment begins with ';'"));
    return;
  }
  focus_ = FirstWord();
  SoftError(NotAStatement());
}

void Compiler::Correct(std::string_view upperBytes, std::string text) {
  const std::string_view line = LineIn(upperSource_, lineIndex_);
  fix_ = Fix{static_cast<std::uint32_t>(upperBytes.data() - line.data()),
             static_cast<std::uint32_t>(upperBytes.size()), std::move(text)};
}

void Compiler::PlaceFix(HardError& error) const {
  const std::string_view line = lineIndex_ < 0 ? std::string_view{} : LineIn(source_, lineIndex_);
  const std::string_view word = error.FixWord();
  error.PlaceFix(Within(word, line)
                     ? std::optional(static_cast<std::uint32_t>(word.data() - line.data()))
                     : std::nullopt);
}

void Compiler::NoteFullWidth(std::string_view upperWord) {
  std::optional<FullWidthHint> hint = ExplainFullWidth(Readable(upperWord));
  if (!hint) return;
  // A correction is made of UTF-8: it fits only a source that is UTF-8.
  if (!legacy_) Correct(upperWord, std::move(hint->corrected));
  notes_.push_back(
      {Severity::Note, LocationIn(lineIndex_, upperWord), std::move(hint->message), {}, {}});
}

void Compiler::NoteNearestSymbol(std::string_view upperWord) {
  const std::optional<std::string_view> name = Symbols.Nearest(upperWord);
  if (!name) return;
  Correct(upperWord, std::string(*name));
  notes_.push_back({Severity::Note, Here(), Message("did you mean '%s'?", Shown(*name)), {}, {}});
}

void Compiler::SoftError(Message cause) {
  ErrorFlag = 1;
  Diagnostics.push_back(
      {Severity::Error, Here(), std::move(cause), std::move(notes_), std::move(fix_)});
  notes_.clear();
  fix_.reset();
}

// Pass 1 says only what it alone sees (a name defined again); the rest comes
// in line order from pass 2, so that the whole is in line order.
void Compiler::PutInLineOrder() {
  std::stable_sort(
      Diagnostics.begin(), Diagnostics.end(),
      [](const Diagnostic& a, const Diagnostic& b) { return a.where.line < b.where.line; });
}

void Compiler::Warn(Message cause, std::vector<Diagnostic> notes) {
  notes.insert(notes.end(), notes_.begin(), notes_.end());
  notes_.clear();
  Diagnostics.push_back(
      {Severity::Warning, Here(), std::move(cause), std::move(notes), std::move(fix_)});
  fix_.reset();
}

void Compiler::WarnIgnored(std::string_view rest, const char* ignored, std::string_view subject) {
  const std::size_t at = FindNonBlank(rest);
  if (at == rest.size() || rest[at] == ';') return;
  focus_ = rest.substr(at, FindBlank(rest, at) - at);
  NoteFullWidth(focus_);
  Warn(Message(ignored, Shown(Readable(focus_)), subject));
}

std::string_view Compiler::FirstWord() const {
  const std::string_view line = PreparedLine(LineIn(upperSource_, lineIndex_));
  const std::size_t start = FindNonBlank(line);
  return line.substr(start, FindBlank(line, start) - start);
}

std::string_view Compiler::Original(std::string_view upper) const {
  if (!Within(upper, upperSource_)) return upper;
  return std::string_view(source_).substr(
      static_cast<std::size_t>(upper.data() - upperSource_.data()), upper.size());
}

Location Compiler::Here() const {
  if (lineIndex_ < 0) return {};
  return LocationIn(lineIndex_, focus_);
}

Location Compiler::FirstWordOf(int index) const {
  const std::string_view line = PreparedLine(LineIn(upperSource_, index));
  const std::size_t start = FindNonBlank(line);
  return LocationIn(index, line.substr(start, FindBlank(line, start) - start));
}

Location Compiler::LocationIn(int index, std::string_view word) const {
  const std::string_view line = LineIn(upperSource_, index);
  Location where{index + 1, 1, 0, 0};
  if (!Within(word, line) || word.empty()) return where;
  where.start = static_cast<std::uint32_t>(word.data() - line.data());
  where.length = static_cast<std::uint32_t>(word.size());
  const std::string before = Readable(line.substr(0, where.start));
  for (std::size_t at = 0; at < before.size(); at += CharacterLength(before, at)) ++where.column;
  return where;
}

}  // namespace zolt
