#include "generation/request.h"

#include "chart/element_strength.h"
#include "generation/legal_chart.h"
#include "generation/request_checks.h"
#include "profile/profile.h"
#include "text/gbk_literal.h"

namespace zeruda::generation {

using namespace text::literals;

namespace {

RequestOutcome refused(CompanyForm form, Error error) {
  return {std::move(form), std::move(error)};
}

}  // namespace

UserMessage generatingMessage() {
  return {"正在生成名字，请稍侯.......点击确定后，将停止生成名字"_gbk,
          "特别提示"_gbk,
          MessageIcon::Information,
          {}};
}

std::string namesMadeStatus(int rows) {
  return "已生成名字"_gbk + std::to_string(rows) + "个，达到一次生成的上限，已停止生成"_gbk;
}

RequestOutcome runGenerationRequest(CompanyForm form, storage::TableSet& tables,
                                    const std::filesystem::path& profileFile) {
  if (form.autoElements) {
    chooseFavourableElements(form, chart::elementStrength(form.birthMoment).favourable);
  }
  if (Check c = elementCountCheck(form); !c) return refused(std::move(form), c.failure());
  if (Check c = firstCheck(form); !c) return refused(std::move(form), c.failure());
  normaliseTexts(form);
  if (Check c = secondCheck(form); !c) return refused(std::move(form), c.failure());
  if (Check c = fieldLimitCheck(form); !c) return refused(std::move(form), c.failure());
  // A run that could never list a name is refused here, before anything is written
  // and before any wait message, rather than by the engine once it runs.
  if (Check c = runCheck(engineSettingsOf(form)); !c) return refused(std::move(form), c.failure());

  // The rating counts a character table it cannot read as one without elements:
  // rather than rate every row wrongly, the request names the table and stops.
  if (auto characters = tables.open("zk"); !characters.ok()) {
    return refused(std::move(form),
                   Error{characters.error(), {}, "系统提示"_gbk, MessageIcon::Warning});
  }
  const LegalChart chart = computeLegalChart(form);
  if (!profileFile.empty()) {
    auto written = profile::writeLegalPersonProfile(profileFile, legalPersonProfileOf(form, chart));
    if (!written) {
      return refused(std::move(form), Error{"法人资料保存失败："_gbk + written.error(),
                                            {},
                                            "系统提示"_gbk,
                                            MessageIcon::Warning});
    }
  }
  EngineStart start{engineSettingsOf(form),
                    static_cast<double>(profile::baseScoreOf(chart.missingElements.text())),
                    chartSummary(chart, chart.nayin), generatingMessage()};
  return {std::move(form), std::move(start)};
}

}  // namespace zeruda::generation
