#include "web/lookup_address.h"

#include "text/gbk.h"
#include "web/percent_encode.h"

namespace zeruda::web {
namespace {

// The name for a site that reads UTF-8. A name that is not GBK (it cannot be, as
// both front ends convert what the user typed) is passed on as its own bytes.
std::string utf8Query(std::string_view gbkName) {
  const Result<std::string> utf8 = text::gbkToUtf8(gbkName);
  return percentEncode(utf8 ? std::string_view(utf8.value()) : gbkName);
}

std::string pathAndQuery(Site site, std::string_view gbkName) {
  switch (site) {
    case Site::Baidu:
      return "/s?wd=" + utf8Query(gbkName) + "&ie=utf-8";
    case Site::So360:
      return "/s?q=" + utf8Query(gbkName);
    case Site::Alibaba:
      return "/company/company_search.htm?keywords=" + percentEncode(gbkName) + "&n=y&categoryId=";
    case Site::Trademark:
      return "/trade/";
    case Site::Register:
      return "/index.html";
    case Site::Articles:
    case Site::History:
      break;
  }
  return "/";
}

}  // namespace

std::string lookupAddress(Site site, const WebHosts& hosts, std::string_view gbkName) {
  const std::string& base = hosts.base(site);
  if (base.empty()) return {};
  return base + pathAndQuery(site, gbkName);
}

std::string historyTodayAddress(const WebHosts& hosts, int month, int day) {
  const std::string& base = hosts.base(Site::History);
  if (base.empty()) return {};
  // Web addresses carry UTF-8: this source file's own bytes are meant here, not GBK.
  return base + "/wiki/" + percentEncode(std::to_string(month) + "月" + std::to_string(day) + "日");
}

std::optional<std::string> articleAddress(const WebHosts& hosts, int number) {
  const std::string& base = hosts.base(Site::Articles);
  if (base.empty()) return std::nullopt;
  return base + "/P20111229/qtzs/" + std::to_string(number) + ".htm";
}

}  // namespace zeruda::web
