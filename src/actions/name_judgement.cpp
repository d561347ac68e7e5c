#include "actions/name_judgement.h"

#include "actions/inputs.h"
#include "numerology/rating.h"
#include "personal/character_entry.h"
#include "personal/person_chart.h"
#include "personal/personal_form.h"
#include "personal/worker.h"
#include "profile/profile.h"
#include "storage/character_table.h"
#include "text/gbk_literal.h"

namespace zeruda::actions {

using namespace text::literals;

namespace {

constexpr std::size_t kMostSurnameCharacters = 2;
// How far past its most a name part is still read, to tell "too long" from "not Chinese".
constexpr std::size_t kCharacterSlack = 30;

// The page's check of a name box, then every character of the table and no more of
// them than `most`, which a refusal names ("名字只能有一至三个字").
Result<std::vector<numerology::CharStroke>> readPart(storage::TableSet& tables,
                                                     std::string_view typed, Field field,
                                                     std::size_t most, std::string_view tooLong) {
  if (Check c = personal::chineseEntryCheck(tables, typed, field); !c) return c.failure();
  auto entries = personal::tableEntries(tables, typed, most);
  if (entries) return std::move(*entries);
  if (personal::tableEntries(tables, typed, most + kCharacterSlack)) return refusal(field, tooLong);
  return personal::invalidEntryMessage(field);
}

Result<std::optional<personal::Gender>> readGender(const std::optional<std::string>& typed) {
  if (!typed || typed->empty()) return std::optional<personal::Gender>{};
  for (auto gender : {personal::Gender::Male, personal::Gender::Female}) {
    if (*typed == personal::genderText(gender)) return std::optional{gender};
  }
  return refusal(Field::PersonGender, "只能是男或女"_gbk);
}

Result<std::optional<calendar::DateTime>> readBirth(const NameJudgementRequest& request) {
  const bool any = (request.birthDate && !request.birthDate->empty()) ||
                   (request.birthTime && !request.birthTime->empty());
  if (!any) return std::optional<calendar::DateTime>{};
  auto moment = readMoment(request.birthDate.value_or(""), request.birthTime.value_or(""),
                           Field::BirthDate, Field::BirthTime);
  if (!moment.ok()) return moment.failure();
  if (moment.value().second != 0) return refusal(Field::BirthTime, "只取时和分，如10:15"_gbk);
  return std::optional{moment.value()};
}

// The stars as the 取名 page counts them for a name of this child: the base from the
// chart's favourable elements, the chart's missing elements sought among the characters.
StarCount starsOnChart(numerology::NameGrids record, const personal::PersonalForm& form,
                       Context& context) {
  const chart::BirthChart chart = personal::personChartOf(form);
  const double base =
      profile::baseScoreOf(personal::personalChartProfileOf(chart, form.surname).favourable);
  record.soughtElements = chart.missingElements.text();
  const auto lookup = storage::characterTable(context.tables);
  StarCount count;
  count.parts = numerology::scorePartsOf(record, base, lookup);
  count.rounded = personal::nameScore(record, base, lookup);
  count.stars = numerology::starsForScore(static_cast<double>(count.rounded));
  count.threshold = numerology::starThreshold(count.stars);
  count.missingElements = record.soughtElements;
  return count;
}

std::optional<naming::Leaning> leaningOf(std::optional<personal::Gender> gender) {
  if (!gender) return std::nullopt;
  return *gender == personal::Gender::Male ? naming::Leaning::Male : naming::Leaning::Female;
}

}  // namespace

Result<NameJudgementAnswer> judgeName(const NameJudgementRequest& request, Context& context) {
  if (auto table = context.tables.open("zk"); !table.ok()) return Error{table.error()};
  auto surname = readPart(context.tables, request.surname, Field::PersonSurname,
                          kMostSurnameCharacters, "只能有一或两个字"_gbk);
  if (!surname.ok()) return surname.failure();
  auto given =
      readPart(context.tables, request.given, Field::PersonGivenName,
               static_cast<std::size_t>(personal::kMaxGivenLength), "只能有一至三个字"_gbk);
  if (!given.ok()) return given.failure();
  const auto gender = readGender(request.gender);
  if (!gender.ok()) return gender.failure();
  const auto birth = readBirth(request);
  if (!birth.ok()) return birth.failure();

  NameJudgementAnswer answer;
  answer.surname = std::string(personal::checkedEntry(request.surname));
  answer.given = std::string(personal::checkedEntry(request.given));
  answer.record.surnamePart = std::move(surname).value();
  answer.record.givenPart = std::move(given).value();
  answer.record.grids =
      numerology::computeGrids(answer.record.surnamePart, answer.record.givenPart);
  answer.judgement = naming::judgeName(answer.surname, answer.given, leaningOf(gender.value()));
  if (birth.value()) {
    personal::PersonalForm form;
    form.surname = answer.surname;
    form.gender = gender.value().value_or(personal::Gender::Male);
    form.birthMoment = *birth.value();
    answer.stars = starsOnChart(answer.record, form, context);
  }
  return answer;
}

}  // namespace zeruda::actions
