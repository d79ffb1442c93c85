// The file operations on Windows.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "file_system.h"
#include "system_reason.h"

namespace zolt {
namespace {

bool IsDiskFile(HANDLE handle) {
  return GetFileType(handle) == FILE_TYPE_DISK;
}

// The error value of the last Windows error.
int LastError() {
  return ErrorFromWindows(GetLastError());
}

}  // namespace

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting) {
  // The C runtime keeps Windows' own code beside the errno value it makes of
  // it; the code has the reason in the system's words.
  _doserrno = 0;
  std::FILE* file = _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
  if (file == nullptr && _doserrno != 0) errno = ErrorFromWindows(_doserrno);
  return file;
}

std::FILE* CreateBeside(const std::filesystem::path& path, std::filesystem::path& temporary) {
  static std::atomic<unsigned> made{0};
  HANDLE handle = INVALID_HANDLE_VALUE;
  for (int attempt = 0; handle == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
    std::wstring suffix(L".");
    suffix.append(std::to_wstring(GetCurrentProcessId())).append(L"-");
    suffix.append(std::to_wstring(made++)).append(L".tmp");
    temporary = path;
    temporary += suffix;
    handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
      errno = LastError();
      return nullptr;
    }
  }
  if (handle == INVALID_HANDLE_VALUE) {
    errno = ErrorFromWindows(ERROR_FILE_EXISTS);
    return nullptr;
  }
  const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
  std::FILE* file = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
  if (file == nullptr) {
    if (descriptor < 0) {
      CloseHandle(handle);
    } else {
      _close(descriptor);
    }
    DeleteFileW(temporary.c_str());
  }
  return file;
}

bool FlushToDisk(std::FILE* file) {
  return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

int PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  return MoveFileExW(from.c_str(), to.c_str(), flags) ? 0 : LastError();
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
  if (handle == INVALID_HANDLE_VALUE) return LastError();
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
