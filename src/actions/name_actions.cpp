#include "actions/name_actions.h"

#include "actions/inputs.h"
#include "app/company_evaluation.h"
#include "pictures/grid_diagram.h"
#include "shortlist/registration_section.h"
#include "storage/character_table.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <utility>

namespace zeruda::actions {

using namespace text::literals;

namespace {

// Elements from a character table that cannot be read would be silently missing.
Result<Done> characterTableReadable(Context& context) {
  auto table = context.tables.open("zk");
  if (!table.ok()) return table.failure();
  return Done{};
}

// A body the dictionary has, of no more characters than a name has.
Result<Done> requireBody(std::string_view body) {
  auto bounded = requireAtMostCharacters(body, Field::NameBody, kMaxNameTextCharacters);
  if (!bounded.ok()) return bounded;
  return requireDictionaryCharacters(body, Field::NameBody);
}

Result<Done> requireAffixes(const ReportRequest& request) {
  for (const auto& [typed, field] : {std::pair{&request.prefix, Field::ReportPrefix},
                                     std::pair{&request.suffix, Field::ReportSuffix}}) {
    if (!*typed) continue;
    auto bounded = requireAtMostCharacters(**typed, field, kMaxNameTextCharacters);
    if (!bounded.ok()) return bounded;
  }
  return Done{};
}

}  // namespace

Result<double> ratingBase(const std::optional<std::string>& typed, Context& context) {
  const auto base = readOptionalNumber(typed, Field::BaseScore, 0, 5);
  if (!base.ok()) return base.failure();
  if (base.value()) return static_cast<double>(*base.value());
  return context.profile ? static_cast<double>(context.profile->baseScore()) : 0.0;
}

Result<numerology::Rating> rate(const RateRequest& request, Context& context) {
  if (auto known = requireBody(request.body); !known.ok()) {
    return known.failure();
  }
  const auto base = ratingBase(request.base, context);
  if (!base.ok()) return base.failure();
  if (auto readable = characterTableReadable(context); !readable.ok()) return readable.failure();
  return numerology::rateName(request.body, base.value(), storage::characterTable(context.tables));
}

Result<NamedGrids> grids(std::string_view body) {
  if (auto known = requireBody(body); !known.ok()) {
    return known.failure();
  }
  NamedGrids named{std::string(body), {}};
  numerology::loadNameParts(named.record, named.body);
  named.record.grids = numerology::computeGrids(named.record.surnamePart, named.record.givenPart);
  return named;
}

Result<pictures::Picture> gridPicture(std::string_view body) {
  const auto named = grids(body);
  if (!named.ok()) return named.failure();
  const numerology::NameGrids& record = named.value().record;
  if (record.surnamePart.empty() || record.givenPart.empty()) {
    return refusal(Field::NameBody, "要有二至四个汉字才能画五格图"_gbk);
  }
  return pictures::gridDiagram(record);
}

ReportAnswer report(const ReportRequest& request, Context& context) {
  numerology::CompanyReportRequest asked;
  asked.body = request.body;
  asked.prefix = request.prefix.value_or("成都"_gbk);
  asked.suffix = request.suffix.value_or("科技有限公司"_gbk);
  asked.selectedBody = request.selectedBody;
  asked.selectedStars = request.selectedStars;
  ReportAnswer answer{text::removeSpaces(request.body)};
  if (auto affixes = requireAffixes(request); !affixes.ok()) {
    answer.report = affixes.failure();
    return answer;
  }
  // An empty body gets the report's own refusal.
  if (!answer.body.empty()) {
    auto known = requireBody(answer.body);
    if (!known.ok()) {
      answer.report = known.failure();
      return answer;
    }
  }
  const auto base = ratingBase(request.base, context);
  if (!base.ok()) {
    answer.report = base.failure();
    return answer;
  }
  asked.baseScore = base.value();
  numerology::ReportSources sources = app::programReportSources(context.tables);
  sources.extraSection = shortlist::registrationSection;
  numerology::CompanyReportOutcome outcome = numerology::companyNameReport(asked, sources);
  answer.body = outcome.body;
  if (outcome.refusal) {
    answer.report = *outcome.refusal;
  } else {
    answer.report = std::move(*outcome.report);
  }
  return answer;
}

}  // namespace zeruda::actions
