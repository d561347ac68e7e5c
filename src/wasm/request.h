#pragma once

#include "text/result.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::wasm {

// One request from the page: a JSON object whose values are texts, numbers,
// booleans, null or arrays of texts. Its keys are the command line's options in
// lower_snake_case ("min_stars" for --min-stars). Texts come in as UTF-8 and are
// handed out as GBK; every refusal is a GBK message that names the key.
class Request {
 public:
  static Result<Request> parse(std::string_view json);

  // A text the request must hold.
  Result<std::string> text(std::string_view key) const;
  // A text it may hold (absent or null: nothing).
  Result<std::optional<std::string>> optionalText(std::string_view key) const;
  // A whole number within [min, max], given as a number or as decimal text.
  Result<std::optional<int>> number(std::string_view key, int min, int max) const;
  // A switch: true, false, or absent (false).
  Result<bool> flag(std::string_view key) const;
  // Every text of an array (a single text counts as an array of one).
  Result<std::vector<std::string>> texts(std::string_view key) const;

 private:
  struct Value {
    enum class Kind { Null, Text, Number, Boolean, List } kind = Kind::Null;
    std::string scalar;  // UTF-8 text, or the number as written
    bool boolean = false;
    std::vector<Value> items;  // a list's values
  };
  const Value* find(std::string_view key) const;

  std::map<std::string, Value, std::less<>> values_;
  friend class RequestReader;
};

}  // namespace zeruda::wasm
