// The product's texts in its user's language: one message catalog, kept as
// gettext .po files in po/ (the English texts are the ones in the code).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "message.h"

namespace zolt {

enum class Language : std::uint8_t { English, Chinese };

// The language of the user's environment, taken once at start by each
// program: on Linux LANGUAGE, LC_ALL, LC_MESSAGES and LANG as gettext orders
// them; on Windows the same variables when set, else the user's UI language.
// Chinese for any zh_* (Traditional locales read the Simplified catalog until
// one of their own exists), English otherwise.
void UseEnvironmentLanguage();

// Sets the language whatever the environment says (the language server, as
// the editor asks).
void UseLanguage(Language language);

// The language a locale name stands for: "zh", "zh_CN.UTF-8", "zh-tw" are
// Chinese; anything else is English.
Language LanguageOfLocale(std::string_view name);

// The language the catalog speaks now.
Language CurrentLanguage();

// While one lives, the catalog speaks English: for a text the user's
// character set cannot hold in the user's language.
class EnglishForNow {
 public:
  EnglishForNow();
  ~EnglishForNow();
  EnglishForNow(const EnglishForNow&) = delete;
  EnglishForNow& operator=(const EnglishForNow&) = delete;
};

// Whether an EnglishForNow lives.
bool EnglishForced();

// A catalog text in the current language.
const char* Tr(const char* text);

// A message in the current language, its arguments in place.
std::string Render(const Message& message);

}  // namespace zolt
