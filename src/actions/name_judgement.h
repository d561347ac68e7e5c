#pragma once

#include "actions/context.h"
#include "naming/judgement.h"
#include "numerology/grids.h"
#include "numerology/score_parts.h"
#include "text/result.h"

#include <optional>
#include <string>

namespace zeruda::actions {

// 测名: a person's name to judge, as typed (texts GBK).
struct NameJudgementRequest {
  std::string surname;
  std::string given;
  std::optional<std::string> gender;     // "男" or "女"; absent: not judged
  std::optional<std::string> birthDate;  // with birthTime, the child's chart gives stars
  std::optional<std::string> birthTime;  // "10:15"
};

// How the stars on the child's chart were counted.
struct StarCount {
  numerology::ScoreParts parts;
  long long rounded = 0;  // the sum rounded halves away from zero
  int stars = 1;
  std::optional<int> threshold;  // the rounded sum must pass this for those stars
  std::string missingElements;   // the chart's, which the elements part counts
};

// The personal name report: the name's grids (five grids, three talents, the
// 81-number luck), the judgement of its sound, meaning and source, and, when a birth
// was given, its stars on the child's chart.
struct NameJudgementAnswer {
  std::string surname;
  std::string given;
  numerology::NameGrids record;  // both parts with their strokes, and the grid numbers
  naming::NameJudgement judgement;
  std::optional<StarCount> stars;
};

// Checks every input as the 取名 page checks its boxes: the surname one or two
// characters and the given name one to three, all of the character table; the gender
// 男 or 女; a birth date and time together, within the calendar, without seconds.
Result<NameJudgementAnswer> judgeName(const NameJudgementRequest& request, Context& context);

}  // namespace zeruda::actions
