// A text the product says, held as its catalog entry and the values that fill
// it, so that each front end shows it in its own user's language.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zolt {

// An argument that is a text of its own, shown in the user's language with
// the message: a catalog text (a system's reason for a failure, in the
// product's words), or with `translated` a text already in that language.
struct TextArg {
  std::string text;
  bool translated = false;
};

// `text` is the English text exactly as the message catalog holds it, with
// "%s" (or "%1$s", "%2$s" for a translation that reorders them) where each
// argument goes; it is always a string literal, so the catalog's extraction
// finds every one at its Message(...).
struct Message {
  const char* text = "";
  std::vector<std::string> args;
  // Which args are catalog texts, one bit each from the first.
  std::uint32_t catalogArgs = 0;

  Message() = default;
  template <typename... Args>
  explicit Message(const char* catalogText, Args&&... values) : text(catalogText) {
    (Add(std::forward<Args>(values)), ...);
  }

  friend bool operator==(const Message& a, const Message& b) {
    return std::string_view(a.text) == b.text && a.args == b.args && a.catalogArgs == b.catalogArgs;
  }

 private:
  void Add(TextArg arg) {
    if (!arg.translated) catalogArgs |= std::uint32_t{1} << args.size();
    args.push_back(std::move(arg.text));
  }
  template <typename Value>
  void Add(Value&& value) {
    args.emplace_back(std::forward<Value>(value));
  }
};

// Marks a catalog text kept to be shown later, as gettext's own convention
// has it: the catalog's extraction finds the texts at N_(...) too.
constexpr const char* N_(const char* text) {
  return text;
}

// A text with the arguments in place of its conversions: "%s" takes the next
// argument, "%N$s" the Nth, "%%" is a percent sign.
std::string Fill(std::string_view text, const std::vector<std::string>& args);

// The message in English, as the code holds it.
inline std::string English(const Message& message) {
  return Fill(message.text, message.args);
}

}  // namespace zolt
