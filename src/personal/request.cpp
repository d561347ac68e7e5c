#include "personal/request.h"

#include "dictionary/standard_characters.h"
#include "personal/character_entry.h"
#include "personal/naming_texts.h"
#include "personal/person_chart.h"
#include "personal/scratch_table.h"
#include "profile/profile.h"
#include "text/gbk_literal.h"

#include <algorithm>

namespace zeruda::personal {

using namespace text::literals;

namespace {

constexpr std::size_t kMaxSurnameCharacters = 2;
constexpr std::size_t kCharacterBytes = 2;

Error compoundSurnameMessage() {
  return {"复姓不可以使用三个字的名字！"_gbk, {}, "特别提示"_gbk, MessageIcon::Warning};
}

Error failure(const std::string& text) { return {text, {}, "提示"_gbk, MessageIcon::Warning}; }

// The surname's and the fixed character's characters that lie outside the table of
// standard characters, joined.
std::string rareCharacters(const WorkerSettings& settings) {
  std::string rare;
  for (const auto& entry : settings.surnameEntries) {
    if (!dictionary::isStandardCharacter(entry.character)) rare += entry.character;
  }
  if (settings.fixedPosition > 0 &&
      !dictionary::isStandardCharacter(settings.fixedEntry.character)) {
    rare += settings.fixedEntry.character;
  }
  return rare;
}

std::vector<chart::CharacterStrokes> chartEntries(
    const std::vector<numerology::CharStroke>& entries) {
  std::vector<chart::CharacterStrokes> out;
  for (const auto& entry : entries) out.push_back({entry.character, entry.strokes});
  return out;
}

}  // namespace

Result<NamingStart> runPersonalRequest(const PersonalForm& form, storage::TableSet& tables,
                                       const std::filesystem::path& profileFile) {
  const std::string_view surname = checkedEntry(form.surname);
  const int givenLength = std::clamp(form.givenLength, kMinGivenLength, kMaxGivenLength);
  if (surname.size() > kCharacterBytes && givenLength == kMaxGivenLength) {
    return compoundSurnameMessage();
  }
  // The checks below would take a character table they cannot read for one that
  // lacks the characters typed: name the table instead.
  if (auto characters = tables.open("zk"); !characters.ok()) {
    return failure(characters.error());
  }
  if (Check c = chineseEntryCheck(tables, form.surname, Field::PersonSurname); !c)
    return c.failure();

  WorkerSettings settings;
  settings.givenLength = givenLength;
  settings.gender = form.gender;
  settings.wantedLevel = wantedLevelOf(form);
  settings.road = form.road;
  if (form.fixed) {
    const Field field = Field::PersonFixedCharacter;
    if (Check c = chineseEntryCheck(tables, form.fixed->character, field); !c) return c.failure();
    auto fixed = tableEntries(tables, form.fixed->character, 1);
    if (!fixed) return invalidEntryMessage(field);
    settings.fixedPosition = fixedPositionFor(givenLength, form.fixed->position);
    settings.fixedEntry = fixed->front();
  }
  auto surnameEntries = tableEntries(tables, form.surname, kMaxSurnameCharacters);
  if (!surnameEntries) return invalidEntryMessage(Field::PersonSurname);
  settings.surname = std::string(surname);
  settings.surnameEntries = std::move(*surnameEntries);

  chart::BirthChart chart = personChartOf(form);
  chart.surnameChars = chartEntries(settings.surnameEntries);
  chart.givenChars.resize(static_cast<std::size_t>(givenLength));
  if (settings.fixedPosition > 0) {
    chart.givenChars[static_cast<std::size_t>(settings.fixedPosition - 1)] = {
        settings.fixedEntry.character, settings.fixedEntry.strokes};
  }
  settings.soughtElements = chart.missingElements;

  const profile::PersonalChartProfile section = personalChartProfileOf(chart, surname);
  if (!profileFile.empty()) {
    auto written = profile::writePersonalChartProfile(profileFile, section);
    if (!written.ok()) return failure("先天八字保存失败："_gbk + written.error());
  }
  settings.baseScore = profile::baseScoreOf(section.favourable);

  if (auto emptied = emptyScratchTable(tables); !emptied.ok()) return failure(emptied.error());
  std::string note = rareCharacterNote(rareCharacters(settings));
  return NamingStart{std::move(settings), std::move(chart), namingMessage(), std::move(note)};
}

}  // namespace zeruda::personal
