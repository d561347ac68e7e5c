// zeruda-cli web-url SITE NAME: the address the window's search buttons open.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/terminal.h"
#include "web/lookup_address.h"

#include <array>
#include <utility>

namespace zeruda::cli {
namespace {

constexpr std::array<std::pair<std::string_view, web::Site>, 4> kSites = {{
    {"baidu", web::Site::Baidu},
    {"360", web::Site::So360},
    {"alibaba", web::Site::Alibaba},
    {"trademark", web::Site::Trademark},
}};

web::Site siteNamed(const std::string& name) {
  for (const auto& [word, site] : kSites) {
    if (word == name) return site;
  }
  throw UsageError("unknown site '" + name + "' (baidu, 360, alibaba or trademark)");
}

}  // namespace

int runWebUrl(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {});
  if (parsed.positional().empty()) throw UsageError("expected SITE and NAME");
  const web::Site site = siteNamed(parsed.positional()[0]);
  // The trademark search opens on its own page: a NAME is taken but not used, so
  // every site is called the same way.
  const std::size_t count = parsed.positional().size();
  if (count > 2 || (count < 2 && site != web::Site::Trademark)) {
    throw UsageError("expected SITE and NAME");
  }
  const std::string name = count == 2 ? argToGbk(parsed.positional()[1], "NAME") : "";
  const CommandSession session(err);
  const web::WebHosts hosts = web::WebHosts::load(session.folder().file(web::kWebConfigFileName));
  out << web::lookupAddress(site, hosts, name) << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
