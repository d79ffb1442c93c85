// A statement's code words as the listing writes them.
#include "listing_words.h"

#include <string>

#include "listing_format.h"

namespace zolt::lsp {

std::string CodeWords(const WordsFact& words) {
  std::string text = HexWord(words.code);
  if (words.code2) text.append(" ").append(HexWord(*words.code2));
  return text;
}

std::string InlayWords(const WordsFact& words) {
  std::string text = "@";
  text.append(std::to_string(words.address)).append(" ").append(CodeWords(words));
  return text;
}

}  // namespace zolt::lsp
