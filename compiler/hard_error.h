#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace zolt {

// A failure that ends the whole run: the front end that started the run shows
// "文件不能打开!" with this cause and closes every channel. Soft errors (a
// clamped operand, an undefined symbol) never take this path; they only mark
// the line.
class HardError : public std::runtime_error {
 public:
  explicit HardError(const std::string& cause, std::optional<int> line = std::nullopt)
      : std::runtime_error(cause), line_(line) {}

  // 1-based source line the failure belongs to, when there is one.
  std::optional<int> Line() const { return line_; }
  void SetLineIfUnknown(int line) {
    if (!line_) line_ = line;
  }

 private:
  std::optional<int> line_;
};

}  // namespace zolt
