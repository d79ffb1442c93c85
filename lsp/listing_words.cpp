// A statement's code words as the listing writes them.
#include "listing_words.h"

#include <cstdio>
#include <string>

namespace zolt::lsp {
namespace {

std::string Hex(std::int16_t code) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%X",
                static_cast<unsigned>(static_cast<std::uint16_t>(code)));
  return digits;
}

}  // namespace

std::string CodeWords(const WordsFact& words) {
  std::string text = Hex(words.code);
  if (words.code2) text.append(" ").append(Hex(*words.code2));
  return text;
}

std::string InlayWords(const WordsFact& words) {
  std::string text = "@";
  text.append(std::to_string(words.address)).append(" ").append(CodeWords(words));
  return text;
}

}  // namespace zolt::lsp
