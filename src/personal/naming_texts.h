#pragma once

#include "text/user_message.h"

#include <string>
#include <string_view>

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

// A note on characters of a name (GBK, joined) that lie outside the 通用规范汉字表:
// the name may still be given, but such characters cause trouble on identity cards,
// in banks and on tickets. Nothing when `characters` is empty.
std::string rareCharacterNote(std::string_view characters);

}  // namespace zeruda::personal
