// What zoltasm writes, in the character set of the user's locale.
#pragma once

#include <functional>
#include <string>

// The text `say` makes (in UTF-8, as the program holds its texts) in the
// character set of the user's locale: UTF-8, GB18030, GBK, Big5... Where that
// set cannot hold it, `say` is asked again for the English text. One run
// writes every text in one character set.
std::string ForTerminal(const std::function<std::string()>& say);
