#include "cli_support.h"
#include "support/local_server.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zeruda::cli {
namespace {

using zeruda::test::runCli;

class WebCommands : public testing::Test {
 protected:
  std::filesystem::path working() const { return sandbox_.data() / "zeruda/gs"; }
  test::SandboxedRoots sandbox_;
};

TEST_F(WebCommands, WebUrlPrintsTheAddressInPlainAscii) {
  struct Case {
    std::vector<std::string> args;
    const char* expected;
  };
  const Case cases[] = {
      {{"web-url", "baidu", "成都 AB"},
       "https://www.baidu.com/s?wd=%E6%88%90%E9%83%BD%20AB&ie=utf-8\n"},
      {{"web-url", "360", "A+B"}, "https://www.so.com/s?q=A%2BB\n"},
      {{"web-url", "alibaba", "成都"},
       "https://s.1688.com/company/company_search.htm?keywords=%B3%C9%B6%BC&n=y&categoryId=\n"},
      {{"web-url", "trademark"}, "https://sbj.cnipa.gov.cn/trade/\n"},
  };
  for (const Case& c : cases) {
    const auto run = runCli(c.args);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, c.expected);
  }
  EXPECT_EQ(runCli({"web-url", "google", "x"}).code, 2);
  EXPECT_EQ(runCli({"web-url", "baidu"}).code, 2);
}

TEST_F(WebCommands, WebUrlUsesTheHostsOfTheWorkingFolder) {
  std::filesystem::create_directories(working());
  test::writeFile(working() / "web.ini", "[hosts]\r\n360=http://127.0.0.1:9\r\n");
  EXPECT_EQ(runCli({"web-url", "360", "x"}).out, "http://127.0.0.1:9/s?q=x\n");
}

TEST_F(WebCommands, FetchPrintsTheBodyAndOnRequestTheHeaders) {
  test::LocalServer server([](const test::ReceivedRequest& request) {
    return test::okResponse(request.body, "Set-Cookie: seen=1\r\n");
  });
  const auto run = runCli({"fetch", server.address("/echo"), "--method", "post", "--data", "a=1",
                           "--header", "X-One: 1", "--header", "X-Two: 2", "--headers"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "a=1");
  EXPECT_NE(run.err.find("\r\nSet-Cookie: seen=1\r\n"), std::string::npos) << run.err;
  const std::string head = server.requests().at(0).head;
  EXPECT_NE(head.find("\r\nX-One: 1\r\nX-Two: 2\r\n"), std::string::npos) << head;
  EXPECT_NE(test::readFile(working() / "cookies.txt").find("\tseen\t1"), std::string::npos);

  const auto refused = runCli({"fetch", server.address("/"), "--method", "PUT"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("unsupported method PUT"), std::string::npos);
}

}  // namespace
}  // namespace zeruda::cli
