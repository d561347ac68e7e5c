#pragma once

#include "actions/company_actions.h"
#include "actions/context.h"
#include "actions/row_batches.h"
#include "personal/request.h"
#include "personal/worker.h"
#include "run/stop_flag.h"
#include "text/result.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zeruda::actions {

// The 取名 page's start button, the command line's personal and the page's personal,
// as typed (texts GBK; numbers as typed).
struct PersonalRequest {
  std::string surname;
  std::string gender;                        // "男" or "女"
  std::string birthDate;                     // a typed date
  std::string birthTime;                     // "10:15"
  std::optional<std::string> givenLength;    // 1-3
  std::optional<std::string> fixedPosition;  // 1-3, with the fixed character
  std::optional<std::string> fixed;          // the character fixed there
  std::optional<std::string> level;          // 1-5; absent: 4
  std::optional<std::string> count;          // 1 to the cap; absent: to the cap
  std::optional<std::string> seed;           // absent: the clock's
  std::optional<std::string> road;  // verse, pairs, strokes or the page's names; absent: verse
};

struct PersonalStart {
  personal::NamingStart naming;  // settings, chart, wait message, note
  std::optional<int> count;
  std::uint32_t seed = 0;
};

// Checks every input, computes the child's chart, writes the profile (when the
// context has one) and empties the scratch table.
Result<PersonalStart> checkPersonal(const PersonalRequest& request, Context& context);

// The run of a passed request on the calling thread: names in batches to `sink` until
// the count, the cap or the stop.
RunEnd runPersonal(const PersonalStart& start, Context& context,
                   const BatchSink<personal::NameRow>& sink, run::StopFlag& stop,
                   std::size_t mostRows = kMostBatchRows);

}  // namespace zeruda::actions
