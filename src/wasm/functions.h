#pragma once

#include "actions/context.h"
#include "text/result.h"
#include "wasm/request.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::wasm {

// What a page function gives back, in UTF-8: the JSON the command line writes with
// --json, or, where the command line has no JSON, its plain text (or a picture's SVG).
struct Reply {
  enum class Kind { Json, Text } kind = Kind::Json;
  std::string utf8;
  // What the command line says on stderr beside its answer (GBK): lines of a
  // shortlist it refused, a note on rare characters.
  std::vector<std::string> notes = {};
};

// Receives each row of a generator's run as it is made: the JSON of a one-row list.
using RowSink = std::function<void(const std::string& rowsJson)>;

// Runs the page function `name` (grids, chart, almanac, openingDays, score, rate,
// report, month, generate, personal, and the page's own) on `request` with the page's
// tables; a refusal is the action's, as the command line gives it.
Result<Reply> callFunction(std::string_view name, const Request& request, actions::Context& context,
                           const RowSink& rows);

}  // namespace zeruda::wasm
