#pragma once

#include "text/user_message.h"

#include <QString>

namespace zeruda::gui {

// The form name of the control that shows an input of the core's messages; empty for
// Field::None.
QString controlNameOf(Field field);

}  // namespace zeruda::gui
