// zolt_mnemonic_lists: writes the instruction table's mnemonics into a
// template at build time, so that the editor grammars, the Vim syntax, the
// fuzz dictionary and the editor checks all hold the table's own list.
//   zolt_mnemonic_lists textmate GRAMMAR.json.in GRAMMAR.json SUBLIME.tmLanguage
//   zolt_mnemonic_lists vim|dictionary|json TEMPLATE OUTPUT
// See mnemonic_groups.h for the placeholders.

#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mnemonic_groups.h"
#include "property_list.h"

namespace {

using zolt::tools::FillMnemonics;
using Json = nlohmann::ordered_json;

std::string Escaped(std::string_view word, std::string_view special) {
  std::string escaped;
  for (const char c : word) {
    if (special.find(c) != std::string_view::npos) escaped += '\\';
    escaped += c;
  }
  return escaped;
}

// An alternative of a TextMate (Oniguruma) pattern.
std::string PatternWord(std::string_view mnemonic) {
  return Escaped(mnemonic, "\\^$.|?*+()[]{}");
}

// An alternative of a Vim pattern between slashes; the syntax ignores case and
// Vim's own files write keywords in lower case.
std::string VimWord(std::string_view mnemonic) {
  std::string lower;
  for (const char c : mnemonic)
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Escaped(lower, "\\/.*[]~^$");
}

// A string in double quotes, as both a libFuzzer dictionary and JSON read it.
std::string QuotedWord(std::string_view mnemonic) {
  return '"' + Escaped(mnemonic, "\"\\") + '"';
}

std::optional<std::string> Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Write(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  if (file.flush()) return true;
  std::cerr << "zolt_mnemonic_lists: cannot write " << path << '\n';
  return false;
}

void FillStrings(Json& value) {
  if (value.is_string()) {
    value = FillMnemonics(value.get<std::string>(), PatternWord, "|");
  } else if (value.is_structured()) {
    for (Json& item : value) FillStrings(item);
  }
}

// The JSON grammar for VS Code and its property list for Sublime Text.
bool WriteGrammars(const std::string& text, const std::string& json, const std::string& plist) {
  Json grammar = Json::parse(text, nullptr, false);
  if (grammar.is_discarded()) {
    std::cerr << "zolt_mnemonic_lists: the grammar template is not JSON\n";
    return false;
  }
  FillStrings(grammar);
  const std::optional<std::string> list = zolt::tools::PropertyList(grammar);
  if (!list) {
    std::cerr << "zolt_mnemonic_lists: the grammar holds a value other than objects, arrays and "
                 "strings\n";
    return false;
  }
  return Write(json, grammar.dump(2) + '\n') && Write(plist, *list);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::string form = arguments.empty() ? "" : arguments[0];
  const std::size_t outputs = form == "textmate" ? 2 : 1;
  if (arguments.size() != 2 + outputs ||
      (outputs == 1 && form != "vim" && form != "dictionary" && form != "json")) {
    std::cerr << "usage: zolt_mnemonic_lists textmate TEMPLATE GRAMMAR.json SUBLIME.tmLanguage\n"
                 "       zolt_mnemonic_lists vim|dictionary|json TEMPLATE OUTPUT\n";
    return 2;
  }
  const std::optional<std::string> text = Read(arguments[1]);
  if (!text) {
    std::cerr << "zolt_mnemonic_lists: cannot read " << arguments[1] << '\n';
    return 1;
  }
  bool written = false;
  if (form == "textmate") {
    written = WriteGrammars(*text, arguments[2], arguments[3]);
  } else if (form == "vim") {
    written = Write(arguments[2], FillMnemonics(*text, VimWord, "\\|"));
  } else {
    written = Write(arguments[2], FillMnemonics(*text, QuotedWord, form == "json" ? ", " : "\n"));
  }
  return written ? 0 : 1;
}
