#include "personal/personal_form.h"

#include "text/gbk_literal.h"

#include <algorithm>

namespace zeruda::personal {

using namespace text::literals;

namespace {

constexpr int kDefaultWantedLevel = 4;

}  // namespace

const std::string& PersonalControls::surname() { return "编辑框姓"_gbk; }
const std::string& PersonalControls::fixedCharacter() { return "编辑框固定字"_gbk; }

const std::string& genderText(Gender gender) {
  return gender == Gender::Female ? "女"_gbk : "男"_gbk;
}

calendar::DateTime birthMomentOf(const PersonalForm& form) {
  return calendar::DateTime::of(form.birthDate, form.hourIndex, form.minuteIndex, 0);
}

int wantedLevelOf(const PersonalForm& form) {
  return form.pickLevel ? form.starLevelIndex + 1 : kDefaultWantedLevel;
}

int fixedPositionIndexFor(int givenLength, int positionIndex) {
  return std::clamp(positionIndex, 0, std::max(givenLength - 1, 0));
}

}  // namespace zeruda::personal
