#pragma once

#include "text/result.h"
#include "text/user_message.h"

#include <QString>

namespace zeruda::gui {

// The form name of the control that shows an input of the core's messages; empty for
// Field::None.
QString controlNameOf(Field field);

// A refusal of the core as a message box: its own caption where it has one, else the
// caption of the window that shows it ("系统提示" or "提示", GBK).
UserMessage refusalBox(const Error& error, const std::string& windowCaption);

}  // namespace zeruda::gui
