#pragma once

#include "web/http_client.h"
#include "web/web_hosts.h"

#include <optional>
#include <string>

namespace zeruda::web {

// The online library page with this number from the configured article server: the
// body as it came (the server's pages are GBK, like ours). Nothing when no server is
// configured or the fetch failed; an error page or an empty answer counts as failed,
// so the caller shows its built-in page instead. Blocks like any fetch.
std::optional<std::string> fetchArticle(const HttpClient& client, const WebHosts& hosts,
                                        int number);

}  // namespace zeruda::web
