// The few file operations that differ between Linux and Windows. The error
// values they give are SystemReason's: errno values, and on Windows also the
// system's own codes as ErrorFromWindows keeps them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace zolt {

// Opens a file for reading, or creates or empties it for writing; never
// waits for a pipe's other end to open. A file opened for writing blocks
// while a pipe or terminal is full, so that every byte goes out. nullptr
// with errno set when it cannot.
std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting);

// Creates a new file of its own in the folder of path, to be put in path's
// place once it is whole: the mode of the file at path when there is one.
// nullptr with errno set when it cannot; temporary names what was created.
std::FILE* CreateBeside(const std::filesystem::path& path, std::filesystem::path& temporary);

// Writes what the file holds through to the disk; false with errno set.
bool FlushToDisk(std::FILE* file);

// Puts the file at from in the place of the file at to, in one step; 0, or
// an errno value when it cannot.
int PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to);

// What an open file is: a regular file on a disk (with its size), or
// something else: a device, a pipe or a socket.
struct FileKind {
  bool regular = false;
  std::uintmax_t size = 0;
};
FileKind KindOf(std::FILE* file);

// Why an output could not be created or emptied at path (an errno value), or
// 0 when it can. Nothing is emptied: an existing file is opened for writing
// and closed again, a missing one is created and removed again.
int CannotWrite(const std::filesystem::path& path);

// Whether a device, a pipe or a socket stands at path (Windows' reserved
// names such as CON and NUL among them).
bool IsSpecialFile(const std::filesystem::path& path);

}  // namespace zolt
