#pragma once

#include "text/result.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zeruda::cli {

// Which option or argument of a command gives each field it takes ("--birth", "BODY").
using FieldOptions = std::initializer_list<std::pair<Field, std::string_view>>;

// An action's refusal as the command line words it: the option, then the core's
// message ("--birth: 出生日期：没有这一天：2023年2月29日"); exit code 1.
[[noreturn]] void refuse(const Error& error, FieldOptions options);

// The value of an action that passed, or its refusal thrown as above.
template <typename T>
T orRefuse(Result<T> result, FieldOptions options) {
  if (!result.ok()) refuse(result.failure(), options);
  return std::move(result).value();
}

// An argument's UTF-8 as the core's GBK, refused as a text of `field` when it cannot be.
std::string gbkArg(std::string_view utf8, Field field, FieldOptions options);
std::optional<std::string> gbkOption(const std::optional<std::string>& utf8, Field field,
                                     FieldOptions options);

// An action's refusal as one line on `err`, worded as refuse() words it.
void printRefusal(std::ostream& err, std::string_view command, const Error& error,
                  FieldOptions options);

}  // namespace zeruda::cli
