#include "generation/company_form.h"

#include "profile/profile.h"
#include "text/gbk_literal.h"

namespace zeruda::generation {

using namespace text::literals;

CompanyForm defaultCompanyForm() {
  CompanyForm form;
  form.prefix = "成都"_gbk;
  form.suffix = "科技有限公司"_gbk;
  form.middleCountText = "2";
  return form;
}

const std::string& CompanyControls::surname() { return "公司法人姓"_gbk; }
const std::string& CompanyControls::givenName() { return "公司法人名"_gbk; }
const std::string& CompanyControls::prefix() { return "公司前缀"_gbk; }
const std::string& CompanyControls::suffix() { return "公司后缀"_gbk; }

calendar::DateTime birthMomentOf(const CompanyForm& form) {
  return calendar::DateTime::of(form.birthDate, form.hourIndex, form.minuteIndex, 0);
}

int middleCountOf(const CompanyForm& form) { return profile::profileNumber(form.middleCountText); }

EngineSettings engineSettingsOf(const CompanyForm& form) {
  EngineSettings settings;
  settings.middleCount = middleCountOf(form);
  settings.fixed = form.fixed;
  settings.required = form.elements;
  settings.autoPick = form.autoPick;
  settings.starLevelIndex = form.starLevelIndex;
  settings.prefix = form.prefix;
  settings.suffix = form.suffix;
  return settings;
}

}  // namespace zeruda::generation
