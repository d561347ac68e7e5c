#pragma once

#include "web/web_hosts.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeruda::web {

// The address a command opens in the browser. `gbkName` is the name to look up (GBK);
// the trademark office and the register take none.
// - Baidu and 360 read their query as UTF-8, and raw GBK bytes cannot stand in an
//   address the browser is given, so the name's UTF-8 bytes are percent-encoded
//   (Baidu is told so with "&ie=utf-8").
// - The Alibaba company search reads GBK: the name's GBK bytes are percent-encoded.
// Empty when the site has no host (never for the built-in defaults).
std::string lookupAddress(Site site, const WebHosts& hosts, std::string_view gbkName = {});

// The page on what happened on this day of the year in history: the encyclopaedia's
// page for the day ("3月15日"), its name percent-encoded in UTF-8.
std::string historyTodayAddress(const WebHosts& hosts, int month, int day);

// The online library article with this number, when an article server is configured.
std::optional<std::string> articleAddress(const WebHosts& hosts, int number);

}  // namespace zeruda::web
