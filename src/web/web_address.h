#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeruda::web {

// An address taken apart the way the fetch needs it.
struct WebAddress {
  std::string scheme;  // "http" or "https"
  std::string host;
  int port = 80;
  std::string path;  // from the first "/" (or "?") to the end; "/" when there is none

  // The address put back together, with the port written only when it is not the
  // scheme's own.
  std::string text() const;
};

// Splits "http://host[:port]/path". An address with no scheme is taken as plain
// http, "https://" gives port 443 unless one is written. Nothing comes back when
// there is no host, the port is not a number from 1 to 65535, or the scheme is
// neither http nor https (a fetch must never read local files or other services).
std::optional<WebAddress> splitAddress(std::string_view address);

}  // namespace zeruda::web
