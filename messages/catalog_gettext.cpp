// The catalog on Linux: gettext, with the .mo files where it looks for them.
#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

#include "catalog.h"

namespace zolt {
namespace {

constexpr const char* kDomain = "zolt";

// English needs no catalog: the texts in the code are English.
bool english = false;

}  // namespace

void UseEnvironmentLanguage() {
  // Only the messages' category follows the environment: numbers and
  // character classes stay as the program reads and writes them everywhere.
  std::setlocale(LC_MESSAGES, "");
  bindtextdomain(kDomain, ZOLT_LOCALE_DIR);
  // The product writes UTF-8 whatever the locale's own character set.
  bind_textdomain_codeset(kDomain, "UTF-8");
  english = false;
}

void UseLanguage(Language language) {
  english = language == Language::English;
  if (english) return;
  // gettext takes LANGUAGE before the locale, except under the C locale,
  // which is then replaced by its UTF-8 twin (always there, needing no
  // locale files); setting the locale also makes gettext look again.
  setenv("LANGUAGE", "zh_CN", 1);
  const char* current = std::setlocale(LC_MESSAGES, nullptr);
  if (current == nullptr || std::strcmp(current, "C") == 0 || std::strcmp(current, "POSIX") == 0) {
    current = "C.UTF-8";
  }
  const std::string keep(current);
  std::setlocale(LC_MESSAGES, keep.c_str());
}

const char* Tr(const char* text) {
  return english || EnglishForced() ? text : dgettext(kDomain, text);
}

}  // namespace zolt
