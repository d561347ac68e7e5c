#pragma once

#include "calendar/date_time.h"

#include <optional>
#include <string>

namespace zeruda::personal {

enum class Gender { Male, Female };

// The given name has one to three characters.
inline constexpr int kMinGivenLength = 1;
inline constexpr int kMaxGivenLength = 3;

// A character the user fixes in the given name.
struct FixedCharacter {
  int position = 1;       // 1-3 in the given name
  std::string character;  // GBK, as typed
};

// A personal-naming request as the user gives it, on the 取名 page or the command
// line; texts GBK.
struct PersonalForm {
  std::string surname;
  Gender gender = Gender::Male;
  calendar::DateTime birthMoment;  // second 0
  int givenLength = 2;             // 1-3
  std::optional<FixedCharacter> fixed;
  std::optional<int> wantedStars;  // the star level the recommendation list collects
};

// "男" or "女" (GBK).
const std::string& genderText(Gender gender);

// The star level the recommendation list collects: the chosen one, else four.
int wantedLevelOf(const PersonalForm& form);

// Where a fixed character stands once the given name has `givenLength` characters:
// a position past the name's end moves to its last character (a two-character name
// has no third position, a one-character name only a first).
int fixedPositionFor(int givenLength, int position);

}  // namespace zeruda::personal
