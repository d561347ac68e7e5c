#include "personal/worker.h"

#include "personal/given_draw.h"
#include "text/gbk_literal.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>

namespace zeruda::personal {

using namespace text::literals;

namespace {

std::string joinedCharacters(const std::vector<numerology::CharStroke>& entries) {
  std::string text;
  for (const auto& entry : entries) text += entry.character;
  return text;
}

std::string rowText(const std::string& surname, const std::string& given, int stars) {
  std::string text = surname + given;
  text += '[';
  text += numerology::starText(stars);
  text += ']';
  return text;
}

// The name record the run keeps rewriting: the surname and the sought elements stay,
// the given part changes in place.
numerology::NameGrids startingName(const WorkerSettings& settings) {
  numerology::NameGrids name;
  name.surnamePart = settings.surnameEntries;
  name.givenPart.resize(static_cast<std::size_t>(settings.givenLength));
  if (settings.fixedPosition >= 1 && settings.fixedPosition <= settings.givenLength) {
    name.givenPart[static_cast<std::size_t>(settings.fixedPosition - 1)] = settings.fixedEntry;
  }
  name.soughtElements = settings.soughtElements.text();
  return name;
}

// The character table does not change while a run goes on, and a run draws from a
// few hundred characters: each is looked up in the table once.
numerology::ElementLookup memoised(const numerology::ElementLookup& lookup) {
  using Known = std::unordered_map<std::uint16_t, Result<std::optional<std::string>>>;
  return [known = std::make_shared<Known>(), &lookup](std::string_view character) {
    if (character.size() != 2) return lookup(character);
    const auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(character[0]) << 8 |
                                                 static_cast<unsigned char>(character[1]));
    auto found = known->find(code);
    if (found == known->end()) found = known->emplace(code, lookup(character)).first;
    return found->second;
  };
}

Error recordFailure(const std::string& reason) {
  return {"姓名记录保存失败："_gbk + reason, {}, "提示"_gbk, MessageIcon::Warning};
}

Error noClearName() {
  return {"连续"_gbk + std::to_string(kMostDrawsForName) +
              "次取出的名字都含忌用的字词，已停止。请换一个固定字或取名方式。"_gbk,
          {},
          "特别提示"_gbk,
          MessageIcon::Warning};
}

}  // namespace

long long nameScore(const numerology::NameGrids& name, double baseScore,
                    const numerology::ElementLookup& lookup) {
  // Every part is a whole or half number, so the order of the sum changes nothing.
  return numerology::roundHalfAway(numerology::scorePartsOf(name, baseScore, lookup).sum());
}

WorkerOutcome runNamingWorker(const WorkerSettings& settings, run::StopFlag& stop,
                              WorkerServices& services, const NameConsumer& consume) {
  WorkerOutcome outcome;
  numerology::NameGrids name = startingName(settings);
  const numerology::ElementLookup elements = memoised(services.elementLookup);
  std::unordered_set<std::string> recommended;
  const GivenNameDraw givenDraw(settings);
  naming::JudgementMemo judgements;
  const naming::Leaning leaning =
      settings.gender == Gender::Male ? naming::Leaning::Male : naming::Leaning::Female;
  while (!stop.stopRequested()) {
    if (!givenDraw.fill(name.givenPart, services.draw)) {
      outcome.failure = noClearName();
      break;
    }
    name.grids = numerology::computeGrids(name.surnamePart, name.givenPart);
    NameRow row;
    row.given = joinedCharacters(name.givenPart);
    row.grids = name.grids;
    row.parts = numerology::scorePartsOf(name, settings.baseScore, elements);
    row.score = numerology::roundHalfAway(row.parts.sum());
    row.stars = numerology::starsForScore(static_cast<double>(row.score));
    row.judgement = judgements.of(
        row.given, [&] { return naming::judgeName(settings.surname, row.given, leaning); });
    auto number = services.recorder->record({row.given, row.grids, row.stars});
    if (!number.ok()) {
      outcome.failure = recordFailure(number.error());
      break;
    }
    row.recordNumber = number.value();
    row.text = rowText(settings.surname, row.given, row.stars);
    row.recommended = row.stars == settings.wantedLevel && recommended.insert(row.text).second;
    consume(row);
    if (++outcome.names >= kNameCap) {
      stop.requestStop();
      outcome.capped = true;
    }
  }
  if (auto flushed = services.recorder->flush(); !flushed.ok() && !outcome.failure) {
    outcome.failure = recordFailure(flushed.error());
  }
  return outcome;
}

std::unique_ptr<WorkerRun> startNamingWorker(WorkerSettings settings, WorkerServices services,
                                             NameConsumer consume,
                                             WorkerRun::FinishHandler finished) {
  // The services hold the scratch table's recorder, which moves but does not copy.
  auto shared = std::make_shared<WorkerServices>(std::move(services));
  return std::make_unique<WorkerRun>(
      [settings = std::move(settings), shared, consume = std::move(consume)](run::StopFlag& stop) {
        return runNamingWorker(settings, stop, *shared, consume);
      },
      std::move(finished));
}

}  // namespace zeruda::personal
