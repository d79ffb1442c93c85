// Groups the instruction table's rows and writes each group where a template
// names it.
#include "mnemonic_groups.h"

#include <array>
#include <utility>

#include "instruction_set.h"

namespace zolt::tools {
namespace {

bool TakesNoOperand(const Instruction& row) {
  return !row.TakesOperand();
}

using Group = bool (*)(const Instruction&);

constexpr std::array<std::pair<std::string_view, Group>, 4> kGroups{{
    {"@MNEMONICS@", [](const Instruction&) { return true; }},
    {"@JUMPS@", [](const Instruction& row) { return row.jumps; }},
    {"@WITHOUT_OPERAND@", TakesNoOperand},
    {"@OTHERS@", [](const Instruction& row) { return !row.jumps && !TakesNoOperand(row); }},
}};

std::string Written(Group group, const WordForm& form, std::string_view separator) {
  std::string words;
  for (const Instruction& row : Instructions()) {
    if (!group(row)) continue;
    if (!words.empty()) words.append(separator);
    words.append(form(row.mnemonic));
  }
  return words;
}

}  // namespace

std::string FillMnemonics(std::string_view text, const WordForm& form, std::string_view separator) {
  std::string filled(text);
  for (const auto& [placeholder, group] : kGroups) {
    const std::string words = Written(group, form, separator);
    for (std::size_t at = filled.find(placeholder); at != std::string::npos;
         at = filled.find(placeholder, at + words.size())) {
      filled.replace(at, placeholder.size(), words);
    }
  }
  return filled;
}

}  // namespace zolt::tools
