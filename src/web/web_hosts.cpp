#include "web/web_hosts.h"

#include "storage/ini_file.h"
#include "web/web_address.h"

#include <algorithm>

namespace zeruda::web {
namespace {

std::size_t indexOf(Site site) { return static_cast<std::size_t>(site); }

}  // namespace

WebHosts::WebHosts() {
  for (const SiteEntry& entry : kSiteTable) bases_[indexOf(entry.site)] = entry.defaultBase;
}

WebHosts WebHosts::load(const std::filesystem::path& iniFile) {
  WebHosts hosts;
  const storage::IniDocument file = storage::loadIniFile(iniFile);
  for (const SiteEntry& entry : kSiteTable) {
    const std::string value = file.get(kHostsSection, entry.key);
    if (!value.empty()) hosts.setBase(entry.site, value);
  }
  return hosts;
}

const std::string& WebHosts::base(Site site) const { return bases_[indexOf(site)]; }

void WebHosts::setBase(Site site, std::string_view value) {
  // Host names are ASCII (an international name in its "xn--" form): anything else
  // could not go into an address as it stands.
  const bool printableAscii = std::all_of(value.begin(), value.end(), [](char c) {
    return static_cast<unsigned char>(c) > ' ' && static_cast<unsigned char>(c) < 0x7F;
  });
  if (!printableAscii) return;
  const bool hasScheme = value.find("://") != std::string_view::npos;
  const std::string address = hasScheme ? std::string(value) : "https://" + std::string(value);
  const auto parts = splitAddress(address);
  if (!parts) return;
  // Only the scheme, host and port count: a path would be doubled by the builders.
  WebAddress root = *parts;
  root.path.clear();
  bases_[indexOf(site)] = root.text();
}

}  // namespace zeruda::web
