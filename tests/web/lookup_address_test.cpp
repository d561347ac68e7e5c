#include "web/lookup_address.h"

#include "support/temp_folder.h"
#include "support/text_support.h"
#include "web/web_address.h"

#include <gtest/gtest.h>

namespace zeruda::web {
namespace {

TEST(SplitAddress, FindsHostPortAndPathAndRefusesWhatNoFetchShouldReach) {
  struct Case {
    const char* address;
    const char* expected;  // scheme host port path
  };
  for (const Case& c : {
           Case{"http://example.com", "http example.com 80 /"},
           Case{"http://example.com:8080/a.htm?x=1", "http example.com 8080 /a.htm?x=1"},
           Case{"example.com/s?q=1", "http example.com 80 /s?q=1"},
           Case{"HTTPS://example.com?q", "https example.com 443 /?q"},
           Case{"a.com/go?to=http://b.com", "http a.com 80 /go?to=http://b.com"},
       }) {
    const auto parts = splitAddress(c.address);
    ASSERT_TRUE(parts) << c.address;
    EXPECT_EQ(
        parts->scheme + " " + parts->host + " " + std::to_string(parts->port) + " " + parts->path,
        c.expected);
  }
  for (const char* address :
       {"", "http://:80/", "http://a.com:0/", "http://a.com:8o/", "file:///etc/passwd"}) {
    EXPECT_FALSE(splitAddress(address)) << address;
  }
}

TEST(LookupAddress, SearchesGetTheNameEncodedAsEachSiteReadsIt) {
  const WebHosts hosts;
  const std::string name = test::gbk("成都 AB");
  // UTF-8 成都 is E6 88 90 E9 83 BD, GBK B3 C9 B6 BC.
  EXPECT_EQ(lookupAddress(Site::Baidu, hosts, name),
            "https://www.baidu.com/s?wd=%E6%88%90%E9%83%BD%20AB&ie=utf-8");
  EXPECT_EQ(lookupAddress(Site::So360, hosts, name),
            "https://www.so.com/s?q=%E6%88%90%E9%83%BD%20AB");
  EXPECT_EQ(lookupAddress(Site::Alibaba, hosts, name),
            "https://s.1688.com/company/company_search.htm?keywords=%B3%C9%B6%BC%20AB"
            "&n=y&categoryId=");
  EXPECT_EQ(lookupAddress(Site::Register, hosts), "https://www.gsxt.gov.cn/index.html");
  // 月 is E6 9C 88 and 日 E6 97 A5 in UTF-8.
  EXPECT_EQ(historyTodayAddress(hosts, 12, 1),
            "https://zh.wikipedia.org/wiki/12%E6%9C%881%E6%97%A5");
  EXPECT_EQ(articleAddress(hosts, 3), std::nullopt);
}

TEST(WebHosts, TheFileReplacesDefaultsAndIgnoresValuesThatAreNoWebAddress) {
  test::TempFolder folder;
  test::writeFile(folder / "web.ini",
                  "[hosts]\r\nbaidu=baidu.example\r\n360=http://127.0.0.1:8080/ignored/path\r\n"
                  "alibaba=file:///etc/passwd\r\narticles=http://articles.example\r\n");
  const WebHosts hosts = WebHosts::load(folder / "web.ini");
  EXPECT_EQ(hosts.base(Site::Baidu), "https://baidu.example");
  EXPECT_EQ(hosts.base(Site::So360), "http://127.0.0.1:8080");
  EXPECT_EQ(hosts.base(Site::Alibaba), "https://s.1688.com");
  EXPECT_EQ(articleAddress(hosts, 12), "http://articles.example/P20111229/qtzs/12.htm");
}

}  // namespace
}  // namespace zeruda::web
