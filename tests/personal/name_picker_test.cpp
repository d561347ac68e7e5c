#include "personal/name_picker.h"

#include "dictionary/strokes.h"
#include "personal/character_entry.h"
#include "storage/table_files.h"
#include "support/text_support.h"
#include "text/characters.h"

#include <gtest/gtest.h>
#include <set>

namespace zeruda::personal {
namespace {

using test::gbk;
using test::utf8;

// Characters no parent wants in a name: death, illness, disaster, evil, ugliness.
constexpr std::string_view kIllMeaning =
    "死亡病灾祸凶恶丑鬼尸魔毒杀伤痛哭丧残败贫穷苦衰腐癌疾疫瘟害坟墓棺葬盗贼奸淫妖孽囚狱刑罪劫"
    "忧愁悲惨";

// Long-standing name characters outside GB2312 level 1 that the lists may hold.
constexpr std::string_view kWellKnownLevelTwo =
    "昕晖奕晏梓皓琦嵩楠煜毓榕瑜睿霆璋憬桦霏懋曜璧骐麒韬玺瀚馨曦瀛铎懿麟鑫兮沐怡倩芷芙茉翎笙茜淼媛"
    "婷斐雯琪筠菁绮瑛嫣娴萱漪婵蓓瑾璇黛蕙箫薇潇缤薰珑莺俪鹭霭";

bool inLevelOne(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  return lead >= 0xB0 && lead <= 0xD7;
}

TEST(NameCharacters, EveryCharacterMeansWellAndReadsEasily) {
  const std::string ill = gbk(kIllMeaning);
  const std::string allowed = gbk(kWellKnownLevelTwo);
  for (Gender gender : {Gender::Male, Gender::Female}) {
    std::set<std::string_view> seen;
    for (std::string_view c : nameCharacters(gender).characters()) {
      EXPECT_TRUE(seen.insert(c).second) << "listed twice: " << utf8(c);
      EXPECT_EQ(text::findCharacterAware(ill, c), std::string::npos) << utf8(c);
      EXPECT_TRUE(inLevelOne(c) || text::findCharacterAware(allowed, c) != std::string::npos)
          << "rare: " << utf8(c);
    }
  }
}

// The grids of a drawn name use the group's count and those of a fixed character
// the table's "笔画": both must be the character's one Kangxi count.
TEST(NameCharacters, EachStandsInTheGroupOfItsCountInTheCharacterTable) {
  storage::TableSet tables(storage::builtInTables());
  for (Gender gender : {Gender::Male, Gender::Female}) {
    const CharacterGroups& list = nameCharacters(gender);
    std::size_t grouped = 0;
    for (int strokes = kMinDrawnStrokes; strokes <= kMaxDrawnStrokes; ++strokes) {
      for (std::string_view c : list.group(strokes)) {
        EXPECT_EQ(tableStrokes(tables, c), strokes) << utf8(c);
        ++grouped;
      }
    }
    EXPECT_EQ(grouped, list.characters().size()) << "characters without a count of 1-24";
  }
}

TEST(NameCharacters, CountsThreeToTwentyOfferAChoice) {
  for (int strokes = 3; strokes <= 20; ++strokes) {
    EXPECT_GE(nameCharacters(Gender::Male).group(strokes).size(), 15u) << strokes;
    // Few three-stroke characters suit a girl.
    EXPECT_GE(nameCharacters(Gender::Female).group(strokes).size(), strokes == 3 ? 10u : 15u)
        << strokes;
  }
}

TEST(CharacterGroups, ACountWithoutCharactersTakesTheNearestAndItsCount) {
  // 一 1, 大 3, 明 and 林 8: nothing at 2, 4-7 or 9-24.
  const std::string text = gbk("# comment\n光明\t一大明林\n");
  const CharacterGroups groups(text);
  run::DrawInteger first = [](int low, int) { return low; };
  const struct {
    int drawn;
    const char* character;
    int strokes;
  } cases[] = {{1, "一", 1}, {2, "一", 1}, {4, "大", 3}, {6, "明", 8}, {5, "大", 3}, {24, "明", 8}};
  for (const auto& c : cases) {
    const PickedCharacter picked = groups.pick(c.drawn, first);
    EXPECT_EQ(utf8(picked.character), c.character) << c.drawn;
    EXPECT_EQ(picked.strokes, c.strokes) << c.drawn;
  }
  run::DrawInteger last = [](int, int high) { return high; };
  EXPECT_EQ(utf8(groups.pick(8, last).character), "林");  // 明 and 林 share the count
}

}  // namespace
}  // namespace zeruda::personal
