// Reading a message's JSON with its nesting bounded, and taking it apart.
#include "message_json.h"

#include <array>
#include <iterator>

#include "lone_surrogates.h"

namespace zolt::lsp {
namespace {

// The library's own document builder behind a count of the arrays and
// objects open. (The library's parser callback would see the depth too, but
// with a callback every closing object scans all its parent's members:
// quadratic in a long array of objects.) From kDeepest levels on nothing
// more is built: the container that opens there is kept as null, and the
// events inside it are only counted until it closes.
class BoundedBuilder {
 public:
  explicit BoundedBuilder(Json& root) : builder_(root, false) {}

  bool TooDeep() const { return tooDeep_; }

  bool null() { return Skipping() || builder_.null(); }
  bool boolean(bool value) { return Skipping() || builder_.boolean(value); }
  bool number_integer(Json::number_integer_t value) {
    return Skipping() || builder_.number_integer(value);
  }
  bool number_unsigned(Json::number_unsigned_t value) {
    return Skipping() || builder_.number_unsigned(value);
  }
  bool number_float(Json::number_float_t value, const Json::string_t& text) {
    return Skipping() || builder_.number_float(value, text);
  }
  bool string(Json::string_t& value) { return Skipping() || builder_.string(value); }
  bool binary(Json::binary_t& value) { return Skipping() || builder_.binary(value); }
  bool key(Json::string_t& name) { return Skipping() || builder_.key(name); }
  bool start_object(std::size_t size) { return Open() || builder_.start_object(size); }
  bool end_object() { return Close() || builder_.end_object(); }
  bool start_array(std::size_t size) { return Open() || builder_.start_array(size); }
  bool end_array() { return Close() || builder_.end_array(); }
  bool parse_error(std::size_t at, const std::string& token, const Json::exception& error) {
    return builder_.parse_error(at, token, error);
  }

 private:
  bool Skipping() const { return skipped_ > 0; }

  // Whether the container that opens is skipped rather than built.
  bool Open() {
    if (!Skipping() && depth_ < kDeepest) {
      ++depth_;
      return false;
    }
    if (!Skipping()) {
      tooDeep_ = true;
      builder_.null();
    }
    ++skipped_;
    return true;
  }

  // Whether the container that closes was skipped.
  bool Close() {
    if (!Skipping()) {
      --depth_;
      return false;
    }
    --skipped_;
    return true;
  }

  nlohmann::detail::json_sax_dom_parser<Json> builder_;
  int depth_ = 0;
  // Levels open inside the container kept as null; a body can nest millions.
  std::size_t skipped_ = 0;
  bool tooDeep_ = false;
};

// The last element of an array or member of an object, if it has one.
Json* LastOf(Json& container) {
  if (container.is_array()) {
    Json::array_t& elements = container.get_ref<Json::array_t&>();
    return elements.empty() ? nullptr : &elements.back();
  }
  Json::object_t& members = container.get_ref<Json::object_t&>();
  return members.empty() ? nullptr : &std::prev(members.end())->second;
}

void DropLast(Json& container) {
  if (container.is_array()) {
    container.get_ref<Json::array_t&>().pop_back();
  } else {
    Json::object_t& members = container.get_ref<Json::object_t&>();
    members.erase(std::prev(members.end()));
  }
}

// Empties a value of at most kDeepest levels from its last leaves up, with no
// memory of its own: the library's teardown first moves a container's
// elements into a new vector, and the value may have taken the last memory
// there was. A scalar or an empty container goes without any.
void Dismantle(Json& value) noexcept {
  if (!value.is_structured()) return;
  std::array<Json*, kDeepest> path;
  std::size_t open = 0;
  path[open++] = &value;
  while (open > 0) {
    Json& container = *path[open - 1];
    Json* const last = LastOf(container);
    if (last == nullptr) {
      --open;
    } else if (last->is_structured() && !last->empty()) {
      path[open++] = last;
    } else {
      DropLast(container);
    }
  }
}

}  // namespace

MessageJson::MessageJson(std::string body) {
  ReplaceLoneSurrogates(body);
  try {
    BoundedBuilder builder(value_);
    if (!Json::sax_parse(body, &builder)) {
      Dismantle(value_);
      value_ = nullptr;
    } else {
      form_ = builder.TooDeep() ? Form::TooDeep : Form::Json;
    }
  } catch (...) {
    // Out of memory, most likely: what was built goes without taking more.
    Dismantle(value_);
    throw;
  }
}

MessageJson::~MessageJson() {
  Dismantle(value_);
}

}  // namespace zolt::lsp
