#pragma once

#include "text/user_message.h"

#include <string>

namespace zeruda::personal {

// The texts the 取名 page shows around a run (GBK).

// The modal message held up while the worker runs; closing it stops the run.
UserMessage namingMessage();

// The status bar's first pane while a run goes on.
const std::string& namingStatus();

// The same pane once a run the user stopped has ended.
const std::string& personalSlogan();

// The same pane once a run has ended by itself at its cap of `names` names.
std::string namesMadeStatus(int names);

}  // namespace zeruda::personal
