// The catalog on Windows: the Chinese texts travel inside the program, built
// from po/zh_CN.po, so that each program stays a single file.
#include <windows.h>

#include <cstdlib>
#include <string_view>
#include <unordered_map>

#include "catalog.h"

namespace zolt {
namespace {

struct Entry {
  const char* english;
  const char* chinese;
};

// Made by the build from the catalog with gettext's own msgexec.
constexpr Entry kChinese[] = {
#include "catalog_zh_CN.inc"
};

Language current = Language::English;

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
  current = FromEnvironment();
}

void UseLanguage(Language language) {
  current = language;
}

const char* Tr(const char* text) {
  if (current == Language::English) return text;
  static const std::unordered_map<std::string_view, const char*> chinese = [] {
    std::unordered_map<std::string_view, const char*> table;
    for (const Entry& entry : kChinese) table.emplace(entry.english, entry.chinese);
    return table;
  }();
  const auto found = chinese.find(text);
  return found == chinese.end() ? text : found->second;
}

}  // namespace zolt
