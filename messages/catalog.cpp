// What the catalog does the same way on every system.
#include "catalog.h"

namespace zolt {

Language LanguageOfLocale(std::string_view name) {
  const bool chinese = name.size() >= 2 && (name[0] == 'z' || name[0] == 'Z') &&
                       (name[1] == 'h' || name[1] == 'H') &&
                       (name.size() == 2 || name[2] == '_' || name[2] == '-' || name[2] == '.');
  return chinese ? Language::Chinese : Language::English;
}

namespace {

int englishScopes = 0;

}  // namespace

EnglishForNow::EnglishForNow() {
  ++englishScopes;
}

EnglishForNow::~EnglishForNow() {
  --englishScopes;
}

bool EnglishForced() {
  return englishScopes > 0;
}

Language CurrentLanguage() {
  // gettext alone knows which of the environment's choices it took: the
  // kind of a diagnostic is always translated.
  return std::string_view(Tr("error: ")) == "error: " ? Language::English : Language::Chinese;
}

std::string Render(const Message& message) {
  std::vector<std::string> args = message.args;
  for (std::size_t at = 0; at < args.size(); ++at) {
    if ((message.catalogArgs >> at & 1) != 0) args[at] = std::string(Tr(args[at].c_str()));
  }
  return Fill(Tr(message.text), args);
}

}  // namespace zolt
