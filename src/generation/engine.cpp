#include "generation/engine.h"

#include "dictionary/elements.h"
#include "dictionary/strokes.h"
#include "generation/body_judgement.h"
#include "generation/name_pool.h"
#include "generation/word_road.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <array>
#include <span>
#include <string>

namespace zeruda::generation {

namespace {

constexpr int kMinBodyLength = 2;
constexpr int kMaxBodyLength = 4;

bool bodyLengthAllowed(int length) { return length >= kMinBodyLength && length <= kMaxBodyLength; }

struct Body {
  std::string part1;  // the first half: one character, two for a four-character body
  std::string part2;
  std::string text() const { return part1 + part2; }
};

// Every position draws, fixed or not, and all draws come before any character is
// placed, so the fixed boxes never change which numbers the other positions get.
Body drawBody(const EngineSettings& settings, run::DrawInteger& draw) {
  const int count = settings.bodyLength;
  std::array<int, kMaxBodyLength> drawn{};
  for (int i = 0; i < count; ++i) drawn[i] = poolNumberForDraw(draw(kDrawLow, kDrawHigh));
  Body body;
  for (int i = 0; i < count; ++i) {
    const std::string& fixed = settings.fixed[i];
    std::string& half = i < count / 2 ? body.part1 : body.part2;
    half += fixed.empty() ? poolCharacter(drawn[i]) : std::string_view(fixed);
  }
  return body;
}

Body wordRoadBody(std::span<const std::string_view> characters) {
  Body body;
  const std::size_t count = characters.size();
  for (std::size_t i = 0; i < count; ++i) {
    (i < count / 2 ? body.part1 : body.part2) += characters[i];
  }
  return body;
}

// The body of one attempt on the settings' road; nothing when the words road draws one
// it may not list.
std::optional<Body> drawnBody(const EngineSettings& settings, const WordRoad* words,
                              run::DrawInteger& draw) {
  if (settings.road == CompanyRoad::Pool) return drawBody(settings, draw);
  const auto drawn = words->draw(draw);
  const auto characters = std::span(drawn).first(static_cast<std::size_t>(words->length()));
  if (!words->accepts(characters)) return std::nullopt;
  return wordRoadBody(characters);
}

bool hasRequiredElements(const EngineSettings& settings, std::string_view elements) {
  for (int e = 0; e < calendar::kElementCount; ++e) {
    const auto element = static_cast<calendar::Element>(e);
    if (settings.required.contains(element) &&
        text::findCharacterAware(elements, calendar::elementText(element)) ==
            std::string_view::npos) {
      return false;
    }
  }
  return true;
}

CandidateRow makeRow(const EngineSettings& settings, int sequence, const Body& body,
                     const std::string& text, std::string elements, int stars) {
  using dictionary::kangxiStrokeText;
  using dictionary::writtenStrokeText;
  CandidateRow row;
  row.cell(Column::Sequence) = std::to_string(sequence);
  row.cell(Column::FullName) = settings.prefix + text + settings.suffix;
  row.cell(Column::Body) = text;
  row.cell(Column::WrittenStrokes) =
      writtenStrokeText(body.part1) + "," + writtenStrokeText(body.part2);
  row.cell(Column::KangxiStrokes) =
      kangxiStrokeText(body.part1) + "," + kangxiStrokeText(body.part2);
  row.cell(Column::Elements) = std::move(elements);
  row.cell(Column::Stars) = numerology::starText(stars);
  return row;
}

std::optional<CandidateRow> attemptOn(const EngineSettings& settings, const WordRoad* words,
                                      int sequence, EngineServices& services) {
  if (!bodyLengthAllowed(settings.bodyLength)) return std::nullopt;
  const std::optional<Body> drawn = drawnBody(settings, words, services.draw);
  if (!drawn) return std::nullopt;
  const Body& body = *drawn;
  const std::string text = body.text();
  std::string elements = dictionary::elementText(text);
  if (!hasRequiredElements(settings, elements)) return std::nullopt;
  const numerology::PartedRating rated =
      numerology::rateNameInParts(text, services.baseScore, services.elementLookup);
  if (settings.minimumStars && rated.rating.stars < *settings.minimumStars) return std::nullopt;
  CandidateRow row =
      makeRow(settings, sequence, body, text, std::move(elements), rated.rating.stars);
  row.parts = rated.parts;
  return row;
}

}  // namespace

Error fruitlessRunMessage() {
  using namespace text::literals;
  return {"连续"_gbk + std::to_string(kFruitlessAttemptLimit) +
              "次都没有找到符合条件的名字，已停止。请放宽五行或星级条件。"_gbk,
          {},
          "特别提示"_gbk,
          MessageIcon::Warning};
}

std::optional<CandidateRow> attemptCandidate(const EngineSettings& settings, int sequence,
                                             EngineServices& services) {
  if (settings.road == CompanyRoad::Pool) return attemptOn(settings, nullptr, sequence, services);
  const WordRoad words(settings);
  return attemptOn(settings, &words, sequence, services);
}

EngineOutcome runEngine(const SettingsSnapshot& settings, run::StopFlag& stop,
                        EngineServices& services, const RowConsumer& consume) {
  EngineOutcome outcome;
  const auto atStart = settings.current();
  if (Check c = engineRefusal(*atStart); !c) {
    outcome.refusal = c.failure();
    return outcome;
  }
  if (!bodyLengthAllowed(atStart->bodyLength)) return outcome;
  // The words fitting the fixed characters are sought once: the settings do not change
  // while a run goes on.
  const WordRoad words(*atStart);
  naming::JudgementMemo judged;
  // The words road's two-character bodies come from the word list and repeat; other
  // bodies seldom do, and keeping each would cost more than judging it again.
  const bool keepJudgements =
      atStart->road == CompanyRoad::Words && atStart->bodyLength == kMinBodyLength;
  int sequence = 1;
  long long misses = 0;
  while (!stop.stopRequested()) {
    if (sequence > kRowCap) {
      stop.requestStop();
      outcome.capped = true;
    }
    ++outcome.attempts;
    if (auto row = attemptOn(*settings.current(), &words, sequence, services)) {
      const std::string& body = row->cell(Column::Body);
      row->judgement = keepJudgements
                           ? judged.of(body, [&] { return judgeBody(body); })
                           : std::make_shared<const naming::NameJudgement>(judgeBody(body));
      consume(*row);
      ++sequence;
      ++outcome.rows;
      misses = 0;
    } else if (++misses == kFruitlessAttemptLimit) {
      stop.requestStop();
      outcome.gaveUp = fruitlessRunMessage();
    }
  }
  return outcome;
}

std::unique_ptr<EngineRun> startEngine(std::shared_ptr<const SettingsSnapshot> settings,
                                       EngineServices services, RowConsumer consume,
                                       EngineRun::FinishHandler finished) {
  return std::make_unique<EngineRun>(
      [settings = std::move(settings), services = std::move(services),
       consume = std::move(consume)](run::StopFlag& stop) mutable {
        return runEngine(*settings, stop, services, consume);
      },
      std::move(finished));
}

}  // namespace zeruda::generation
