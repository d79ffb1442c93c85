// Source code pages on Linux: iconv.
#include <iconv.h>

#include <array>
#include <cerrno>

#include "source_charset.h"

namespace zolt {
namespace {

class IconvDecoder : public SourceDecoder {
 public:
  explicit IconvDecoder(iconv_t converter) : converter_(converter) {}
  IconvDecoder(const IconvDecoder&) = delete;
  IconvDecoder& operator=(const IconvDecoder&) = delete;
  ~IconvDecoder() override { iconv_close(converter_); }

  std::string ToUtf8(std::string_view bytes) const override {
    std::string text;
    std::array<char, 256> buffer{};
    char* in = const_cast<char*>(bytes.data());
    std::size_t left = bytes.size();
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    while (left > 0) {
      char* out = buffer.data();
      std::size_t room = buffer.size();
      const std::size_t done = iconv(converter_, &in, &left, &out, &room);
      text.append(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
      if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
        // A byte that starts no character of the set (or a character cut
        // off at the end of the word) stays as read.
        text += *in++;
        --left;
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return text;
  }

 private:
  iconv_t converter_;
};

}  // namespace

std::unique_ptr<SourceDecoder> LegacyDecoder(bool chineseUser) {
  return chineseUser ? DecoderNamed("GB18030") : nullptr;
}

std::unique_ptr<SourceDecoder> DecoderNamed(const std::string& name) {
  const iconv_t converter = iconv_open("UTF-8", name.c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return std::make_unique<IconvDecoder>(converter);
}

}  // namespace zolt
