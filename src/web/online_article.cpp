#include "web/online_article.h"

#include "web/lookup_address.h"

namespace zeruda::web {

std::optional<std::string> fetchArticle(const HttpClient& client, const WebHosts& hosts,
                                        int number) {
  const std::optional<std::string> address = articleAddress(hosts, number);
  if (!address) return std::nullopt;
  HttpRequest request{*address, "GET", "", "", ""};
  Result<HttpResponse> response = client.fetch(request);
  if (!response || response.value().errorStatus() || response.value().body.empty()) {
    return std::nullopt;
  }
  return std::move(response).value().body;
}

}  // namespace zeruda::web
