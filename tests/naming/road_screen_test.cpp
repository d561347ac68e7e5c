#include "naming/road_screen.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeruda::naming {
namespace {

using test::gbk;
using test::utf8;

// The word a whole name (UTF-8) is refused for; "" when it is clear.
std::string heardIn(std::string_view name) {
  const std::string text = gbk(name);
  std::vector<std::string_view> characters;
  for (std::size_t at = 0; at + 1 < text.size(); at += 2) {
    characters.push_back(std::string_view(text).substr(at, 2));
  }
  const AvoidWord* word = screenedAvoidWord(characters);
  return word == nullptr ? "" : utf8(word->word);
}

TEST(RoadScreen, RefusesWhatANameHoldsOrIsHeardAs) {
  struct Row {
    const char* why;
    const char* name;
    const char* heard;
  } const rows[] = {
      {"heard without tones, the longest word first", "杜子腾", "肚子疼"},
      {"heard with tones", "范统", "饭桶"},
      {"heard across the surname", "史珍香", "屎真香"},
      {"the surname and one character", "李季", "痢疾"},
      {"a character held", "王屎", "屎"},
      {"a word held", "张早泄", "早泄"},
      {"a clear name", "李清扬", ""},
      {"a character is refused for itself, not for its sound", "史明", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(heardIn(row.name), row.heard) << row.why;
}

}  // namespace
}  // namespace zeruda::naming
