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

// The functions that need nothing but their request, by the name the page calls them.
constexpr std::array<std::pair<std::string_view, Function>, 15> kFunctions = {{
    {"openingDays", openingDaysFunction},
    {"openingLeftOut", openingLeftOutFunction},
    {"grids", gridsFunction},
    {"gridSvg", gridSvgFunction},
    {"chart", chartFunction},
    {"chartSvg", chartSvgFunction},
    {"almanac", almanacFunction},
    {"almanacSearch", almanacSearchFunction},
    {"almanacActivities", almanacActivitiesFunction},
    {"month", monthFunction},
    {"monthDays", monthDaysFunction},
    {"resultCsv", resultCsvFunction},
    {"resultRichCsv", resultRichCsvFunction},
    {"articles", articlesFunction},
    {"article", articleFunction},
}};

}  // namespace

Result<Reply> callFunction(std::string_view name, const Request& request, actions::Context& context,
                           const RowSink& rows) {
  if (name == "generate") return generateFunction(request, context, rows);
  if (name == "personal") return personalFunction(request, context, rows);
  if (name == "rate") return rateFunction(request, context);
  if (name == "report") return reportFunction(request, context);
  if (name == "name") return nameFunction(request, context);
  if (name == "score") return scoreFunction(request, context);
  if (name == "shortlist") return shortlistFunction(request, context, rows);
  if (name == "shortlistCsv") return shortlistCsvFunction(request, context);
  if (name == "prepare") return prepareFunction(request, context);
  for (const auto& [known, function] : kFunctions) {
    if (known == name) return function(request);
  }
  return Error{"没有这个功能："_gbk + std::string(name)};
}

}  // namespace zeruda::wasm
