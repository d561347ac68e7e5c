// zeruda-cli web-url SITE NAME: the address the window's search buttons open.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/terminal.h"
#include "storage/working_folder.h"
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

int runWebUrl(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  const Args parsed(args, {});
  if (parsed.positional().empty()) throw UsageError("expected SITE and NAME");
  const web::Site site = siteNamed(parsed.positional()[0]);
  // The trademark search opens on its own page: it takes no name.
  const std::size_t wanted = site == web::Site::Trademark ? 1 : 2;
  if (parsed.positional().size() != wanted) {
    throw UsageError(wanted == 1 ? "the trademark search takes no NAME" : "expected SITE and NAME");
  }
  const std::string name = wanted == 2 ? argToGbk(parsed.positional()[1], "NAME") : "";
  storage::chooseDriveRoot(storage::systemRoots());
  const web::WebHosts hosts = web::WebHosts::load(storage::workingPath(web::kWebConfigFileName));
  out << web::lookupAddress(site, hosts, name) << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
