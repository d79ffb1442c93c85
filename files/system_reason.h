// Why the system refused a file, in the user's language: the common reasons
// in the product's own words, the same on Linux and Windows, and any other
// in the system's.
#pragma once

#include "message.h"

namespace zolt {

// The reason an errno value stands for, as a message argument.
TextArg SystemReason(int error);

}  // namespace zolt
