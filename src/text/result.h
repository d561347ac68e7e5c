#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace zeruda {

// The outcome of an operation that can fail: a value, or a message for the user
// (in the program's own words, as GBK text unless the function says otherwise).
struct Error {
  std::string message;
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

 private:
  std::variant<T, Error> state_;
};

// For operations with nothing to return but success.
struct Done {};

}  // namespace zeruda
