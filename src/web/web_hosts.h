#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zeruda::web {

// The sites the program sends the user to or fetches from.
enum class Site {
  Baidu,      // the Baidu web search (百度查询)
  So360,      // the 360 web search (360查询)
  Alibaba,    // the Alibaba company search (阿里巴巴查询)
  Trademark,  // the national trademark office's online search (商标在线查询)
  Register,   // the national enterprise credit information publicity system
  Articles,   // the server of the online library articles; none by default
  History,    // the encyclopaedia whose pages tell what happened on a day (历史上的今天)
};
inline constexpr std::size_t kSiteCount = 7;

// Every site's host lives here and nowhere else: a built-in default each, which the
// section "hosts" of "web.ini" in the working folder may replace. A value is a
// scheme and host with an optional port ("https://www.so.com",
// "http://127.0.0.1:8080"); a bare host is taken as https.
inline constexpr std::string_view kWebConfigFileName = "web.ini";
inline constexpr std::string_view kHostsSection = "hosts";

struct SiteEntry {
  Site site;
  std::string_view key;          // the key in the section "hosts"
  std::string_view defaultBase;  // empty: the site is not used unless configured
};

// The built-in defaults, public sites that serve https.
inline constexpr std::array<SiteEntry, kSiteCount> kSiteTable = {{
    {Site::Baidu, "baidu", "https://www.baidu.com"},
    {Site::So360, "360", "https://www.so.com"},
    {Site::Alibaba, "alibaba", "https://s.1688.com"},
    {Site::Trademark, "trademark", "https://sbj.cnipa.gov.cn"},
    {Site::Register, "register", "https://www.gsxt.gov.cn"},
    {Site::Articles, "articles", ""},
    {Site::History, "history", "https://zh.wikipedia.org"},
}};

class WebHosts {
 public:
  // The built-in defaults.
  WebHosts();

  // The defaults with the values of the file's section "hosts" over them. A missing
  // file or key keeps the default; a value that is no http or https address of
  // printable ASCII is ignored, so a typing error cannot send the user anywhere else.
  static WebHosts load(const std::filesystem::path& iniFile);

  // "https://host[:port]" without a trailing "/"; empty for a site not configured.
  const std::string& base(Site site) const;
  void setBase(Site site, std::string_view value);

 private:
  std::array<std::string, kSiteCount> bases_;
};

}  // namespace zeruda::web
