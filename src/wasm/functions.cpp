#include "wasm/functions.h"

#include "text/gbk_literal.h"
#include "wasm/calendar_functions.h"
#include "wasm/name_functions.h"
#include "wasm/page_functions.h"
#include "wasm/run_functions.h"

#include <array>
#include <utility>

namespace zeruda::wasm {
namespace {

using namespace text::literals;
using Function = Result<Reply> (*)(const Request&);

// The functions that answer at once, by the name the page calls them.
constexpr std::array<std::pair<std::string_view, Function>, 14> kFunctions = {{
    {"grids", gridsFunction},
    {"gridSvg", gridSvgFunction},
    {"rate", rateFunction},
    {"report", reportFunction},
    {"score", scoreFunction},
    {"chart", chartFunction},
    {"chartSvg", chartSvgFunction},
    {"almanac", almanacFunction},
    {"openingDays", openingDaysFunction},
    {"month", monthFunction},
    {"monthDays", monthDaysFunction},
    {"resultCsv", resultCsvFunction},
    {"articles", articlesFunction},
    {"article", articleFunction},
}};

}  // namespace

Result<Reply> callFunction(std::string_view name, const Request& request, const RowSink& rows) {
  if (name == "generate") return generateFunction(request, rows);
  if (name == "personal") return personalFunction(request, rows);
  for (const auto& [known, function] : kFunctions) {
    if (known == name) return function(request);
  }
  return Error{"没有这个功能："_gbk + std::string(name)};
}

}  // namespace zeruda::wasm
