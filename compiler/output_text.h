// An output's text, built line by line in memory.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace zolt {

// The text of an output, formatted straight into place: a line asks for room
// for its longest form, is written through a pointer and keeps what it used.
// The room ahead is made in steps of a few kilobytes, so a line costs no
// allocation and no filling of its own, and little is made that a run does
// not use.
class OutputText {
 public:
  // Room for at least `size` more characters at the end of the text.
  char* Room(std::size_t size) {
    if (bytes_.size() - size_ < size) bytes_.resize(size_ + std::max(size, kStep));
    return bytes_.data() + size_;
  }
  // Room taken ahead for a text that will grow to about `size` characters;
  // its pages are only touched as the text reaches them.
  void Reserve(std::size_t size) { bytes_.reserve(size); }
  // The text now ends at `end`, a place in the room made last.
  void EndAt(const char* end) { size_ = static_cast<std::size_t>(end - bytes_.data()); }

  void Append(std::string_view text) {
    EndAt(std::copy(text.begin(), text.end(), Room(text.size())));
  }

  std::string_view View() const { return {bytes_.data(), size_}; }
  std::size_t Size() const { return size_; }
  void Clear() { size_ = 0; }
  // The whole text, handed over without a copy; the output is empty after.
  std::string Take() {
    bytes_.resize(size_);
    size_ = 0;
    return std::move(bytes_);
  }

 private:
  static constexpr std::size_t kStep = 4096;

  std::string bytes_;
  std::size_t size_ = 0;
};

}  // namespace zolt
