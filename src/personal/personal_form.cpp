#include "personal/personal_form.h"

#include "text/gbk_literal.h"

#include <algorithm>

namespace zeruda::personal {

using namespace text::literals;

namespace {

constexpr int kDefaultWantedLevel = 4;

}  // namespace

const std::string& genderText(Gender gender) {
  return gender == Gender::Female ? "女"_gbk : "男"_gbk;
}

int wantedLevelOf(const PersonalForm& form) {
  return form.wantedStars.value_or(kDefaultWantedLevel);
}

int fixedPositionFor(int givenLength, int position) {
  return std::clamp(position, 1, std::max(givenLength, 1));
}

}  // namespace zeruda::personal
