// Filling a message's text with its arguments.
#include "message.h"

namespace zolt {

std::string Fill(std::string_view text, const std::vector<std::string>& args) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    std::size_t at = i + 1;
    std::size_t index = next;
    if (text[at] >= '1' && text[at] <= '9' && at + 2 < text.size() && text[at + 1] == '$') {
      index = static_cast<std::size_t>(text[at] - '1');
      at += 2;
    }
    if (text[at] == 's') {
      if (index < args.size()) out += args[index];
      next = index + 1;
    } else {
      out += text[at];
    }
    i = at;
  }
  return out;
}

}  // namespace zolt
