// zeruda-cli report BODY [--prefix P] [--suffix S] [--base N]: the company-name report.
#include "actions/name_actions.h"
#include "app/company_evaluation.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/refusals.h"
#include "cli/terminal.h"

namespace zeruda::cli {

int runReport(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args parsed(args, {"prefix", "suffix", "base"});
  parsed.expectPositional(1, "BODY");
  const FieldOptions kOptions = {{Field::NameBody, "BODY"},
                                 {Field::RegionPrefix, "--prefix"},
                                 {Field::TradeSuffix, "--suffix"},
                                 {Field::BaseScore, "--base"}};
  actions::ReportRequest request;
  request.body = gbkArg(parsed.positional()[0], Field::NameBody, kOptions);
  request.prefix = gbkOption(parsed.value("prefix"), Field::RegionPrefix, kOptions);
  request.suffix = gbkOption(parsed.value("suffix"), Field::TradeSuffix, kOptions);
  request.base = gbkOption(parsed.value("base"), Field::BaseScore, kOptions);

  CommandSession session(err);
  actions::Context context{session.tables(), &session.profile()};
  const numerology::CompanyReport report =
      orRefuse(actions::report(request, context).report, kOptions);
  app::writeReportPage(report, session.folder());
  out << fromGbk(report.plainText());
  return kExitOk;
}

}  // namespace zeruda::cli
