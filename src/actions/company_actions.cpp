#include "actions/company_actions.h"

#include "actions/inputs.h"
#include "calendar/ganzhi.h"
#include "generation/engine.h"
#include "generation/engine_services.h"
#include "run/random_source.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <limits>
#include <tuple>

namespace zeruda::actions {

using namespace text::literals;

namespace {

using generation::CompanyForm;

Field fixedField(std::size_t box) {
  return static_cast<Field>(static_cast<int>(Field::FixedCharacter1) + static_cast<int>(box));
}

Result<Done> readElements(const GenerateRequest& request, CompanyForm& form) {
  // The request would quietly replace the chosen elements with the favourable ones.
  if (request.autoElements && !request.elements.empty()) {
    return refusal(Field::WantedElements, "与“按喜用神包含五行”不能同时选择"_gbk);
  }
  for (const std::string& text : request.elements) {
    const auto element = calendar::elementFromText(text);
    if (!element) return refusal(Field::WantedElements, "只能是金、木、水、火、土"_gbk);
    form.wantedElements.insert(*element);
  }
  return Done{};
}

// A fixed character stands within the body; unless taken as typed, it must be one
// the names can be built from.
Result<Done> readFixed(const GenerateRequest& request, CompanyForm& form) {
  for (std::size_t box = 0; box < request.fixed.size(); ++box) {
    const auto& typed = request.fixed[box];
    if (!typed || text::removeSpaces(*typed).empty()) continue;
    if (static_cast<int>(box) >= form.bodyLength) {
      return refusal(fixedField(box),
                     "超出了中间字数（"_gbk + std::to_string(form.bodyLength) + "个字）"_gbk);
    }
    form.fixed[box] = *typed;
    if (form.takeAsTyped) continue;
    auto known = requireDictionaryCharacters(text::removeSpaces(*typed), fixedField(box));
    if (!known.ok()) return known.failure();
  }
  return Done{};
}

// What the request gives besides texts and switches.
struct Numbers {
  std::optional<int> count;
  std::uint32_t seed = 0;
};

Result<Numbers> readNumbers(const GenerateRequest& request, CompanyForm& form) {
  const auto length = readOptionalNumber(request.bodyLength, Field::BodyLength, 2, 4);
  if (!length.ok()) return length.failure();
  form.bodyLength = length.value().value_or(2);
  const auto stars = readOptionalNumber(request.minimumStars, Field::MinimumStars, 1, 5);
  if (!stars.ok()) return stars.failure();
  form.minimumStars = stars.value();
  const auto count =
      readOptionalNumber(request.count, Field::NameCount, 1, generation::kRowCap + 1);
  if (!count.ok()) return count.failure();
  const auto seed =
      readOptionalNumber(request.seed, Field::Seed, 0, std::numeric_limits<int>::max());
  if (!seed.ok()) return seed.failure();
  return Numbers{count.value(), seed.value() ? static_cast<std::uint32_t>(*seed.value())
                                             : run::millisecondTickSeed()};
}

// Each name of a run carries its prefix and suffix: a pasted document there would
// cost every row its size.
Result<Done> readAffixes(const GenerateRequest& request, CompanyForm& form) {
  for (const auto& [typed, field, kept] :
       {std::tuple{&request.prefix, Field::RegionPrefix, &form.prefix},
        std::tuple{&request.suffix, Field::TradeSuffix, &form.suffix}}) {
    if (!*typed) continue;
    *kept = **typed;
    auto bounded = requireAtMostCharacters(**typed, field, kMaxNameTextCharacters);
    if (!bounded.ok()) return bounded;
  }
  return Done{};
}

Result<Numbers> readForm(const GenerateRequest& request, CompanyForm& form) {
  form.surname = request.surname;
  form.givenName = request.givenName;
  form.shopName = request.shopName;
  form.takeAsTyped = request.takeAsTyped;
  form.autoElements = request.autoElements;
  if (auto affixes = readAffixes(request, form); !affixes.ok()) return affixes.failure();
  auto numbers = readNumbers(request, form);
  if (!numbers.ok()) return numbers;
  auto birth = readMoment(request.birthDate, request.birthTime, Field::BirthDate, Field::BirthTime);
  if (!birth.ok()) return birth.failure();
  if (birth.value().second != 0) return refusal(Field::BirthTime, "只取时和分，如08:30"_gbk);
  form.birthMoment = birth.value();
  if (auto elements = readElements(request, form); !elements.ok()) return elements.failure();
  if (auto fixed = readFixed(request, form); !fixed.ok()) return fixed.failure();
  if (request.road) {
    const auto road = generation::companyRoadOf(*request.road);
    if (!road) return refusal(Field::NamingRoad, "只能是词库佳名或字库随机"_gbk);
    form.road = *road;
  }
  return numbers;
}

}  // namespace

GenerateChecked checkGenerate(const GenerateRequest& request, Context& context) {
  GenerateChecked checked{generation::defaultCompanyForm()};
  const auto numbers = readForm(request, checked.form);
  if (!numbers.ok()) {
    checked.start = numbers.failure();
    return checked;
  }
  const std::filesystem::path profileFile =
      context.profile ? context.profile->path() : std::filesystem::path();
  generation::RequestOutcome outcome =
      generation::runGenerationRequest(checked.form, context.tables, profileFile);
  checked.form = std::move(outcome.form);
  if (!outcome.start.ok()) {
    checked.start = outcome.start.failure();
  } else {
    checked.start = GenerateStart{std::move(outcome.start).value(), numbers.value().count,
                                  numbers.value().seed};
  }
  return checked;
}

RunEnd runGenerate(const GenerateStart& start, Context& context,
                   const BatchSink<generation::CandidateRow>& sink, run::StopFlag& stop,
                   std::size_t mostRows) {
  RowBatches<generation::CandidateRow> batches(sink, mostRows);
  int rows = 0;
  generation::EngineServices services =
      generation::programEngineServices(start.seed, start.engine.baseScore, context.tables);
  const generation::EngineOutcome outcome =
      generation::runEngine(generation::SettingsSnapshot(start.engine.settings), stop, services,
                            [&](const generation::CandidateRow& row) {
                              batches.add(row);
                              if (++rows == start.count) stop.requestStop();
                            });
  batches.flush();
  RunEnd end{outcome.rows, outcome.capped, std::nullopt};
  if (outcome.refusal) end.message = *outcome.refusal;
  if (outcome.gaveUp) end.message = *outcome.gaveUp;
  return end;
}

}  // namespace zeruda::actions
