#include "personal/naming_texts.h"

#include "text/gbk_literal.h"

namespace zeruda::personal {

using namespace text::literals;

UserMessage namingMessage() {
  return {"正在取名，点击[确定]可停止　　"_gbk, "特别提示"_gbk, MessageIcon::Information, {}};
}

const std::string& namingStatus() { return "正在取名，请稍候 ……"_gbk; }

const std::string& personalSlogan() {
  return "根据周易及现代姓名研究学、生辰八字、三才五格、五行喜用神等多方面、"
         "帮助长辈为心爱的小宝贝起一个好听好记又吉祥的名字"_gbk;
}

std::string namesMadeStatus(int names) {
  return "已取名"_gbk + std::to_string(names) + "个，达到一次取名的上限，取名已停止"_gbk;
}

std::string rareCharacterNote(std::string_view characters) {
  if (characters.empty()) return {};
  std::string quoted;
  for (std::size_t pos = 0; pos + 1 < characters.size(); pos += 2) {
    quoted += "“"_gbk + std::string(characters.substr(pos, 2)) + "”"_gbk;
  }
  return "提示："_gbk + quoted +
         "不在《通用规范汉字表》（2013年，8105字）之内。名字照样可以取，已登记的名字也仍然有效；"
         "但户籍登记提倡用表内的字，表外的生僻字在身份证、银行和购票等系统中常常打不出或显示不全。"_gbk;
}

}  // namespace zeruda::personal
