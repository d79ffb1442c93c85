// Writing a whole file at once, for outputs that are made in memory first.
#pragma once

#include <string>
#include <string_view>

namespace zolt {

// Creates or empties the file at path (UTF-8 text) and writes the bytes to
// it; a failure is a hard error that names the path and its cause.
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace zolt
