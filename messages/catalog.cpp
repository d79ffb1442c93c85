// What the catalog does the same way on every system.
#include "catalog.h"

namespace zolt {

Language LanguageOfLocale(std::string_view name) {
  const bool chinese = name.size() >= 2 && (name[0] == 'z' || name[0] == 'Z') &&
                       (name[1] == 'h' || name[1] == 'H') &&
                       (name.size() == 2 || name[2] == '_' || name[2] == '-' || name[2] == '.');
  return chinese ? Language::Chinese : Language::English;
}

std::string Render(const Message& message) {
  return Fill(Tr(message.text), message.args);
}

}  // namespace zolt
