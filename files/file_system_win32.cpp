// The file operations on Windows.
#include <io.h>
#include <windows.h>

#include <cerrno>

#include "file_system.h"

namespace zolt {
namespace {

bool IsDiskFile(HANDLE handle) {
  return GetFileType(handle) == FILE_TYPE_DISK;
}

}  // namespace

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting) {
  return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
}

FileKind KindOf(std::FILE* file) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  LARGE_INTEGER size{};
  if (!IsDiskFile(handle) || !GetFileSizeEx(handle, &size)) return {};
  return {true, static_cast<std::uintmax_t>(size.QuadPart)};
}

int CannotWrite(const std::filesystem::path& path) {
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    switch (GetLastError()) {
      case ERROR_ACCESS_DENIED:
      case ERROR_SHARING_VIOLATION:
      case ERROR_LOCK_VIOLATION:
        return EACCES;
      case ERROR_PATH_NOT_FOUND:
        return ENOENT;
      case ERROR_WRITE_PROTECT:
        return EROFS;
      default:
        return EIO;
    }
  }
  const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
  CloseHandle(handle);
  if (created) DeleteFileW(path.c_str());
  return 0;
}

// Reserved names such as CON, NUL or COM1 (with any extension) open a
// device wherever they stand; only a look at what opens tells them apart.
bool IsSpecialFile(const std::filesystem::path& path) {
  const HANDLE handle =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool special = !IsDiskFile(handle);
  CloseHandle(handle);
  return special;
}

}  // namespace zolt
