// Scratch folders under the system's temporary folder, named at random, and
// whole files read and written as bytes.
#include "scratch_folder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace zolt::test {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  // A name no one holds yet: making the folder fails when it is taken.
  std::random_device random;
  for (int tries = 0; path_.empty() && tries < 100; ++tries) {
    const std::string name = "zolt-test-" + std::to_string(random() % 1000000);
    const fs::path path = fs::temp_directory_path() / name;
    if (fs::create_directory(path)) path_ = path;
  }
  if (path_.empty()) throw std::runtime_error("cannot make a scratch folder");
  fs::permissions(path_, fs::perms::all);
}

ScratchFolder::~ScratchFolder() {
  // Restore the rights a test took away, so that everything can be removed.
  std::error_code ignored;
  for (auto entry = fs::recursive_directory_iterator(path_, ignored);
       entry != fs::recursive_directory_iterator(); entry.increment(ignored)) {
    if (!entry->is_symlink(ignored)) {
      fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(path_, ignored);
}

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace zolt::test
