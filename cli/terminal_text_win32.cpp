// On Windows the console and pipe writers convert every text already.
#include "terminal_text.h"

std::string ForTerminal(const std::function<std::string()>& say) {
  return say();
}
