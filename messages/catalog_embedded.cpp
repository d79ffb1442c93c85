// The catalog carried inside the program, built from po/zh_CN.po, so that
// each Windows program stays a single file and the browser page needs no
// file beside it.
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

}  // namespace

void UseLanguage(Language language) {
  current = language;
}

const char* Tr(const char* text) {
  if (current == Language::English || EnglishForced()) return text;
  static const std::unordered_map<std::string_view, const char*> chinese = [] {
    std::unordered_map<std::string_view, const char*> table;
    for (const Entry& entry : kChinese) table.emplace(entry.english, entry.chinese);
    return table;
  }();
  const auto found = chinese.find(text);
  return found == chinese.end() ? text : found->second;
}

}  // namespace zolt
