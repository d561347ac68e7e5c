// zeruda-cli report BODY [--prefix P] [--suffix S] [--base N]: the company-name report.
#include "app/company_evaluation.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/dictionary_characters.h"
#include "cli/terminal.h"
#include "numerology/company_report.h"
#include "shortlist/registration_section.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

namespace zeruda::cli {

using namespace text::literals;

int runReport(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args parsed(args, {"prefix", "suffix", "base"});
  parsed.expectPositional(1, "BODY");
  numerology::CompanyReportRequest request;
  request.body = argToGbk(parsed.positional()[0], "BODY");
  // An empty body gets the report's own refusal; spaces the report leaves out.
  if (const std::string body = text::removeSpaces(request.body); !body.empty()) {
    requireDictionaryCharacters(body, "BODY");
  }
  auto prefix = parsed.value("prefix");
  auto suffix = parsed.value("suffix");
  request.prefix = prefix ? argToGbk(*prefix, "--prefix") : "成都"_gbk;
  request.suffix = suffix ? argToGbk(*suffix, "--suffix") : "科技有限公司"_gbk;
  const std::optional<int> base =
      parsed.value("base") ? std::optional<int>(parsed.intValue("base", 0, 0, 5)) : std::nullopt;

  CommandSession session(err);
  request.baseScore = base.value_or(session.profile().baseScore());
  numerology::ReportSources sources = app::programReportSources(session.tables());
  sources.extraSection = shortlist::registrationSection;
  const auto outcome = numerology::companyNameReport(request, sources);
  if (outcome.refusal) {
    err << fromGbk(outcome.refusal->caption) << ": " << fromGbk(outcome.refusal->text) << '\n';
    return kExitRefused;
  }
  app::writeReportPage(*outcome.report, session.folder());
  out << fromGbk(outcome.report->plainText());
  return kExitOk;
}

}  // namespace zeruda::cli
