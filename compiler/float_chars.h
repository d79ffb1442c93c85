// Floating-point numbers read from and written as text, the same on every
// standard library the product is built with.
#pragma once

#include <charconv>
#include <system_error>

#if !defined(__cpp_lib_to_chars)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#endif

namespace zolt {

// std::from_chars and std::to_chars for float and double in the general
// form. A standard library without them (the browser page's) gets the C
// library's correctly rounded strtof, strtod and printf instead, with
// from_chars' outcome: a value too large or so tiny that it becomes 0 is
// out of range and leaves `value` as it was.
template <typename T>
std::from_chars_result FloatFromChars(const char* first, const char* last, T& value) {
#if defined(__cpp_lib_to_chars)
  return std::from_chars(first, last, value, std::chars_format::general);
#else
  const std::string text(first, last);
  char* end = nullptr;
  T read = 0;
  if constexpr (sizeof(T) == sizeof(float)) {
    read = std::strtof(text.c_str(), &end);
  } else {
    read = std::strtod(text.c_str(), &end);
  }
  const char* stop = first + (end - text.c_str());
  if (stop == first) return {first, std::errc::invalid_argument};
  const bool nonZero = text.find_first_of("123456789") < static_cast<std::size_t>(stop - first);
  if (std::isinf(read) || (read == 0 && nonZero)) return {stop, std::errc::result_out_of_range};
  value = read;
  return {stop, std::errc()};
#endif
}

inline std::to_chars_result DoubleToChars(char* first, char* last, double value, int precision) {
#if defined(__cpp_lib_to_chars)
  return std::to_chars(first, last, value, std::chars_format::general, precision);
#else
  const int size =
      std::snprintf(first, static_cast<std::size_t>(last - first), "%.*g", precision, value);
  if (size < 0 || size >= last - first) return {last, std::errc::value_too_large};
  return {first + size, std::errc()};
#endif
}

}  // namespace zolt
