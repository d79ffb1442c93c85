// Writes objects, arrays and strings as the dict, array and string elements
// of an XML property list, indented with tabs.
#include "property_list.h"

namespace zolt::tools {
namespace {

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

bool Write(const nlohmann::ordered_json& value, const std::string& indent, std::string& out) {
  const std::string inner = indent + '\t';
  if (value.is_string()) {
    out += indent + "<string>" + Escaped(value.get<std::string>()) + "</string>\n";
    return true;
  }
  if (value.is_array()) {
    out += indent + "<array>\n";
    for (const auto& item : value) {
      if (!Write(item, inner, out)) return false;
    }
    out += indent + "</array>\n";
    return true;
  }
  if (!value.is_object()) return false;
  out += indent + "<dict>\n";
  for (const auto& [key, item] : value.items()) {
    out += inner + "<key>" + Escaped(key) + "</key>\n";
    if (!Write(item, inner, out)) return false;
  }
  out += indent + "</dict>\n";
  return true;
}

}  // namespace

std::optional<std::string> PropertyList(const nlohmann::ordered_json& grammar) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
      "<plist version=\"1.0\">\n";
  if (!Write(grammar, "", out)) return std::nullopt;
  return out + "</plist>\n";
}

}  // namespace zolt::tools
