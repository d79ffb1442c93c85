// The user's language on Windows: gettext's variables when set, else the
// user's UI language.
#include <windows.h>

#include <cstdlib>

#include "catalog.h"

namespace zolt {
namespace {

// The first of the variables gettext reads that is set, as GNU gettext reads
// them on Windows too (a shell from MSYS2 or Git sets them); else the user's
// UI language.
Language FromEnvironment() {
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return LanguageOfLocale(value);
  }
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE ? Language::Chinese
                                                                   : Language::English;
}

}  // namespace

void UseEnvironmentLanguage() {
  UseLanguage(FromEnvironment());
}

}  // namespace zolt
