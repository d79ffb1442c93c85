// Writing a whole file at once, for outputs that are made in memory first.
#pragma once

#include <string>
#include <string_view>

namespace zolt {

// Writes the bytes as the file at path (UTF-8 text): whole, or not at all. A
// file on a disk is replaced in one step once the new one is written, so a
// failure (a full disk, a limit on file size) leaves the old one as it was;
// a pipe, terminal or device gets every byte, waiting for a slow reader. A
// failure is a hard error that names the path and its cause.
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace zolt
