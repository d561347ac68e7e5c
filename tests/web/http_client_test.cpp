#include "web/http_client.h"

#include "support/local_server.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zeruda::web {
namespace {

using test::LocalServer;
using test::okResponse;
using test::ReceivedRequest;

// Reference texts of the request, written out here rather than taken from the code.
constexpr const char* kAgentLine =
    "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
constexpr const char* kAcceptLine =
    "\r\nAccept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";

int count(const std::string& text, const std::string& part) {
  int found = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
  return found;
}

// Bytes that differ from place to place, so a lost or moved piece shows.
std::string patternedBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 977) & 0xFF);
  return bytes;
}

class HttpClientTest : public testing::Test {
 protected:
  HttpResponse fetch(HttpRequest request) { return client_.fetch(request); }

  test::TempFolder folder_;
  HttpClient client_{folder_ / "cookies.txt", std::chrono::seconds(20)};
};

TEST_F(HttpClientTest, GetSendsTheAgentAndTheThreeCompletedHeaders) {
  LocalServer server([](const ReceivedRequest&) { return okResponse("hello"); });
  HttpRequest request{server.address("/a/b.htm"), "get", "", "", ""};
  const HttpResponse response = client_.fetch(request);
  EXPECT_TRUE(response.ok()) << response.error;
  EXPECT_EQ(response.body, "hello");
  EXPECT_EQ(response.status, 200);
  ASSERT_EQ(server.requests().size(), 1u);
  const std::string head = server.requests()[0].head;
  EXPECT_TRUE(head.starts_with("GET /a/b.htm HTTP/1.1\r\n")) << head;
  EXPECT_EQ(count(head, kAgentLine), 1) << head;
  EXPECT_EQ(count(head, kAcceptLine), 1) << head;
  EXPECT_EQ(count(head, "\r\nReferer: " + server.address("/a/b.htm") + "\r\n"), 1) << head;
  EXPECT_EQ(count(head, "\r\nAccept-Language: zh-cn\r\n"), 1) << head;
  // The caller gets the completed header text back.
  EXPECT_EQ(count(request.headers, "Referer: "), 1);
}

TEST_F(HttpClientTest, PostSendsTheDataWithItsLengthAndKeepsTheCallersOwnReferer) {
  LocalServer server([](const ReceivedRequest&) { return okResponse("done"); });
  const std::string data = "name=%B3%C9&x=1";
  EXPECT_EQ(
      fetch({server.address("/form"), "Post", "", "referer: http://elsewhere/\r\n", data}).body,
      "done");
  const auto received = server.requests();
  ASSERT_EQ(received.size(), 1u);
  const auto& [head, body] = received[0];
  EXPECT_TRUE(head.starts_with("POST /form HTTP/1.1\r\n")) << head;
  EXPECT_EQ(count(head, "\r\nContent-Type: application/x-www-form-urlencoded\r\n"), 1) << head;
  EXPECT_EQ(count(head, "\r\nContent-Length: 15\r\n"), 1) << head;
  EXPECT_EQ(count(head, "eferer:"), 1) << head;
  EXPECT_EQ(count(head, "\r\nreferer: http://elsewhere/\r\n"), 1) << head;
  EXPECT_EQ(body, data);
}

TEST_F(HttpClientTest, LargeAndChunkedBodiesArriveIntact) {
  const std::string expected = patternedBytes(10 << 20);
  LocalServer server([&expected](const ReceivedRequest& request) {
    if (request.head.starts_with("GET /whole")) return okResponse(expected);
    std::string chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    for (std::size_t at = 0; at < expected.size(); at += 40000) {
      const std::string piece = expected.substr(at, 40000);
      char size[16];
      std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
      chunked += size + piece + "\r\n";
    }
    return chunked + "0\r\n\r\n";
  });
  for (const char* path : {"/whole", "/chunked"}) {
    const HttpResponse response = fetch({server.address(path), "", "", "", ""});
    EXPECT_TRUE(response.ok()) << path << ": " << response.error;
    EXPECT_TRUE(response.body == expected) << path << ": " << response.body.size() << " bytes";
  }
}

TEST_F(HttpClientTest, LongResponseHeadersComeBackWholeAndEveryCookieIsKeptAndSentAgain) {
  std::string cookieLines;
  for (int i = 0; i < 40; ++i) {
    cookieLines +=
        "Set-Cookie: visit" + std::to_string(i) + "=v" + std::to_string(i) + "; Path=/\r\n";
  }
  const std::string sent = okResponse("", cookieLines);
  LocalServer server([&sent](const ReceivedRequest&) { return sent; });
  const HttpResponse first = fetch({server.address("/"), "GET", "", "", ""});
  ASSERT_GT(cookieLines.size(), 1024u);
  EXPECT_EQ(first.headers, sent);  // the answer has no body: all of it is headers
  const std::string jar = test::readFile(folder_ / "cookies.txt");
  for (int i = 0; i < 40; ++i) {
    const std::string cookie = "visit" + std::to_string(i) + "\tv" + std::to_string(i) + "\n";
    EXPECT_EQ(count(jar, cookie), 1) << cookie;
  }
  fetch({server.address("/again"), "GET", "", "", ""});
  ASSERT_EQ(server.requests().size(), 2u);
  EXPECT_EQ(count(server.requests()[1].head, "visit39=v39"), 1);
}

TEST_F(HttpClientTest, AProxyGetsTheWholeAddress) {
  LocalServer proxy([](const ReceivedRequest&) { return okResponse("via proxy"); });
  const std::string proxyAddress = "127.0.0.1:" + std::to_string(proxy.port());
  EXPECT_EQ(fetch({"http://site.invalid/page", "", proxyAddress, "", ""}).body, "via proxy");
  ASSERT_EQ(proxy.requests().size(), 1u);
  EXPECT_TRUE(proxy.requests()[0].head.starts_with("GET http://site.invalid/page HTTP/1.1\r\n"));
}

TEST_F(HttpClientTest, FailuresGiveAnEmptyBodyAndSayWhy) {
  LocalServer server([](const ReceivedRequest&) { return okResponse("never"); });
  int closedPort = 0;
  ::close(test::listenOnLoopback(closedPort));
  int silentPort = 0;
  const int silent = test::listenOnLoopback(silentPort);  // accepts, never answers
  HttpClient impatient(folder_ / "cookies.txt", std::chrono::milliseconds(300));

  for (HttpRequest request : {
           HttpRequest{server.address("/"), "PUT", "", "", ""},
           HttpRequest{server.address("/"), "DELETE", "", "", ""},
           HttpRequest{"http://127.0.0.1:" + std::to_string(closedPort) + "/", "", "", "", ""},
           HttpRequest{"http://127.0.0.1:" + std::to_string(silentPort) + "/", "", "", "", ""},
           HttpRequest{"file:///etc/passwd", "", "", "", ""},
       }) {
    const HttpResponse response = impatient.fetch(request);
    EXPECT_EQ(response.body, "") << request.address << ' ' << request.method;
    EXPECT_FALSE(response.ok()) << request.address << ' ' << request.method;
  }
  ::close(silent);
  EXPECT_TRUE(server.requests().empty());
}

TEST_F(HttpClientTest, AnErrorStatusKeepsItsBodyButIsNoSuccess) {
  LocalServer server([](const ReceivedRequest&) {
    return std::string("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone");
  });
  const HttpResponse response = fetch({server.address("/missing"), "", "", "", ""});
  EXPECT_EQ(response.status, 404);
  EXPECT_EQ(response.body, "gone");
  EXPECT_EQ(response.error, "HTTP 404");
}

}  // namespace
}  // namespace zeruda::web
