// A JSON grammar written as an XML property list, the form Sublime Text reads.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace zolt::tools {

// The property list of a value made of objects, arrays and strings, the
// values a TextMate grammar holds; nothing for any other value.
std::optional<std::string> PropertyList(const nlohmann::ordered_json& grammar);

}  // namespace zolt::tools
