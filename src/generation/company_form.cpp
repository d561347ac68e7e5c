#include "generation/company_form.h"

#include "text/gbk_literal.h"

namespace zeruda::generation {

using namespace text::literals;

CompanyForm defaultCompanyForm() {
  CompanyForm form;
  form.prefix = "成都"_gbk;
  form.suffix = "科技有限公司"_gbk;
  return form;
}

EngineSettings engineSettingsOf(const CompanyForm& form) {
  EngineSettings settings;
  settings.bodyLength = form.bodyLength;
  settings.fixed = form.fixed;
  settings.required = form.wantedElements;
  settings.minimumStars = form.minimumStars;
  settings.prefix = form.prefix;
  settings.suffix = form.suffix;
  settings.road = form.road;
  return settings;
}

}  // namespace zeruda::generation
