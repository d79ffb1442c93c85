// The instruction table's mnemonics filled into a template, in the groups
// that editors colour apart.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zolt::tools {

// How one mnemonic is written in the file a template makes.
using WordForm = std::function<std::string(std::string_view mnemonic)>;

// The template with each placeholder replaced by the mnemonics of its group,
// in the table's order, each written by `form` and joined by `separator`:
//   @MNEMONICS@        every mnemonic
//   @JUMPS@            those whose operand says where the program goes on
//   @WITHOUT_OPERAND@  those that take no operand
//   @OTHERS@           the rest
std::string FillMnemonics(std::string_view text, const WordForm& form, std::string_view separator);

}  // namespace zolt::tools
