#pragma once

#include "actions/context.h"
#include "actions/row_batches.h"
#include "generation/candidate_row.h"
#include "generation/company_form.h"
#include "generation/request.h"
#include "run/stop_flag.h"
#include "text/result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zeruda::actions {

// The company page's generate button, the command line's generate and the page's
// generate, as typed (texts GBK; numbers as typed; absent: left empty).
struct GenerateRequest {
  std::string surname;
  std::string givenName;
  std::string birthDate;              // a typed date
  std::string birthTime;              // "08:30"
  std::optional<std::string> prefix;  // absent: "成都"
  std::optional<std::string> suffix;  // absent: "科技有限公司"
  bool shopName = false;
  bool takeAsTyped = false;
  bool autoElements = false;
  std::vector<std::string> elements;                // the element characters the body must contain
  std::optional<std::string> bodyLength;            // 2-4; absent: 2
  std::array<std::optional<std::string>, 4> fixed;  // by body position
  std::optional<std::string> minimumStars;          // 1-5
  std::optional<std::string> count;                 // 1 to the cap + 1; absent: to the cap
  std::optional<std::string> seed;                  // absent: the clock's
  std::optional<std::string> road;  // words, pool or the page's names; absent: words
};

// A request that has passed: what the run needs and what the window shows.
struct GenerateStart {
  generation::EngineStart engine;  // settings, base score, chart summary, wait message
  std::optional<int> count;        // the run ends after this many rows
  std::uint32_t seed = 0;
};

struct GenerateChecked {
  // The form as the checks left it, passed or not (texts reduced to their Chinese
  // part, the favourable elements chosen): the window shows it in its boxes.
  generation::CompanyForm form;
  Result<GenerateStart> start = Error{};
};

// Checks every input, computes the chart and writes the profile (when the context has
// one). The highest count is one past the engine's cap: the cap itself then ends the
// run, as the window's runs end.
GenerateChecked checkGenerate(const GenerateRequest& request, Context& context);

struct RunEnd {
  int rows = 0;
  bool capped = false;  // ended by itself at the cap
  // Why it ended by itself otherwise (it found nothing for too long, or its table
  // failed); the rows it made before were handed on all the same.
  std::optional<Error> message;
};

// The run of a passed request on the calling thread: rows in batches to `sink` until
// the count, the cap, the stop or the engine gives up.
RunEnd runGenerate(const GenerateStart& start, Context& context,
                   const BatchSink<generation::CandidateRow>& sink, run::StopFlag& stop,
                   std::size_t mostRows = kMostBatchRows);

}  // namespace zeruda::actions
