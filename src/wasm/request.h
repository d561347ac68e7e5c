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
// handed out as GBK; every refusal names the field the key stands for, as the user
// knows it, never the key.
class Request {
 public:
  static Result<Request> parse(std::string_view json);

  // A text of the request as GBK; absent or null: empty. Each refusal names `field`.
  Result<std::string> text(std::string_view key, Field field) const;
  // A text it may hold (absent or null: nothing).
  Result<std::optional<std::string>> optionalText(std::string_view key, Field field) const;
  // A number, given as a number or as typed text, as the text the actions read.
  Result<std::optional<std::string>> number(std::string_view key, Field field) const;
  // A switch: true, false, or absent (false).
  Result<bool> flag(std::string_view key, Field field) const;
  // Every text of an array (a single text counts as an array of one).
  Result<std::vector<std::string>> texts(std::string_view key, Field field) const;
  // A text as the page sent it, UTF-8 (absent: empty), for an action that reads it so.
  Result<std::string> utf8(std::string_view key, Field field) const;

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
