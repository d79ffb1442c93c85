// The locale's character set on Linux: nl_langinfo and iconv.
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "catalog.h"
#include "terminal_text.h"

namespace {

// The character set of the user's locale, when the program's UTF-8 must be
// converted to reach it; nothing for UTF-8 itself, and for the C locale's
// ASCII, where bytes pass through as they always have.
std::optional<std::string> TerminalCharset() {
  std::string codeset;
  const locale_t user = newlocale(LC_CTYPE_MASK, "", nullptr);
  if (user != nullptr) {
    codeset = nl_langinfo_l(CODESET, user);
    freelocale(user);
  }
  // A program linked statically reads only the built-in locales; the
  // locale's name ("zh_CN.GBK") still says its character set.
  if (codeset == "ANSI_X3.4-1968") {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
      const char* name = std::getenv(variable);
      if (name == nullptr || *name == '\0') continue;
      const std::string_view locale(name);
      const std::size_t dot = locale.find('.');
      if (dot != std::string_view::npos) {
        codeset = locale.substr(dot + 1, locale.find('@') - dot - 1);
      }
      break;
    }
  }
  std::string upper;
  for (const char c : codeset) upper += c == '-' ? '\0' : static_cast<char>(std::toupper(c));
  std::erase(upper, '\0');
  if (upper.empty() || upper == "UTF8" || upper == "ANSI_X3.41968") return std::nullopt;
  return codeset;
}

// The text in the character set, or nothing when a character of it has no
// place there. With //TRANSLIT a stand-in takes that place instead.
std::optional<std::string> Converted(std::string_view text, const std::string& to) {
  const iconv_t converter = iconv_open(to.c_str(), "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string out;
  std::array<char, 1024> buffer{};
  char* in = const_cast<char*>(text.data());
  std::size_t left = text.size();
  bool whole = true;
  while (left > 0 && whole) {
    char* at = buffer.data();
    std::size_t room = buffer.size();
    const std::size_t done = iconv(converter, &in, &left, &at, &room);
    out.append(buffer.data(), static_cast<std::size_t>(at - buffer.data()));
    whole = done != static_cast<std::size_t>(-1) || errno == E2BIG;
  }
  iconv_close(converter);
  if (!whole) return std::nullopt;
  return out;
}

}  // namespace

std::string ForTerminal(const std::function<std::string()>& say) {
  static const std::optional<std::string> charset = TerminalCharset();
  if (!charset) return say();
  if (std::optional<std::string> text = Converted(say(), *charset)) return *text;
  const zolt::EnglishForNow english;
  const std::string text = say();
  if (std::optional<std::string> converted = Converted(text, *charset)) return *converted;
  return Converted(text, *charset + "//TRANSLIT").value_or(text);
}
