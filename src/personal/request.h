#pragma once

#include "chart/birth_chart.h"
#include "personal/personal_form.h"
#include "personal/worker.h"
#include "storage/data_table.h"
#include "text/result.h"
#include "text/user_message.h"

#include <filesystem>
#include <optional>

namespace zeruda::personal {

// What the window does when the request has passed: start the worker on these
// settings (which clears the stop flag) and hold the wait message up until the
// user closes it, which stops the worker, or until the run ends by itself.
struct NamingStart {
  WorkerSettings settings;
  chart::BirthChart chart;  // the person's chart, shared with the worker
  UserMessage waitMessage;
  // Said beside the names, refusing nothing: a surname or fixed character outside the
  // 通用规范汉字表 (rareCharacterNote); empty when there is none.
  std::string note;
};

// The start button of the 取名 page, after the window has emptied its two lists:
// the compound-surname refusal, the Chinese-entry checks of the surname and the
// fixed character, their "笔画", the person's chart, the profile section "先天八字"
// in `profileFile` (none when empty; every score starts from its "吉数") and the
// emptied scratch table "xm" of `tables`.
//
// Beyond the page's own checks, a surname must be one or two characters of the
// character table and a fixed character exactly one: the name is built from every
// character typed, and a middle character the checks never saw would have no count.
// A profile that cannot be written stops the request: the user would lose the saved
// chart. When every step passed the profile holds "先天八字" and "xm" is empty; a
// failed check or write is to be shown, and the profile is untouched unless the
// failure came after its write.
Result<NamingStart> runPersonalRequest(const PersonalForm& form, storage::TableSet& tables,
                                       const std::filesystem::path& profileFile);

}  // namespace zeruda::personal
