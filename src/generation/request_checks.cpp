#include "generation/request_checks.h"

#include "dictionary/elements.h"
#include "text/characters.h"
#include "text/field_limits.h"
#include "text/gbk_literal.h"
#include "text/pattern_matcher.h"

#include <algorithm>

namespace zeruda::generation {

using namespace text::literals;

namespace {

Error inputWarning(const std::string& text, Field focus) {
  return {text, focus, "系统提示"_gbk, MessageIcon::Warning};
}

int wantedElementCount(const CompanyForm& form) { return form.wantedElements.size(); }

}  // namespace

void chooseFavourableElements(CompanyForm& form, const ElementSet& favourable) {
  form.wantedElements = favourable;
}

Check elementCountCheck(const CompanyForm& form) {
  if (form.bodyLength >= wantedElementCount(form)) return Done{};
  // The only input message of the page with neither icon nor caption of its own.
  return Error{"可包含五行个数超过中间字总个数，请重新选择！"_gbk, {}, {}, MessageIcon::None};
}

std::string checkedValue(const CompanyForm& form, std::string_view boxText) {
  return form.takeAsTyped ? std::string(boxText) : text::chineseOnly(boxText);
}

Check firstCheck(const CompanyForm& form) {
  if (form.shopName) return Done{};
  if (checkedValue(form, form.surname).empty()) {
    return inputWarning("请填写公司法人姓,只可输入中文！"_gbk, Field::LegalSurname);
  }
  if (checkedValue(form, form.givenName).empty()) {
    return inputWarning("请填写公司法人名,只可输入中文！"_gbk, Field::LegalGivenName);
  }
  if (checkedValue(form, form.prefix).empty()) {
    return inputWarning(
        "请填写公司名称的地域前缀,只可输入中文！没有地域前缀时勾选 [取店铺、品牌名]"_gbk,
        Field::RegionPrefix);
  }
  if (checkedValue(form, form.suffix).empty()) {
    return inputWarning(
        "请填写公司名称的行业后缀,只可输入中文！没有行业后缀时勾选 [取店铺、品牌名]"_gbk,
        Field::TradeSuffix);
  }
  return Done{};
}

void normaliseTexts(CompanyForm& form) {
  if (form.takeAsTyped) return;
  for (std::string* box : {&form.prefix, &form.suffix, &form.surname, &form.givenName}) {
    *box = text::chineseOnly(*box);
  }
  for (std::string& box : form.fixed) box = text::chineseOnly(box);
}

Check secondCheck(const CompanyForm& form) {
  if (form.surname.empty()) {
    return inputWarning("请填写公司法人代表的姓氏！"_gbk, Field::LegalSurname);
  }
  if (form.givenName.empty()) {
    return inputWarning("请填写公司法人代表的名字！"_gbk, Field::LegalGivenName);
  }
  if (form.shopName) return Done{};
  if (form.prefix.empty()) {
    return inputWarning("请填写公司名称的地域前缀！没有地域前缀时勾选 [取店铺、品牌名]"_gbk,
                        Field::RegionPrefix);
  }
  if (form.suffix.empty()) {
    return inputWarning("请填写公司所属行业！取店铺、品牌名时请勾选 [取店铺、品牌名]"_gbk,
                        Field::TradeSuffix);
  }
  return Done{};
}

Check fieldLimitCheck(const CompanyForm& form) {
  const std::string& caption = "系统提示"_gbk;
  const struct {
    const std::string* text;
    const std::string& label;
    std::size_t maxCharacters;
    Field field;
  } fields[] = {
      {&form.surname, "法人姓"_gbk, text::kMaxSurnameCharacters, Field::LegalSurname},
      {&form.givenName, "法人名"_gbk, text::kMaxGivenNameCharacters, Field::LegalGivenName},
      {&form.prefix, "地域前缀"_gbk, text::kMaxPrefixCharacters, Field::RegionPrefix},
      {&form.suffix, "行业后缀"_gbk, text::kMaxSuffixCharacters, Field::TradeSuffix},
  };
  for (const auto& f : fields) {
    if (Check c = text::fieldTextCheck(*f.text, f.label, f.maxCharacters, f.field, caption); !c) {
      return c;
    }
  }
  constexpr Field kFixedFields[] = {Field::FixedCharacter1, Field::FixedCharacter2,
                                    Field::FixedCharacter3, Field::FixedCharacter4};
  const int boxes = std::clamp(form.bodyLength, 0, static_cast<int>(form.fixed.size()));
  for (int i = 0; i < boxes; ++i) {
    const auto index = static_cast<std::size_t>(i);
    if (Check c = text::fieldTextCheck(form.fixed[index], "固定字"_gbk + std::to_string(i + 1),
                                       text::kMaxFixedCharacters, kFixedFields[index], caption);
        !c) {
      return c;
    }
  }
  return Done{};
}

Check runCheck(const EngineSettings& settings) {
  if (Check c = engineRefusal(settings); !c) return c;
  const int length = settings.bodyLength;
  if (length < 2 || length > 4) return Done{};
  std::string fixedText;
  int freePositions = length;
  for (int i = 0; i < length; ++i) {
    if (settings.fixed[i].empty()) continue;
    fixedText += settings.fixed[i];
    --freePositions;
  }
  const std::string given = dictionary::elementText(fixedText);
  int stillNeeded = 0;
  for (int e = 0; e < calendar::kElementCount; ++e) {
    const auto element = static_cast<calendar::Element>(e);
    if (settings.required.contains(element) &&
        text::findCharacterAware(given, calendar::elementText(element)) == std::string_view::npos) {
      ++stillNeeded;
    }
  }
  if (stillNeeded <= freePositions) return Done{};
  return Error{"包含五行的要求无法满足：除固定字外只剩"_gbk + std::to_string(freePositions) +
                   "个字，却还需要包含"_gbk + std::to_string(stillNeeded) + "种五行。"_gbk,
               Field::WantedElements, "特别提示"_gbk, MessageIcon::Warning};
}

std::optional<UserMessage> autoPickToggled(bool ticked) {
  if (!ticked) return std::nullopt;
  return UserMessage{
      "自动挑选功能启用后，生成名字速度会变慢！"_gbk, "系统提示"_gbk, MessageIcon::Warning, {}};
}

}  // namespace zeruda::generation
