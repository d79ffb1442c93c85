// The zoltasm command as a function, for each system's own entry point.
#pragma once

#include <string>
#include <vector>

// The whole zoltasm command: the arguments after the program name, as UTF-8
// text; writes UTF-8 text to std::cout and std::cerr; returns the exit status.
int RunZoltasm(const std::vector<std::string>& arguments);

// Whether the arguments start the language server, which speaks bytes on
// standard input and output rather than text.
bool ServesLanguage(const std::vector<std::string>& arguments);
