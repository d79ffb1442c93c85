// Scratch folders for the tests, and reading and writing whole files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zolt::test {

// A fresh folder under the system's temporary folder, open to every user so
// that a run under an unprivileged account can create files in it; removed
// with everything in it when the test ends.
class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  const std::filesystem::path& Path() const { return path_; }
  std::string operator/(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Whole-file helpers that fail the test through an exception when the file
// cannot be used.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace zolt::test
