#include "wasm/run_functions.h"

#include "calendar/ganzhi.h"
#include "generation/engine.h"
#include "generation/engine_services.h"
#include "generation/request.h"
#include "json/run_json.h"
#include "personal/request.h"
#include "personal/worker.h"
#include "personal/worker_services.h"
#include "run/random_source.h"
#include "run/stop_flag.h"
#include "text/gbk_literal.h"
#include "wasm/moments.h"

#include <limits>
#include <vector>

namespace zeruda::wasm {
namespace {

using namespace text::literals;

// Collects the first refusal of a request's values.
class Reading {
 public:
  template <typename T>
  T take(Result<T> result) {
    if (result.ok()) return std::move(result).value();
    if (!error_) error_ = result.error();
    return T{};
  }
  const std::optional<std::string>& error() const { return error_; }

 private:
  std::optional<std::string> error_;
};

// A whole number of the request, or `fallback` when it has none.
int numberOr(Reading& reading, const Request& request, std::string_view key, int fallback, int min,
             int max) {
  return reading.take(request.number(key, min, max)).value_or(fallback);
}

// The seed given, else the clock's, as on the command line.
std::uint32_t seedOf(Reading& reading, const Request& request) {
  const auto seed = reading.take(request.number("seed", 0, std::numeric_limits<int>::max()));
  return seed ? static_cast<std::uint32_t>(*seed) : run::millisecondTickSeed();
}

// The birth moment of birth and time, to the minute.
calendar::DateTime birthOf(Reading& reading, const Request& request) {
  calendar::DateTime moment = reading.take(requestMoment(request, "birth", "time"));
  if (moment.second != 0 && !reading.error()) {
    reading.take(Result<Done>(Error{"time只取时和分（HH:MM）"_gbk}));
  }
  return moment;
}

generation::CompanyForm companyForm(Reading& reading, const Request& request) {
  generation::CompanyForm form = generation::defaultCompanyForm();
  form.surname = reading.take(request.text("surname"));
  form.givenName = reading.take(request.text("given"));
  form.birthMoment = birthOf(reading, request);
  if (auto prefix = reading.take(request.optionalText("prefix"))) form.prefix = *prefix;
  if (auto suffix = reading.take(request.optionalText("suffix"))) form.suffix = *suffix;
  form.shopName = reading.take(request.flag("shop"));
  form.takeAsTyped = reading.take(request.flag("raw"));
  form.autoElements = reading.take(request.flag("auto_elements"));
  const auto elements = reading.take(request.texts("element"));
  // The request would quietly replace the chosen elements with the favourable ones.
  if (form.autoElements && !elements.empty()) {
    reading.take(Result<Done>(Error{"auto_elements与element不能同时使用"_gbk}));
  }
  for (const std::string& text : elements) {
    const auto element = calendar::elementFromText(text);
    if (!element) reading.take(Result<Done>(Error{"element只能是金、木、水、火、土"_gbk}));
    if (element) form.wantedElements[static_cast<std::size_t>(*element)] = true;
  }
  form.bodyLength = numberOr(reading, request, "length", 2, 2, 4);
  for (int box = 1; box <= 4; ++box) {
    const std::string key = "fixed" + std::to_string(box);
    if (auto fixed = reading.take(request.optionalText(key))) form.fixed[box - 1] = *fixed;
  }
  if (auto stars = reading.take(request.number("min_stars", 1, 5))) form.minimumStars = *stars;
  return form;
}

personal::PersonalForm personalForm(Reading& reading, const Request& request) {
  personal::PersonalForm form;
  form.surname = reading.take(request.text("surname"));
  const std::string gender = reading.take(request.text("gender"));
  if (gender == personal::genderText(personal::Gender::Female)) {
    form.gender = personal::Gender::Female;
  } else if (gender != personal::genderText(personal::Gender::Male) && !reading.error()) {
    reading.take(Result<Done>(Error{"gender只能是男或女"_gbk}));
  }
  form.birthMoment = birthOf(reading, request);
  form.givenLength =
      numberOr(reading, request, "length", 0, personal::kMinGivenLength, personal::kMaxGivenLength);
  if (form.givenLength == 0) reading.take(Result<Done>(Error{"缺少length"_gbk}));
  const auto position = reading.take(request.number("fixed_pos", 1, 3));
  const auto character = reading.take(request.optionalText("fixed"));
  if (position.has_value() != character.has_value()) {
    reading.take(Result<Done>(Error{"fixed_pos与fixed要一起给出"_gbk}));
  } else if (position && *position > form.givenLength) {
    reading.take(Result<Done>(Error{"fixed_pos不能超过length"_gbk}));
  } else if (position) {
    form.fixed = personal::FixedCharacter{*position, *character};
  }
  if (auto level = reading.take(request.number("level", 1, 5))) form.wantedStars = *level;
  return form;
}

}  // namespace

Result<Reply> generateFunction(const Request& request, const RowSink& sink) {
  Reading reading;
  generation::CompanyForm form = companyForm(reading, request);
  const int count = numberOr(reading, request, "count", 0, 1, generation::kRowCap + 1);
  const std::uint32_t seed = seedOf(reading, request);
  if (reading.error()) return Error{*reading.error()};

  const generation::RequestOutcome start = generation::runGenerationRequest(std::move(form));
  if (start.message) return Error{start.message->text};
  std::vector<generation::CandidateRow> rows;
  run::StopFlag stop;
  generation::EngineServices services =
      generation::programEngineServices(seed, start.start->baseScore);
  const generation::EngineOutcome outcome =
      generation::runEngine(generation::SettingsSnapshot(start.start->settings), stop, services,
                            [&](const generation::CandidateRow& row) {
                              rows.push_back(row);
                              sink(json::generateJson(std::span(&rows.back(), 1)));
                              if (static_cast<int>(rows.size()) == count) stop.requestStop();
                            });
  if (outcome.refusal) return Error{outcome.refusal->text};
  // The rows made before the engine gave up have reached the page already.
  if (outcome.gaveUp) return Error{outcome.gaveUp->text};
  return Reply{Reply::Kind::Json, json::generateJson(rows)};
}

Result<Reply> personalFunction(const Request& request, const RowSink& sink) {
  Reading reading;
  const personal::PersonalForm form = personalForm(reading, request);
  const int count = numberOr(reading, request, "count", 100, 1, personal::kNameCap);
  const std::uint32_t seed = seedOf(reading, request);
  if (reading.error()) return Error{*reading.error()};

  const personal::PersonalRequestOutcome start = personal::runPersonalRequest(form);
  if (start.message) return Error{start.message->text};
  auto services = personal::programWorkerServices(seed);
  if (!services.ok()) return Error{services.error()};
  std::vector<personal::NameRow> rows;
  run::StopFlag stop;
  const personal::WorkerOutcome outcome = personal::runNamingWorker(
      start.start->settings, stop, services.value(), [&](const personal::NameRow& row) {
        rows.push_back(row);
        sink(json::personalJson(*start.start, std::span(&rows.back(), 1)));
        if (static_cast<int>(rows.size()) == count) stop.requestStop();
      });
  if (outcome.failure) return Error{outcome.failure->text};
  return Reply{Reply::Kind::Json, json::personalJson(*start.start, rows)};
}

}  // namespace zeruda::wasm
