#include "calendar/nayin.h"

#include "text/gbk.h"

#include <array>

namespace zeruda::calendar {
namespace {

// The traditional Nayin names, one for each consecutive pair of the cycle
// (甲子 乙丑, 丙寅 丁卯, … 壬戌 癸亥), with the program's own spellings.
constexpr std::array<std::string_view, 30> kNayinNames = {
    "海中金", "炉中火", "大林木", "路边土", "剑锋金", "山头火", "涧下水", "城墙土",
    "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
    "山下火", "平地木", "壁上土", "金泊金", "佛灯火", "天河水", "大驿土", "钗钏金",
    "桑松木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

}  // namespace

std::string nayinOf(Pair pair) {
  if (!pair.valid()) return {};
  static const auto names = [] {
    std::array<std::string, kNayinNames.size()> gbk;
    for (std::size_t i = 0; i < gbk.size(); ++i) gbk[i] = text::toGbk(kNayinNames[i]);
    return gbk;
  }();
  return names[static_cast<std::size_t>((pair.number() - 1) / 2)];
}

}  // namespace zeruda::calendar
