#pragma once

#include "calendar/date_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeruda::personal {

enum class Gender { Male, Female };

// How the given names are drawn: pairs from the verse sources (诗词典籍), pairs of name
// characters that read well together (佳字组合), or a stroke count drawn for each
// position (按笔画随机), the draw the page had before the other two.
enum class NamingRoad { Verse, Pairs, Strokes };

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
  NamingRoad road = NamingRoad::Verse;
};

// "男" or "女" (GBK).
const std::string& genderText(Gender gender);

// The road of a typed choice: its name as the page shows it (诗词典籍, 佳字组合,
// 按笔画随机) or its command-line word (verse, pairs, strokes); nothing for any other.
std::optional<NamingRoad> namingRoadOf(std::string_view typed);

// The star level the recommendation list collects: the chosen one, else four.
int wantedLevelOf(const PersonalForm& form);

// Where a fixed character stands once the given name has `givenLength` characters:
// a position past the name's end moves to its last character (a two-character name
// has no third position, a one-character name only a first).
int fixedPositionFor(int givenLength, int position);

}  // namespace zeruda::personal
