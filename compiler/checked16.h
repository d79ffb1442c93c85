// The 16-bit fields of the controller: checked steps and conversions.
#pragma once

#include <cstdint>

#include "hard_error.h"

namespace zolt {

// The controller's counters and code words are 16-bit signed fields; every
// step and every conversion into one is checked, so a program that runs past
// the end of memory fails the run instead of wrapping around.
// The cause is a catalog text (marked N_), so that the checks on every line
// build no message unless they fail.
inline std::int16_t ToInt16(std::int32_t value, const char* cause) {
  if (value < INT16_MIN || value > INT16_MAX) throw HardError(Message(cause));
  return static_cast<std::int16_t>(value);
}

inline std::int16_t Add16(std::int16_t counter, std::int32_t step, const char* cause) {
  const std::int64_t sum = static_cast<std::int64_t>(counter) + step;
  if (sum < INT16_MIN || sum > INT16_MAX) throw HardError(Message(cause));
  return static_cast<std::int16_t>(sum);
}

// A word written as a value from -32768 to 65535: the values from 32768 up
// are its bits read unsigned. Any other value is a hard error.
inline std::int16_t Word16(std::int32_t value, const char* cause) {
  return ToInt16(value > INT16_MAX ? value - 65536 : value, cause);
}

// A code word is held as its 16-bit pattern: 0x8000 and above read as negative.
inline std::int16_t Pattern16(std::uint32_t bits) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits));
}

inline std::uint16_t Bits16(std::int16_t pattern) {
  return static_cast<std::uint16_t>(pattern);
}

}  // namespace zolt
