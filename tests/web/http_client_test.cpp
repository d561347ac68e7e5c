#include "web/http_client.h"

#include "web/online_article.h"

#include "support/local_server.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::web {
namespace {

using test::LocalServer;
using test::okResponse;
using test::ReceivedRequest;

// The body of an answer, or why there was none.
std::string bodyOf(const Result<HttpResponse>& fetched) {
  return fetched ? fetched.value().body : "(no answer: " + fetched.error() + ")";
}

int count(const std::string& text, const std::string& part) {
  int found = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
  return found;
}

class HttpClientTest : public testing::Test {
 protected:
  Result<HttpResponse> fetch(HttpRequest request) { return client_.fetch(request); }

  test::TempFolder folder_;
  HttpClient client_{folder_ / "cookies.txt", std::chrono::seconds(20)};
};

TEST_F(HttpClientTest, GetAndPostSendTheAgentAndTheCompletedHeaders) {
  LocalServer server(
      [](const ReceivedRequest& request) { return okResponse("got " + request.body); });
  HttpRequest get{server.address("/a.htm"), "get", "", "", ""};
  EXPECT_EQ(bodyOf(client_.fetch(get)), "got ");
  EXPECT_EQ(count(get.headers, "Referer: "), 1);  // the caller sees the completed text
  EXPECT_EQ(bodyOf(fetch(
                {server.address("/form"), "Post", "", "referer: http://elsewhere/\r\n", "a=%B3"})),
            "got a=%B3");

  const auto received = server.requests();
  ASSERT_EQ(received.size(), 2u);
  const std::string& getHead = received[0].head;
  EXPECT_TRUE(getHead.starts_with("GET /a.htm HTTP/1.1\r\n")) << getHead;
  for (const std::string& line : std::vector<std::string>{
           "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n",
           "\r\nAccept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
           "application/x-shockwave-flash, application/vnd.ms-excel, "
           "application/vnd.ms-powerpoint, application/msword, */*\r\n",
           "\r\nReferer: " + server.address("/a.htm") + "\r\n",
           "\r\nAccept-Language: zh-cn\r\n",
       }) {
    EXPECT_EQ(count(getHead, line), 1) << line << " in\n" << getHead;
  }
  const std::string& postHead = received[1].head;
  EXPECT_TRUE(postHead.starts_with("POST /form HTTP/1.1\r\n")) << postHead;
  EXPECT_EQ(count(postHead, "\r\nContent-Type: application/x-www-form-urlencoded\r\n"), 1);
  EXPECT_EQ(count(postHead, "\r\nContent-Length: 5\r\n"), 1) << postHead;
  EXPECT_EQ(count(postHead, "eferer: "), 1) << postHead;
  EXPECT_EQ(count(postHead, "\r\nreferer: http://elsewhere/\r\n"), 1) << postHead;
}

TEST_F(HttpClientTest, LargeAndChunkedBodiesArriveIntact) {
  std::string expected(10 << 20, '\0');
  for (std::size_t i = 0; i < expected.size(); ++i)
    expected[i] = static_cast<char>(i * 131 + i / 977);
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
    const Result<HttpResponse> response = fetch({server.address(path), "", "", "", ""});
    ASSERT_TRUE(response.ok()) << path << ": " << response.error();
    EXPECT_TRUE(response.value().body == expected)
        << path << ": " << response.value().body.size() << " bytes";
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
  ASSERT_GT(cookieLines.size(), 1024u);
  const Result<HttpResponse> response = fetch({server.address("/"), "GET", "", "", ""});
  ASSERT_TRUE(response.ok()) << response.error();
  EXPECT_EQ(response.value().headers, sent);  // no body: all headers
  const std::string jar = test::readFile(folder_ / "cookies.txt");
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(count(jar, "\tvisit" + std::to_string(i) + "\tv" + std::to_string(i) + "\n"), 1) << i;
  }
  fetch({server.address("/again"), "GET", "", "", ""});
  EXPECT_EQ(count(server.requests().at(1).head, "visit39=v39"), 1);
}

// A server that answers each path with its own raw response, and "ok" elsewhere.
LocalServer answering(std::vector<std::pair<std::string, std::string>> answers) {
  return LocalServer([answers = std::move(answers)](const ReceivedRequest& request) {
    for (const auto& [path, answer] : answers) {
      if (request.head.starts_with("GET " + path + " ")) return answer;
    }
    return okResponse("ok");
  });
}

