// Writing a line's words and text to the listing and the object file.
#include "checked16.h"
#include "compiler.h"
#include "listing_format.h"

namespace zolt {

void Compiler::WriteTextLine(Channels& channels) {
  AppendTextOnlyLine(channels.Output(Channel::Listing), lineIndex_ + 1, SourceLine(lineIndex_));
  channels.LinesAdded();
}

void Compiler::WriteOneWord(Channels& channels) {
  AppendOneWordLine(channels.Output(Channel::Listing), ListAddress, CodeWord, lineIndex_ + 1,
                    SourceLine(lineIndex_));
  AppendObjectLine(channels.Output(Channel::Object), CodeWord);
  channels.LinesAdded();
  if (Observer != nullptr)
    Observer->WordsListed(lineIndex_ + 1, ListAddress, CodeWord, std::nullopt);
}

void Compiler::Emit(Channels& channels) {
  if (WordCount == 1) WriteOneWord(channels);
  if (WordCount == 2) WriteTwoWords(channels);
}

void Compiler::WriteTwoWords(Channels& channels) {
  AppendTwoWordLine(channels.Output(Channel::Listing), ListAddress, CodeWord, CodeWord2,
                    lineIndex_ + 1, SourceLine(lineIndex_));
  AppendObjectLine(channels.Output(Channel::Object), CodeWord, CodeWord2);
  channels.LinesAdded();
  if (Observer != nullptr) Observer->WordsListed(lineIndex_ + 1, ListAddress, CodeWord, CodeWord2);
}

void Compiler::EndOfLine(Channels& channels) {
  if (ErrorFlag != 1) return;
  AppendErrorLine(channels.Output(Channel::Listing));
  channels.LinesAdded();
  ErrorCount = Add16(ErrorCount, 1, N_("more than 32767 lines are in error"));
}

}  // namespace zolt
