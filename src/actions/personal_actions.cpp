#include "actions/personal_actions.h"

#include "actions/inputs.h"
#include "personal/worker_services.h"
#include "run/random_source.h"
#include "text/gbk_literal.h"

#include <limits>

namespace zeruda::actions {

using namespace text::literals;

namespace {

Result<personal::Gender> readGender(std::string_view typed) {
  if (typed == personal::genderText(personal::Gender::Male)) return personal::Gender::Male;
  if (typed == personal::genderText(personal::Gender::Female)) return personal::Gender::Female;
  return refusal(Field::PersonGender, "只能是男或女"_gbk);
}

Result<Done> readFixed(const PersonalRequest& request, personal::PersonalForm& form) {
  const bool hasCharacter = request.fixed && !request.fixed->empty();
  const auto position =
      readOptionalNumber(request.fixedPosition, Field::FixedPosition, 1, personal::kMaxGivenLength);
  if (!position.ok()) return position.failure();
  if (!position.value() && !hasCharacter) return Done{};
  if (!position.value()) {
    return refusal(Field::FixedPosition, "不能为空：给了固定字，也要给它的位置"_gbk);
  }
  if (*position.value() > form.givenLength) {
    return refusal(Field::FixedPosition,
                   "不能超过名字字数（"_gbk + std::to_string(form.givenLength) + "个字）"_gbk);
  }
  // A place without its character goes on as an empty one, which the request refuses
  // in the words of the page's own check.
  form.fixed = personal::FixedCharacter{*position.value(), request.fixed.value_or("")};
  return Done{};
}

Result<personal::PersonalForm> readForm(const PersonalRequest& request) {
  personal::PersonalForm form;
  form.surname = request.surname;
  const auto gender = readGender(request.gender);
  if (!gender.ok()) return gender.failure();
  form.gender = gender.value();
  auto birth = readMoment(request.birthDate, request.birthTime, Field::BirthDate, Field::BirthTime);
  if (!birth.ok()) return birth.failure();
  if (birth.value().second != 0) return refusal(Field::BirthTime, "只取时和分，如10:15"_gbk);
  form.birthMoment = birth.value();
  const auto length = readNumber(request.givenLength, Field::GivenLength, personal::kMinGivenLength,
                                 personal::kMaxGivenLength);
  if (!length.ok()) return length.failure();
  form.givenLength = length.value();
  if (auto fixed = readFixed(request, form); !fixed.ok()) return fixed.failure();
  const auto level = readOptionalNumber(request.level, Field::StarLevel, 1, 5);
  if (!level.ok()) return level.failure();
  form.wantedStars = level.value();
  if (request.road) {
    const auto road = personal::namingRoadOf(*request.road);
    if (!road) return refusal(Field::NamingRoad, "只能是诗词典籍、佳字组合或按笔画随机"_gbk);
    form.road = *road;
  }
  return form;
}

}  // namespace

Result<PersonalStart> checkPersonal(const PersonalRequest& request, Context& context) {
  const auto form = readForm(request);
  if (!form.ok()) return form.failure();
  const auto count = readOptionalNumber(request.count, Field::NameCount, 1, personal::kNameCap);
  if (!count.ok()) return count.failure();
  const auto seed =
      readOptionalNumber(request.seed, Field::Seed, 0, std::numeric_limits<int>::max());
  if (!seed.ok()) return seed.failure();
  const std::filesystem::path profileFile =
      context.profile ? context.profile->path() : std::filesystem::path();
  Result<personal::NamingStart> started =
      personal::runPersonalRequest(form.value(), context.tables, profileFile);
  if (!started.ok()) return started.failure();
  return PersonalStart{
      std::move(started).value(), count.value(),
      seed.value() ? static_cast<std::uint32_t>(*seed.value()) : run::millisecondTickSeed()};
}

RunEnd runPersonal(const PersonalStart& start, Context& context,
                   const BatchSink<personal::NameRow>& sink, run::StopFlag& stop,
                   std::size_t mostRows) {
  auto services = personal::programWorkerServices(start.seed, context.tables);
  if (!services.ok()) return RunEnd{0, false, services.failure()};
  RowBatches<personal::NameRow> batches(sink, mostRows);
  int names = 0;
  const personal::WorkerOutcome outcome = personal::runNamingWorker(
      start.naming.settings, stop, services.value(), [&](const personal::NameRow& row) {
        batches.add(row);
        if (++names == start.count) stop.requestStop();
      });
  batches.flush();
  RunEnd end{outcome.names, outcome.capped, std::nullopt};
  if (outcome.failure) end.message = *outcome.failure;
  return end;
}

}  // namespace zeruda::actions
