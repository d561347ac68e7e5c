#include "generation/engine_settings.h"

#include "text/gbk_literal.h"

#include <algorithm>

namespace zeruda::generation {

using namespace text::literals;

std::optional<CompanyRoad> companyRoadOf(std::string_view typed) {
  if (typed == "words" || typed == "词库佳名"_gbk) return CompanyRoad::Words;
  if (typed == "pool" || typed == "字库随机"_gbk) return CompanyRoad::Pool;
  return std::nullopt;
}

int fixedCount(const EngineSettings& settings) {
  return static_cast<int>(std::count_if(settings.fixed.begin(), settings.fixed.end(),
                                        [](const std::string& box) { return !box.empty(); }));
}

Check engineRefusal(const EngineSettings& settings) {
  if (fixedCount(settings) != settings.bodyLength) return Done{};
  return Error{"名字中间字个数与限定字个数一样了，软件将不生成名字，请减少限定字后，重新开始"_gbk,
               {},
               "特别提示"_gbk,
               MessageIcon::Information};
}

}  // namespace zeruda::generation
