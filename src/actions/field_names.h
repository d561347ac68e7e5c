#pragma once

#include "text/result.h"
#include "text/user_message.h"

#include <string>

namespace zeruda::actions {

// What a user calls an input (GBK): "出生日期", "名字个数", "固定字3". Every refusal
// names its input so, never by a program key.
std::string fieldName(Field field);

// A field as the page's script knows it: a stable lower_snake_case key ("birth_date",
// "fixed_character_3"), empty for no field. The page maps it to its own input.
std::string fieldKey(Field field);

// A refusal's message as the command line and the page show it, away from the field
// it is about: prefixed with the field's name ("姓氏：您未输入合法内容！") unless
// the message names it already. The window shows the message as it is, beside its
// control.
std::string namedMessage(const Error& error);

}  // namespace zeruda::actions
