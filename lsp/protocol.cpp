// Reading positions and ranges from requests.
#include "protocol.h"

#include <algorithm>
#include <string>

#include "catalog.h"

namespace zolt::lsp {
namespace {

// A whole number of the client's; any other number would not convert safely.
std::int64_t Whole(const Json& position, const char* name) {
  const Json& number = position.at(name);
  if (!number.is_number_integer())
    throw InvalidParams(Render(Message("%s is not a whole number", std::string(name))));
  return number.get<std::int64_t>();
}

}  // namespace

// A line past the text stands for none, a character past the line's end for the end.
Place PlaceOf(const Document& document, const Json& position) {
  const std::int64_t line = Whole(position, "line");
  const int index = line >= 0 && line < document.text.Count() ? static_cast<int>(line) : -1;
  const std::int64_t character = std::max<std::int64_t>(0, Whole(position, "character"));
  return {index, document.text.ByteColumn(index, character, document.encoding)};
}

LineSpan LinesOf(const Document& document, const Json& range) {
  const auto within = [&document](const Json& position) {
    return static_cast<int>(
        std::clamp<std::int64_t>(Whole(position, "line"), 0, document.text.Count() - 1));
  };
  return {within(range.at("start")), within(range.at("end"))};
}

}  // namespace zolt::lsp
