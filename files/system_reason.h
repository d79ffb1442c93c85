// Why the system refused a file, in the user's language: the common reasons
// in the product's own words, the same on Linux and Windows, and any other
// in the system's.
#pragma once

#include "message.h"

namespace zolt {

// The reason an error value stands for, as a message argument: an errno
// value or, on Windows, what ErrorFromWindows made of a Windows error code.
TextArg SystemReason(int error);

#ifdef _WIN32
// A Windows error code as an error value: the errno value of a reason in the
// product's own words, else the code itself, kept apart from errno's values,
// so that SystemReason asks Windows for its text.
int ErrorFromWindows(unsigned long code);
#endif

}  // namespace zolt
