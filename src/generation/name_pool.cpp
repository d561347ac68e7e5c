#include "generation/name_pool.h"

#include "text/gbk.h"

#include <string>

namespace zeruda::generation {

namespace {

// The program's own choice of characters for company names, in the order the draw
// numbers them; kept in source form and converted once.
constexpr std::string_view kCompanyNamePool =
    "龙汇识友嘉新星天宜宝风长健系典启升缘梦来洋茂清银洁奥高亿斯安力霆微傲久诺营吉润尼圆维"
    "诗集盛信丝贸迎浩啸铁生大时拓中建翔成旋坚悦春精雅爱盈汉雷宇顿鑫实蓝博玛智祥益火佩磊欣"
    "复富领先远运顺理迈亚贝网览晖贵瑞界日月航娇达凯福码讯泰圣耀财语相曼海鼎西用百帝发立速"
    "名光莱欧展鸿事硕原湖仕环惠凡冠威世涛创志具伟林辰华艾明电辉好南东通旺美纽白彩铭良腾格"
    "双玉真禾豪思荣赛派纳广基凤超能川跃皇英庆晶太聚同克迪优德罗子金尔丰开驰振巨旭诚邦阳源"
    "妙科洲木霸森万裕隆全胜倍佳元特扬凌和频利方康苏京韦越正恒飞江尚永宏士奇至本联卓易";

}  // namespace

std::string_view companyNamePool() {
  static const std::string pool = text::toGbk(kCompanyNamePool);
  return pool;
}

std::string_view poolCharacter(int number) {
  return companyNamePool().substr(static_cast<std::size_t>(number - 1) * 2, 2);
}

int poolNumberForDraw(int x) {
  if (x % 2 == 0) ++x;
  return (x + 1) / 2;
}

}  // namespace zeruda::generation
