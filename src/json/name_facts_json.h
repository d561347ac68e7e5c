#pragma once

#include "json/writer.h"
#include "naming/judgement.h"
#include "numerology/score_parts.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeruda::json {

// Keys written inside an object the caller opens and closes, shared by the name report
// and every listed name.

// base, talents, grids (the five grids' luck) and elements.
void writePartKeys(Writer& json, const numerology::ScoreParts& parts);

// star_parts of a listed name: its parts, their sum and the threshold the rounded sum
// passed for `stars` (null for one star).
void writeStarParts(Writer& json, const numerology::ScoreParts& parts, int stars);

void writeStrings(Writer& json, std::string_view key, const std::vector<std::string>& texts);

// pinyin, tones, tone_pattern, meanings, source (absent when none), warnings, notes.
void writeJudgement(Writer& json, const naming::NameJudgement& judged);

}  // namespace zeruda::json
