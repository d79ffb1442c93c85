#include "checked16.h"
#include "compiler.h"
#include "listing_format.h"

namespace zolt {

void Compiler::WriteTextLine(Channels& channels) {
  lineBuffer_.clear();
  AppendTextOnlyLine(lineBuffer_, lineIndex_ + 1, SourceLine(lineIndex_));
  channels.Write(Channel::Listing, lineBuffer_);
}

void Compiler::WriteOneWord(Channels& channels) {
  lineBuffer_.clear();
  AppendOneWordLine(lineBuffer_, ListAddress, CodeWord, lineIndex_ + 1, SourceLine(lineIndex_));
  channels.Write(Channel::Listing, lineBuffer_);
  lineBuffer_.clear();
  AppendObjectLine(lineBuffer_, CodeWord);
  channels.Write(Channel::Object, lineBuffer_);
  if (Observer != nullptr)
    Observer->WordsListed(lineIndex_ + 1, ListAddress, CodeWord, std::nullopt);
}

void Compiler::Emit(Channels& channels) {
  if (WordCount == 1) WriteOneWord(channels);
  if (WordCount == 2) WriteTwoWords(channels);
}

void Compiler::WriteTwoWords(Channels& channels) {
  lineBuffer_.clear();
  AppendTwoWordLine(lineBuffer_, ListAddress, CodeWord, CodeWord2, lineIndex_ + 1,
                    SourceLine(lineIndex_));
  channels.Write(Channel::Listing, lineBuffer_);
  lineBuffer_.clear();
  AppendObjectLine(lineBuffer_, CodeWord, CodeWord2);
  channels.Write(Channel::Object, lineBuffer_);
  if (Observer != nullptr) Observer->WordsListed(lineIndex_ + 1, ListAddress, CodeWord, CodeWord2);
}

void Compiler::EndOfLine(Channels& channels) {
  if (ErrorFlag != 1) return;
  lineBuffer_.clear();
  AppendErrorLine(lineBuffer_);
  channels.Write(Channel::Listing, lineBuffer_);
  ErrorCount = Add16(ErrorCount, 1, "more than 32767 lines are in error");
}

}  // namespace zolt
