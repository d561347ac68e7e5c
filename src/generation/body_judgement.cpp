#include "generation/body_judgement.h"

#include "generation/trade_words.h"
#include "registration/famous_names.h"
#include "text/gbk_literal.h"

#include <string>

namespace zeruda::generation {

using namespace text::literals;

namespace {

std::string quoted(std::string_view text) { return "“"_gbk + std::string(text) + "”"_gbk; }

}  // namespace

naming::NameJudgement judgeBody(std::string_view body) {
  // A 字号 has no surname before it and no gender to fit.
  naming::NameJudgement judged = naming::judgeNameWithoutSource({}, body, std::nullopt);
  if (isTradeWord(body)) judged.notes.push_back("字号："_gbk + quoted(body) + "读来成词"_gbk);
  for (const registration::FamousName* famous :
       registration::FamousNames::builtIn().withTradeName(body)) {
    judged.warnings.push_back("知名字号："_gbk + quoted(body) + "是"_gbk + famous->enterprise +
                              "的字号，易生混淆"_gbk);
  }
  return judged;
}

}  // namespace zeruda::generation
