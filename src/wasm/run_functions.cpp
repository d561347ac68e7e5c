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

#include <chrono>
#include <functional>
#include <limits>
#include <span>
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
  // A refusal of the request's own, unless one came first.
  void refuse(std::string message) {
    if (!error_) error_ = std::move(message);
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
  if (moment.second != 0) reading.refuse("time只取时和分（HH:MM）"_gbk);
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
    reading.refuse("auto_elements与element不能同时使用"_gbk);
  }
  for (const std::string& text : elements) {
    const auto element = calendar::elementFromText(text);
    if (!element) reading.refuse("element只能是金、木、水、火、土"_gbk);
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
  } else if (gender != personal::genderText(personal::Gender::Male)) {
    reading.refuse("gender只能是男或女"_gbk);
  }
  form.birthMoment = birthOf(reading, request);
  form.givenLength =
      numberOr(reading, request, "length", 0, personal::kMinGivenLength, personal::kMaxGivenLength);
  if (form.givenLength == 0) reading.refuse("缺少length"_gbk);
  const auto position = reading.take(request.number("fixed_pos", 1, 3));
  const auto character = reading.take(request.optionalText("fixed"));
  if (position.has_value() != character.has_value()) {
    reading.refuse("fixed_pos与fixed要一起给出"_gbk);
  } else if (position && *position > form.givenLength) {
    reading.refuse("fixed_pos不能超过length"_gbk);
  } else if (position) {
    form.fixed = personal::FixedCharacter{*position, *character};
  }
  if (auto level = reading.take(request.number("level", 1, 5))) form.wantedStars = *level;
  return form;
}

// Hands a run's rows to the page in batches (a list of rows, or for personal names an
// object holding them): often enough that the list grows while the run goes on,
// seldom enough that handing them over costs little beside the run. What it sent
// stays at hand, so a list need not be written twice.
template <typename Row>
class RowBatches {
 public:
  using Shape = std::function<std::string(std::span<const Row>)>;
  RowBatches(const std::vector<Row>& rows, const RowSink& sink, Shape shape)
      : rows_(rows), sink_(sink), shape_(std::move(shape)) {}

  // After each row the run adds. The clock is read only now and then: in the
  // browser each reading is a call out of the module.
  void added() {
    const std::size_t waiting = rows_.size() - sentRows_;
    if (waiting >= kMostRows || (waiting % kRowsBetweenClocks == 0 && overdue())) flush();
  }
  // Once the run has ended.
  void flush() {
    if (sentRows_ < rows_.size()) {
      sent_.push_back(shape_(std::span(rows_).subspan(sentRows_)));
      sink_(sent_.back());
    }
    sentRows_ = rows_.size();
    last_ = Clock::now();
  }
  const std::vector<std::string>& sent() const { return sent_; }

 private:
  using Clock = std::chrono::steady_clock;
  static constexpr std::size_t kMostRows = 200;
  static constexpr std::size_t kRowsBetweenClocks = 20;
  static constexpr auto kLongest = std::chrono::milliseconds(50);

  bool overdue() const { return Clock::now() - last_ >= kLongest; }

  const std::vector<Row>& rows_;
  const RowSink& sink_;
  Shape shape_;
  std::size_t sentRows_ = 0;
  std::vector<std::string> sent_;
  Clock::time_point last_ = Clock::now();
};

// JSON lists ("[a,b]", "[c]") as one ("[a,b,c]").
std::string joinedLists(const std::vector<std::string>& lists) {
  std::string joined = "[";
  for (const std::string& list : lists) {
    if (list.size() <= 2) continue;
    if (joined.size() > 1) joined += ',';
    joined.append(list, 1, list.size() - 2);
  }
  return joined + "]";
}

}  // namespace

Result<Reply> generateFunction(const Request& request, app::Session& session, const RowSink& sink) {
  Reading reading;
  generation::CompanyForm form = companyForm(reading, request);
  const int count = numberOr(reading, request, "count", 0, 1, generation::kRowCap + 1);
  const std::uint32_t seed = seedOf(reading, request);
  if (reading.error()) return Error{*reading.error()};

  const generation::RequestOutcome start =
      generation::runGenerationRequest(std::move(form), session.tables(), session.profile().path());
  if (start.message) return Error{start.message->text};
  std::vector<generation::CandidateRow> rows;
  RowBatches<generation::CandidateRow> batches(
      rows, sink,
      [](std::span<const generation::CandidateRow> batch) { return json::generateJson(batch); });
  run::StopFlag stop;
  generation::EngineServices services =
      generation::programEngineServices(seed, start.start->baseScore, session.tables());
  const generation::EngineOutcome outcome =
      generation::runEngine(generation::SettingsSnapshot(start.start->settings), stop, services,
                            [&](const generation::CandidateRow& row) {
                              rows.push_back(row);
                              batches.added();
                              if (static_cast<int>(rows.size()) == count) stop.requestStop();
                            });
  batches.flush();
  if (outcome.refusal) return Error{outcome.refusal->text};
  // The rows made before the engine gave up have reached the page already.
  if (outcome.gaveUp) return Error{outcome.gaveUp->text};
  return Reply{Reply::Kind::Json, joinedLists(batches.sent())};
}

Result<Reply> personalFunction(const Request& request, app::Session& session, const RowSink& sink) {
  Reading reading;
  const personal::PersonalForm form = personalForm(reading, request);
  const int count = numberOr(reading, request, "count", 100, 1, personal::kNameCap);
  const std::uint32_t seed = seedOf(reading, request);
  if (reading.error()) return Error{*reading.error()};

  const personal::PersonalRequestOutcome start =
      personal::runPersonalRequest(form, session.tables(), session.profile().path());
  if (start.message) return Error{start.message->text};
  auto services = personal::programWorkerServices(seed, session.tables());
  if (!services.ok()) return Error{services.error()};
  std::vector<personal::NameRow> rows;
  RowBatches<personal::NameRow> batches(rows, sink, [&](std::span<const personal::NameRow> batch) {
    return json::personalJson(*start.start, batch);
  });
  run::StopFlag stop;
  const personal::WorkerOutcome outcome = personal::runNamingWorker(
      start.start->settings, stop, services.value(), [&](const personal::NameRow& row) {
        rows.push_back(row);
        batches.added();
        if (static_cast<int>(rows.size()) == count) stop.requestStop();
      });
  batches.flush();
  if (outcome.failure) return Error{outcome.failure->text};
  return Reply{Reply::Kind::Json, json::personalJson(*start.start, rows)};
}

}  // namespace zeruda::wasm
