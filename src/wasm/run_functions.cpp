#include "wasm/run_functions.h"

#include "actions/company_actions.h"
#include "actions/personal_actions.h"
#include "json/run_json.h"
#include "run/stop_flag.h"

#include <span>
#include <vector>

namespace zeruda::wasm {
namespace {

// Collects the first refusal of a request's values.
class Reading {
 public:
  template <typename T>
  T take(Result<T> result) {
    if (result.ok()) return std::move(result).value();
    if (!error_) error_ = result.failure();
    return T{};
  }
  const std::optional<Error>& error() const { return error_; }

 private:
  std::optional<Error> error_;
};

actions::GenerateRequest generateRequest(Reading& reading, const Request& request) {
  actions::GenerateRequest asked;
  asked.surname = reading.take(request.text("surname", Field::LegalSurname));
  asked.givenName = reading.take(request.text("given", Field::LegalGivenName));
  asked.birthDate = reading.take(request.text("birth", Field::BirthDate));
  asked.birthTime = reading.take(request.text("time", Field::BirthTime));
  asked.prefix = reading.take(request.optionalText("prefix", Field::RegionPrefix));
  asked.suffix = reading.take(request.optionalText("suffix", Field::TradeSuffix));
  asked.shopName = reading.take(request.flag("shop", Field::None));
  asked.takeAsTyped = reading.take(request.flag("raw", Field::None));
  asked.autoElements = reading.take(request.flag("auto_elements", Field::WantedElements));
  asked.elements = reading.take(request.texts("element", Field::WantedElements));
  asked.bodyLength = reading.take(request.number("length", Field::BodyLength));
  for (std::size_t box = 0; box < asked.fixed.size(); ++box) {
    const Field field = static_cast<Field>(static_cast<int>(Field::FixedCharacter1) + box);
    asked.fixed[box] = reading.take(request.optionalText("fixed" + std::to_string(box + 1), field));
  }
  asked.minimumStars = reading.take(request.number("min_stars", Field::MinimumStars));
  asked.count = reading.take(request.number("count", Field::NameCount));
  asked.seed = reading.take(request.number("seed", Field::Seed));
  asked.road = reading.take(request.optionalText("road", Field::NamingRoad));
  return asked;
}

actions::PersonalRequest personalRequest(Reading& reading, const Request& request) {
  actions::PersonalRequest asked;
  asked.surname = reading.take(request.text("surname", Field::PersonSurname));
  asked.gender = reading.take(request.text("gender", Field::PersonGender));
  asked.birthDate = reading.take(request.text("birth", Field::BirthDate));
  asked.birthTime = reading.take(request.text("time", Field::BirthTime));
  asked.givenLength = reading.take(request.number("length", Field::GivenLength));
  asked.fixedPosition = reading.take(request.number("fixed_pos", Field::FixedPosition));
  asked.fixed = reading.take(request.optionalText("fixed", Field::PersonFixedCharacter));
  asked.level = reading.take(request.number("level", Field::StarLevel));
  asked.count = reading.take(request.number("count", Field::NameCount));
  asked.seed = reading.take(request.number("seed", Field::Seed));
  asked.road = reading.take(request.optionalText("road", Field::NamingRoad));
  return asked;
}

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

Result<Reply> generateFunction(const Request& request, actions::Context& context,
                               const RowSink& sink) {
  Reading reading;
  const actions::GenerateRequest asked = generateRequest(reading, request);
  if (reading.error()) return *reading.error();
  const auto start = actions::checkGenerate(asked, context).start;
  if (!start.ok()) return start.failure();
  // What was sent stays at hand, so the whole list need not be written twice.
  std::vector<std::string> sent;
  run::StopFlag stop;
  const actions::RunEnd end = actions::runGenerate(
      start.value(), context,
      [&](std::span<const generation::CandidateRow> batch) {
        sent.push_back(json::generateJson(batch));
        sink(sent.back());
      },
      stop);
  // The rows made before the engine gave up have reached the page already.
  if (end.message) return *end.message;
  return Reply{Reply::Kind::Json, joinedLists(sent)};
}

Result<Reply> personalFunction(const Request& request, actions::Context& context,
                               const RowSink& sink) {
  Reading reading;
  const actions::PersonalRequest asked = personalRequest(reading, request);
  if (reading.error()) return *reading.error();
  const auto start = actions::checkPersonal(asked, context);
  if (!start.ok()) return start.failure();
  std::vector<personal::NameRow> rows;
  run::StopFlag stop;
  const actions::RunEnd end = actions::runPersonal(
      start.value(), context,
      [&](std::span<const personal::NameRow> batch) {
        rows.insert(rows.end(), batch.begin(), batch.end());
        sink(json::personalJson(start.value().naming, batch));
      },
      stop);
  if (end.message) return *end.message;
  Reply reply{Reply::Kind::Json, json::personalJson(start.value().naming, rows)};
  if (!start.value().naming.note.empty()) reply.notes.push_back(start.value().naming.note);
  return reply;
}

}  // namespace zeruda::wasm