TEST_F(HttpClientTest, AnswersTooLargeOrOfTwoLengthsAreRefusedAndSayWhy) {
  const std::string line(1 << 20, 'a');
  struct Case {
    std::string path;
    std::string answer;
    std::string error;  // a part of it; empty for an answer that is taken
  };
  const std::vector<Case> cases = {
      {"/header", "HTTP/1.1 200 OK\r\nX-Long: " + line + "\r\nContent-Length: 2\r\n\r\nok",
       "回答的一行头部超过"},
      {"/location", "HTTP/1.1 302 Found\r\nLocation: /" + line + "\r\nContent-Length: 0\r\n\r\n",
       "回答的一行头部超过"},
      {"/lengths", "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 5\r\n\r\nhello",
       "Content-Length"},
      {"/list", "HTTP/1.1 200 OK\r\nContent-Length: 5, 2\r\n\r\nhello", "Content-Length"},
      {"/same", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 5\r\n\r\nhello", ""},
  };
  std::vector<std::pair<std::string, std::string>> answers;
  for (const Case& row : cases) answers.emplace_back(row.path, row.answer);
  const LocalServer server = answering(answers);
  for (const Case& row : cases) {
    const Result<HttpResponse> response = fetch({server.address(row.path), "", "", "", ""});
    if (row.error.empty()) {
      EXPECT_EQ(bodyOf(response), "hello") << row.path;
    } else {
      ASSERT_FALSE(response.ok()) << row.path;
      EXPECT_NE(test::utf8(response.error()).find(row.error), std::string::npos)
          << row.path << ": " << test::utf8(response.error());
    }
  }
}

TEST_F(HttpClientTest, AFailedFetchKeepsNoneOfItsCookies) {
  const LocalServer server = answering({
      {"/kept", okResponse("ok", "Set-Cookie: kept=1; Path=/\r\n")},
      {"/error", "HTTP/1.1 500 No\r\nSet-Cookie: error=1; Path=/\r\nContent-Length: 2\r\n\r\nno"},
      {"/hop",
       "HTTP/1.1 302 Found\r\nSet-Cookie: hop=1; Path=/\r\nLocation: /error\r\n"
       "Content-Length: 0\r\n\r\n"},
      {"/cut", "HTTP/1.1 200 OK\r\nSet-Cookie: cut=1; Path=/\r\nContent-Length: 9\r\n\r\nhalf"},
  });
  // An answer with an error status is an answer, but no successful fetch.
  for (const char* path : {"/kept", "/error", "/hop", "/cut"}) {
    const Result<HttpResponse> response = fetch({server.address(path), "", "", "", ""});
    EXPECT_EQ(response.ok(), path != std::string("/cut")) << path;
    EXPECT_EQ(response.ok() && !response.value().errorStatus(), path == std::string("/kept"))
        << path;
  }
  const std::string jar = test::readFile(folder_ / "cookies.txt");
  EXPECT_EQ(count(jar, "\tkept\t1\n"), 1) << jar;
  for (const char* name : {"error", "hop", "cut"}) EXPECT_EQ(count(jar, name), 0) << name;
}

TEST_F(HttpClientTest, TheCookieFileReplacesALinkInItsPlace) {
  const LocalServer server = answering({{"/kept", okResponse("ok", "Set-Cookie: kept=1\r\n")}});
  test::writeFile(folder_ / "notes.txt", "my notes");
  std::filesystem::create_symlink(folder_ / "notes.txt", folder_ / "cookies.txt");
  EXPECT_TRUE(fetch({server.address("/kept"), "", "", "", ""}).ok());
  EXPECT_FALSE(std::filesystem::is_symlink(folder_ / "cookies.txt"));
  EXPECT_EQ(test::readFile(folder_ / "notes.txt"), "my notes");
}

TEST_F(HttpClientTest, AProxyGetsTheWholeAddress) {
  LocalServer proxy([](const ReceivedRequest&) { return okResponse("via proxy"); });
  const std::string proxyAddress = "127.0.0.1:" + std::to_string(proxy.port());
  EXPECT_EQ(bodyOf(fetch({"http://site.invalid/page", "", proxyAddress, "", ""})), "via proxy");
  EXPECT_TRUE(proxy.requests().at(0).head.starts_with("GET http://site.invalid/page HTTP/1.1\r\n"));
}

TEST_F(HttpClientTest, FailuresSayWhyAndErrorPagesAreAnswers) {
  LocalServer server([](const ReceivedRequest& request) {
    if (request.head.starts_with("GET /missing")) return std::string("HTTP/1.1 404 No\r\n\r\ngone");
    return okResponse("never");
  });
  int closedPort = 0;
  ::close(test::listenOnLoopback(closedPort));
  int silentPort = 0;
  const int silent = test::listenOnLoopback(silentPort);  // accepts, never answers
  const HttpClient impatient(folder_ / "cookies.txt", std::chrono::milliseconds(300));
  for (HttpRequest request : {
           HttpRequest{server.address("/"), "PUT", "", "", ""},
           HttpRequest{server.address("/"), "DELETE", "", "", ""},
           HttpRequest{"http://127.0.0.1:" + std::to_string(closedPort) + "/", "", "", "", ""},
           HttpRequest{"http://127.0.0.1:" + std::to_string(silentPort) + "/", "", "", "", ""},
           HttpRequest{"file:///etc/passwd", "", "", "", ""},
       }) {
    const Result<HttpResponse> response = impatient.fetch(request);
    ASSERT_FALSE(response.ok()) << request.address << ' ' << request.method;
    EXPECT_FALSE(response.error().empty()) << request.address << ' ' << request.method;
  }
  ::close(silent);
  EXPECT_TRUE(server.requests().empty());
  // An error page keeps its body and its status.
  const Result<HttpResponse> missing = fetch({server.address("/missing"), "", "", "", ""});
  ASSERT_TRUE(missing.ok()) << missing.error();
  EXPECT_EQ(missing.value().body, "gone");
  EXPECT_EQ(missing.value().status, 404);
  EXPECT_TRUE(missing.value().errorStatus());
}

TEST_F(HttpClientTest, ArticlesComeFromTheConfiguredServerOnly) {
  LocalServer server([](const ReceivedRequest& request) {
    if (request.head.starts_with("GET /P20111229/qtzs/2.htm ")) return okResponse("<html>2</html>");
    return std::string("HTTP/1.1 404 No\r\n\r\ngone");
  });
  WebHosts hosts;
  EXPECT_EQ(fetchArticle(client_, hosts, 2), std::nullopt);
  EXPECT_TRUE(server.requests().empty());
  hosts.setBase(Site::Articles, server.address(""));
  EXPECT_EQ(fetchArticle(client_, hosts, 2), "<html>2</html>");
  EXPECT_EQ(fetchArticle(client_, hosts, 3), std::nullopt);
}

}  // namespace
}  // namespace zeruda::web
