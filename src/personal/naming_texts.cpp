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

}  // namespace zeruda::personal
