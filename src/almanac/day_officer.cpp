#include "almanac/day_officer.h"

#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "text/gbk.h"

#include <array>
#include <string_view>

namespace zeruda::almanac {

using namespace calendar;
namespace {

struct OfficerRow {
  std::string_view officer;
  std::string_view favourable;
  std::string_view unfavourable;
};

// The almanac's texts of each officer, 建 first, as the program has always shown them
// (their old spellings included).
// clang-format off
constexpr std::array<OfficerRow, kOfficerCount> kOfficerRows = {{
    {"建", "宜泥饰舍宇、修资产室、解安宅舍、出行、祭祀、入学冠带、作事求人、参谒贵、上书。",
     "忌起工动土、阅仓祀福、新船下水、行船装载、竞渡。"},
    {"除", "宜祈福祭祀、纳表章安宅舍、出行牧养、交易、求医、解除冤愆、种莳裁接花木、祀福、逐邪、除灵罢服。",
     "忌移徙出行。"},
    {"满", "宜扫舍修资产窒、牧养、裁衣、经络、出行、栽种移接、入仓、开库、店市求财、祭祀、祈福、合帐、塞鼠穴、修饰舍宇。",
     "忌动土服药、孟月（正月、四月、七月、十月）忌经商、兴贩移徙、造宅。"},
    {"平", "宜泥饰垣墙、平治道途、平基定磉、修置产室、置器修福、祭祀、安机、取泥动土、修造。",
     "忌开渠种植经络。"},
    {"定", "宜入学、祈福、祭祀、裁衣、结婚纳采、问名、求嗣、牧养纳畜、安置碓皑贵椎螳、冠带交易。",
     "忌词讼出行。"},
    {"执", "宜祈福、祭祀、纳表、进章、攻猎捕捉、结婚嫁娶、立契券。",
     "忌入宅、移居、出行、远回、开仓、出财、新船下水、主招虫蛀、修六畜栏枋、主招狐狸钺犬。"},
    {"破", "宜求医、破屋坏垣、作灶、服药、破贼、行船装载、嫁娶、进入口、祀福、立契券、纳畜。",
     "忌起工动土、出行远回、移从种时、新船下水行、修作损六畜。"},
    {"危", "宜祭祀祈福、纳表进章、结婚纳采、闻名、捕捉、攻猎、捕鱼、安床、交易、立契券。",
     "忌登惊履险入山伐木、行船装载。"},
    {"成", "宜祭祀祈福、入学、裁衣、结婚纳采嫁娶、纳表章、解安、宅舍、放弃、安置、交易立券、求医、修产堂、种植花木、出行、远回、移徒",
     "忌词讼。"},
    {"收", "宜捕捉、攻猎、收敛财货、修置产室、种植移花接木、祭祀、入学、嫁娶、修仓、捕鱼、纳财、纳畜、索债。",
     "忌造宅、安葬、丧事、出行、针刺、经络。"},
    {"开", "宜祈福、祭祀、纳表章、安宅舍、入学、裁衣、结婚、牧养、开塘井、砌路、安置、交易、立契券、安产室、栽种、出行、入仓、开库。",
     "孟月（正月、四月、七月、十月）忌经商、兴贩、动土。"},
    {"闭", "宜祈福、祭祀、牧养、立券交易、收敛财货、塞穴堤防、移花接木、安床设帐作府。",
     "忌针刺、灸火、出行、种植，孟月（正月、四月、七月、十月）忌远回、竖造移徙动土。"},
}};
// clang-format on

}  // namespace

std::optional<DayOfficer> dayOfficer(Date date) {
  // The day's own pillar: at noon, away from the change of day at 23:00.
  const Pair dayPair = fourPillars(DateTime::of(date, 12)).day;
  if (!dayPair.valid()) return std::nullopt;
  // The month whose 节 opened the day's period is also the branch of its 建: 1 (小寒)
  // 丑, 2 (立春) 寅 … 12 (大雪) 子, and 0 (before 小寒) 子.
  const int jianBranch = openingTermMonthOfDay(date) % kBranchCount;
  const int dayBranch = static_cast<int>(dayPair.branch());
  return static_cast<DayOfficer>((dayBranch - jianBranch + kBranchCount) % kBranchCount);
}

std::string officerText(DayOfficer officer) {
  return text::toGbk(kOfficerRows[static_cast<std::size_t>(officer)].officer);
}

const OfficerTexts& officerTexts(DayOfficer officer) {
  // A search reads them once a day; convert them once.
  static const auto texts = [] {
    std::array<OfficerTexts, kOfficerCount> gbk;
    for (std::size_t i = 0; i < gbk.size(); ++i) {
      gbk[i] = {text::toGbk(kOfficerRows[i].favourable), text::toGbk(kOfficerRows[i].unfavourable)};
    }
    return gbk;
  }();
  return texts[static_cast<std::size_t>(officer)];
}

}  // namespace zeruda::almanac
