#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace zeruda::naming {

// Which children a character is usually given to, as naming custom has it.
enum class Leaning { Male, Female, Either };

// The leaning written as the data tables write it: 男, 女 or 中 (GBK); nothing else.
std::optional<Leaning> leaningFromText(std::string_view gbk);

// What the program knows of one name character (all texts GBK, valid for the life of
// the program).
struct CharacterFacts {
  std::string_view character;  // two bytes
  std::string_view reading;    // the reading in names, pinyin with tone marks
  int level = 0;               // in the 通用规范汉字表: 1-3, 0 outside it
  Leaning leaning = Leaning::Either;
  std::string_view meaning;        // a few words of Chinese
  std::string_view otherReadings;  // a polyphone's other readings, "、" between; else empty

  bool polyphone() const { return !otherReadings.empty(); }
};

// Every name character (those of the personal pickers and of the company pool), in
// the order of data/naming/readings.tsv.
std::span<const CharacterFacts> nameCharacters();

// The facts of a name character; nothing for any other text.
const CharacterFacts* factsOf(std::string_view character);

// The facts one at a time: empty, 0 or nothing for a character outside the list.
std::string_view readingOf(std::string_view character);
int levelOf(std::string_view character);
std::optional<Leaning> genderOf(std::string_view character);
std::string_view meaningOf(std::string_view character);

}  // namespace zeruda::naming
