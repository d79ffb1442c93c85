// Incremental synchronisation: a buffer's text after the ranges an editor
// replaced in it.
#include "text_changes.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "catalog.h"

namespace zolt::lsp {
namespace {

std::size_t OffsetOf(const TextLines& text, const Json& position, PositionEncoding encoding) {
  const Json& line = position.at("line");
  const Json& character = position.at("character");
  if (!line.is_number_unsigned() || !character.is_number_unsigned()) {
    throw InvalidParams(Tr("a position of a change is not two whole numbers from 0"));
  }
  const auto index = line.get<std::uint64_t>();
  if (index >= static_cast<std::uint64_t>(text.Count())) return text.Text().size();
  const int number = static_cast<int>(index);
  const std::string_view bytes = text.Line(number);
  return static_cast<std::size_t>(bytes.data() - text.Text().data()) +
         text.ByteColumn(
             number,
             static_cast<std::int64_t>(std::min<std::uint64_t>(
                 character.get<std::uint64_t>(), std::numeric_limits<std::int64_t>::max())),
             encoding);
}

}  // namespace

std::string Changed(const TextLines& text, const Json& changes, PositionEncoding encoding) {
  std::string result = text.Text();
  // The lines of the text as the last change left it, once a change needs them.
  std::optional<TextLines> lines;
  const TextLines* current = &text;
  for (const Json& change : changes) {
    std::string replacement = change.at("text").get<std::string>();
    const auto range = change.find("range");
    if (range == change.end()) {
      result = std::move(replacement);
    } else {
      const std::size_t start = OffsetOf(*current, range->at("start"), encoding);
      const std::size_t end = OffsetOf(*current, range->at("end"), encoding);
      if (end < start) throw InvalidParams(Tr("a change's range ends before it starts"));
      result.replace(start, end - start, replacement);
    }
    if (&change != &changes.back()) current = &lines.emplace(result);
  }
  return result;
}

}  // namespace zolt::lsp
