#include "cli_support.h"
#include "support/local_server.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zeruda::cli {
namespace {

using zeruda::test::runCli;

TEST(WebCommands, WebUrlPrintsTheAddressWithTheHostsOfTheWorkingFolder) {
  test::SandboxedRoots sandbox;
  EXPECT_EQ(
      runCli({"web-url", "alibaba", "成都"}).out,
      "https://s.1688.com/company/company_search.htm?keywords=%B3%C9%B6%BC&n=y&categoryId=\n");
  EXPECT_EQ(runCli({"web-url", "trademark"}).out, "https://sbj.cnipa.gov.cn/trade/\n");
  EXPECT_EQ(runCli({"web-url", "trademark", "成都"}).out, "https://sbj.cnipa.gov.cn/trade/\n");
  test::writeFile(sandbox.data() / "zeruda/gs/web.ini", "[hosts]\r\n360=http://127.0.0.1:9\r\n");
  EXPECT_EQ(runCli({"web-url", "360", "A+B"}).out, "http://127.0.0.1:9/s?q=A%2BB\n");
  EXPECT_EQ(runCli({"web-url", "google", "x"}).code, 2);
  EXPECT_EQ(runCli({"web-url", "baidu"}).code, 2);
}

TEST(WebCommands, FetchPrintsTheBodyAndOnRequestTheHeaders) {
  test::SandboxedRoots sandbox;
  test::LocalServer server([](const test::ReceivedRequest& request) {
    if (request.head.starts_with("GET /missing "))
      return std::string("HTTP/1.1 404 No\r\n\r\ngone");
    return test::okResponse(request.body, "Set-Cookie: seen=1\r\n");
  });
  const auto run = runCli({"fetch", server.address("/echo"), "--method", "post", "--data", "a=1",
                           "--header", "X-One: 1", "--header", "X-Two: 2", "--headers"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "a=1");
  EXPECT_NE(run.err.find("\r\nSet-Cookie: seen=1\r\n"), std::string::npos) << run.err;
  EXPECT_NE(server.requests().at(0).head.find("\r\nX-One: 1\r\nX-Two: 2\r\n"), std::string::npos);
  EXPECT_NE(test::readFile(sandbox.data() / "zeruda/gs/cookies.txt").find("\tseen\t1"),
            std::string::npos);

  const auto refused = runCli({"fetch", server.address("/"), "--method", "PUT"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("不支持的请求方法：PUT"), std::string::npos);

  // An error page is printed, and the command fails.
  const auto missing = runCli({"fetch", server.address("/missing")});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.out, "gone");
  EXPECT_EQ(missing.err, "zeruda-cli fetch: HTTP 404\n");
}

}  // namespace
}  // namespace zeruda::cli
