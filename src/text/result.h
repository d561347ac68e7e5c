#pragma once

#include "text/user_message.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace zeruda {

// Why an operation failed: a message for the user (in the program's own words, as GBK
// text unless the function says otherwise) and the input it is about, so that each
// front end can point at its own control or option for it. A caption and icon are
// set only where the window shows a refusal under a caption of its own.
struct Error {
  std::string message;
  Field field = Field::None;
  std::string caption = {};
  MessageIcon icon = MessageIcon::Warning;
};

template <typename T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Error error) : state_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  const T& value() const& { return std::get<T>(state_); }
  T& value() & { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  const std::string& error() const { return std::get<Error>(state_).message; }
  // The whole error, to pass on as it is: `return result.failure();`.
  const Error& failure() const { return std::get<Error>(state_); }

 private:
  std::variant<T, Error> state_;
};

// For operations with nothing to return but success.
struct Done {};

// A check passes (Done) or refuses with its error.
using Check = Result<Done>;

// A refusal as the window shows it, and a message the window would show as a refusal.
inline UserMessage userMessageOf(const Error& error) {
  return {error.message, error.caption, error.icon, error.field};
}
inline Error errorOf(const UserMessage& message) {
  return {message.text, message.focus, message.caption, message.icon};
}

}  // namespace zeruda
