// The listing's and object file's lines, byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "output_text.h"

namespace zolt {

// The exact lines of the listing and object files; each Append adds one whole
// line with its CR LF. Tab stops every 8 columns put the code words under
// "code", the line number under "line" and the source under "Source Text".

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kErrorLine = "---------------Error------------------";

// A code word as the listing writes it: upper-case hexadecimal digits
// without leading zeros ("F000", "0", "1F").
std::string HexWord(std::int16_t code);

void AppendHeader(OutputText& out, std::string_view listingPath);
void AppendTextOnlyLine(OutputText& out, int lineNumber, std::string_view source);
void AppendOneWordLine(OutputText& out, std::int16_t address, std::int16_t code, int lineNumber,
                       std::string_view source);
void AppendTwoWordLine(OutputText& out, std::int16_t address, std::int16_t code, std::int16_t code2,
                       int lineNumber, std::string_view source);
void AppendErrorLine(OutputText& out);
void AppendObjectLine(OutputText& out, std::int16_t code);
void AppendObjectLine(OutputText& out, std::int16_t code, std::int16_t code2);

// Read back from a listing as written above: for each of its lines, the
// number of the source line it shows (1-based), minus that of the line in
// error for an error line, or 0 for a header line; for a page that shows the
// listing beside the source.
std::vector<std::int32_t> ListedLineNumbers(std::string_view listing);

}  // namespace zolt
